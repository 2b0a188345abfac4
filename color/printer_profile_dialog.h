// Printer profile management (dialog 212): the registrations of one kind of
// printer-resident profile, kept in step with the detailed colour dialog's
// list of that kind.
#pragma once

#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class CPrinterProfile : public Dialog {
 public:
  // kind: 108, 122 or 143; parentList: the opener's list of that kind.
  CPrinterProfile(int kind, HWND parentList)
      : Dialog(IDD_PRINTER_PROFILE), kind_(kind), parentList_(parentList) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // "Creato", Esc and the close box all just close: registrations are
  // written at once and nothing is undone.
  void OnCancel() override { EndDialog(IDOK); }

 private:
  ComboBox Descriptions() const { return Item<ComboBox>(IDC_PROFILE_DESCRIPTION); }
  ComboBox Locations() const { return Item<ComboBox>(IDC_PROFILE_LOCATION); }
  Edit FileName() const { return Item<Edit>(IDC_PROFILE_FILE_NAME); }

  void ShowRegistration();
  void OnAdd();
  void OnDelete();
  void ShowError(int textId);

  int kind_;
  ComboBox parentList_;
};

}  // namespace psui
