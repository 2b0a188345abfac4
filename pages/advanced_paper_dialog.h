// Advanced paper handling (dialog 201): banner and trailer pages with their
// sources, the first page's own source and automatic continuation. Edits
// the record only on OK; the Paper page keeps the fields around it.
#pragma once

#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class AdvancedPaperDialog : public Dialog {
 public:
  AdvancedPaperDialog() : Dialog(IDD_ADVANCED_PAPER) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // Stores the four check boxes and the three lists' codes, hidden or
  // disabled lists included (-1 for a list without selection).
  void OnOK() override;

 private:
  // Fills one source list: "Adatta formato carta", the PPD's sources, the
  // field's code selected, then what the paper size and the missing units
  // rule out removed.
  void FillSourceList(int listId, int checkId, int code, const char* paperText);
};

}  // namespace psui
