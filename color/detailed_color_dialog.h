// Detailed colour settings (dialog 206): every field of the colour group one
// by one, the halftone, rendering and grey lists from the printer's PPD and
// the profile lists from the resident profile registrations. The opener
// keeps the colour group and restores it unless the dialog ends with OK:
// the fields this dialog writes at once are undone by Cancel too.
#pragma once

#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class CDetailedColor : public Dialog {
 public:
  CDetailedColor() : Dialog(IDD_DETAILED_COLOR) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  ComboBox List(int id) const { return Item<ComboBox>(id); }

  void FillPpdLists();
  void FillProfileList(int listId, int kind, const char* name);
  // The enable rule: what colour on or off and the hard disk allow.
  void ApplyEnableRule(bool colour);
  void ShowRgbSourceMode(int mode);
  // After a choice in a profile list or after dialog 212 for it.
  void UpdateProfileChoice(int listId, int kind);
  void ManageProfiles(int listId, int kind);
};

}  // namespace psui
