#include "ui/dialog.h"

#include "ui/context_help.h"

namespace psui {

INT_PTR Dialog::DoModal(HWND parent) {
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId()), parent, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Dialog* dialog;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<Dialog*>(lparam);
    dialog->Attach(window);
  } else {
    dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (!dialog) return FALSE;
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    // Subclasses see OK and Cancel first and may keep the dialog open.
    if (dialog->OnCommand(LOWORD(wparam), BN_CLICKED, reinterpret_cast<HWND>(lparam))) return TRUE;
    if (LOWORD(wparam) == IDOK) {
      dialog->OnOK();
      return TRUE;
    }
    if (LOWORD(wparam) == IDCANCEL) {
      dialog->OnCancel();
      return TRUE;
    }
    return FALSE;
  }
  INT_PTR result = dialog->Dispatch(message, wparam, lparam);
  if (message == WM_NCDESTROY) dialog->hwnd_ = nullptr;
  return result;
}

void Dialog::OnHelp() { DialogHelpRequest(hwnd_); }

}  // namespace psui
