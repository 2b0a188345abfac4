// Document options (dialog 207): collation, copies, scaling and the e-mail
// notification at the end of the job. The Features page puts the fields
// back unless the dialog ends with OK.
#pragma once

#include "pages/document_entry_rules.h"
#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class CDocumentOptions : public Dialog {
 public:
  CDocumentOptions() : Dialog(IDD_DOCUMENT_OPTIONS) {}

 protected:
  // Collating needs the printer's hard disk: without one it is switched
  // off at once and cannot be chosen.
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // Copies are stored before scaling is checked; a number out of its range
  // keeps the dialog open.
  void OnOK() override;

 private:
  void OnNumberChanged(int id, const TypedNumberRange& range);
  void Refuse(int id, const TypedNumberRange& range);
  // The number of the edit when OK may take it; none after telling the user.
  std::optional<int> TakeNumber(int id, const TypedNumberRange& range);

  // Set once the controls show the record: their own changes are no typing.
  bool initialised_ = false;
};

}  // namespace psui
