#include "ui/dialog_host.h"

#include "ui/context_help.h"

namespace psui {

void DialogHost::Attach(HWND window) {
  hwnd_ = window;
  SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
}

INT_PTR DialogHost::SetResult(LRESULT result) {
  SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR DialogHost::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      // Every dialog and page registers its own and its controls' help ids.
      SetContextHelpIds(hwnd_, ContextHelpIdsFor(templateId_));
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
      int id = LOWORD(wparam);
      int code = HIWORD(wparam);
      // The focus has already moved when the edit tells it lost it.
      if (code == EN_KILLFOCUS) OnEditFocusLost(id, GetFocus());
      return OnCommand(id, code, reinterpret_cast<HWND>(lparam)) ? TRUE : FALSE;
    }
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (OnNotify(reinterpret_cast<NMHDR*>(lparam), &result)) return SetResult(result);
      return FALSE;
    }
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)) ? TRUE : FALSE;
    case WM_HELP:
      OnHelp();
      return TRUE;
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    default: {
      bool handled = false;
      INT_PTR result = OnMessage(message, wparam, lparam, &handled);
      return handled ? result : FALSE;
    }
  }
}

}  // namespace psui
