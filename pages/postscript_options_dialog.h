// PostScript options (dialog 215): the PostScript error report, the
// external PostScript header file and the job time-out. The Features page
// puts the fields back unless the dialog ends with OK.
#pragma once

#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class CPostScriptOptions : public Dialog {
 public:
  CPostScriptOptions() : Dialog(IDD_POSTSCRIPT_OPTIONS) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // The check boxes are stored first; a time-out that is not a number from
  // 0 to 3000 then keeps the dialog open.
  void OnOK() override;

 private:
  void OnUseHeaderClicked();
  // Picks the header file with the system's file-open dialog; a path that
  // does not fit the record is refused, never cut.
  void OnBrowse();
  void OnTimeoutChanged();
  void RefuseTimeout();

  // Set once the controls show the record: their own changes are no typing.
  bool initialised_ = false;
};

}  // namespace psui
