// Custom paper size (dialog 204): width and height in inches, millimetres or
// points within the driver's limits, and the feed direction. Edits the
// record directly (a value that passes is stored at once); the Paper page
// puts the four fields back unless the dialog ends with "Salva".
#pragma once

#include "pages/custom_size_math.h"
#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class CustomSizeDialog : public Dialog {
 public:
  CustomSizeDialog() : Dialog(IDD_CUSTOM_SIZE) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // "Salva": validates with the feed check, writes "CustomSizes", ends with OK.
  void OnOK() override;

 private:
  void ShowValues();
  void FillFeedList(int direction);
  // Both edits, width first: the typed text must be a decimal number within
  // its range; on a failure the box names the range and the edit gets the
  // focus. True when both passed (and were stored).
  bool Validate(bool feedCheck);
  bool ValidateEdit(SizeEdit edit, float widthInEdit, bool feedCheck, float* value);
  void OnUnitChosen(int unit);
  void OnFeedChosen();

  // Set while a validation runs: its message boxes and focus moves must not
  // start another one (Wine clicks an unchecked radio button that gets the
  // focus).
  bool validating_ = false;
};

}  // namespace psui
