// A modal dialog: data in before DoModal, out after it ends with OK.
#pragma once

#include "ui/dialog_host.h"

namespace psui {

class Dialog : public DialogHost {
 public:
  explicit Dialog(int templateId) : DialogHost(templateId) {}

  // Runs the dialog; IDOK, IDCANCEL or what EndDialog was given (-1 when the
  // template cannot be created).
  INT_PTR DoModal(HWND parent);

 protected:
  // OK and Cancel buttons; the defaults end the dialog.
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // F1: the dialog help rule (one help call, by the focused control).
  void OnHelp() override;
  void EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
};

}  // namespace psui
