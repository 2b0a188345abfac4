// What a modal dialog and a property page share: a Win32 dialog procedure
// that turns messages into named virtual handlers.
#pragma once

#include <windows.h>
#include "ui/common_controls.h"

#include "ui/controls.h"

namespace psui {

class DialogHost {
 public:
  explicit DialogHost(int templateId) : templateId_(templateId) {}
  virtual ~DialogHost() = default;
  DialogHost(const DialogHost&) = delete;
  DialogHost& operator=(const DialogHost&) = delete;

  HWND hwnd() const { return hwnd_; }
  int templateId() const { return templateId_; }

  template <typename ControlType = Control>
  ControlType Item(int id) const {
    return ControlType(hwnd_, id);
  }

 protected:
  // Return true to let the system give the first control the focus.
  virtual bool OnInitDialog() { return true; }
  // A WM_COMMAND from a control or menu; true when handled.
  virtual bool OnCommand(int id, int code, HWND control) { return false; }
  // An edit control lost the keyboard focus (EN_KILLFOCUS) to `focusTo`:
  // the window receiving it, which may lie outside this dialog (the sheet's
  // OK and Cancel buttons) or be null (the focus left the program);
  // GetDlgCtrlID(focusTo) is 0 then.
  virtual void OnEditFocusLost(int id, HWND focusTo) {}
  // A WM_NOTIFY other than the sheet's page notifications; true when handled,
  // with the result in *result.
  virtual bool OnNotify(NMHDR* header, LRESULT* result) { return false; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item) { return false; }
  // F1 (WM_HELP).
  virtual void OnHelp() {}
  // Any other message; set *handled to take it.
  virtual INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool* handled) { return 0; }
  virtual void OnDestroy() {}

  // Dispatch shared by both kinds; returns what the dialog procedure returns.
  INT_PTR Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
  // A notification's result goes through DWLP_MSGRESULT.
  INT_PTR SetResult(LRESULT result);

  // Binds the window on its first message (WM_INITDIALOG).
  void Attach(HWND window);

  HWND hwnd_ = nullptr;

 private:
  int templateId_;
};

}  // namespace psui
