// Graphics options (dialog 210): toner saving, edge smoothing, negative and
// mirrored output and the page rotation. Writes the record on OK only; the
// Features page puts the fields back otherwise.
#pragma once

#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class CGraphicsOptions : public Dialog {
 public:
  CGraphicsOptions() : Dialog(IDD_GRAPHICS_OPTIONS) {}

 protected:
  // A negative image needs black and white: in colour it is switched off at
  // once. Booklets keep their rotation.
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  // The rotation code (0 to 3) of the radio button last clicked.
  int rotation_ = 0;
};

}  // namespace psui
