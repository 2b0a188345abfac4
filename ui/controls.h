// Thin, stateless wrappers over the common controls: one method per message.
// They hold only the window handle; copying one copies the handle.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/common_controls.h"

namespace psui {

class Control {
 public:
  Control() = default;
  explicit Control(HWND window) : window_(window) {}
  Control(HWND dialog, int id) : window_(GetDlgItem(dialog, id)) {}

  HWND hwnd() const { return window_; }
  explicit operator bool() const { return window_ != nullptr; }
  int id() const { return GetDlgCtrlID(window_); }

  std::string Text() const;
  void SetText(const char* text) const { SetWindowTextA(window_, text); }
  void SetText(const std::string& text) const { SetText(text.c_str()); }
  bool IsEnabled() const { return IsWindowEnabled(window_) != FALSE; }
  void Enable(bool enable) const { EnableWindow(window_, enable ? TRUE : FALSE); }
  bool IsVisible() const { return IsWindowVisible(window_) != FALSE; }
  void Show(bool show) const { ShowWindow(window_, show ? SW_SHOW : SW_HIDE); }
  void Focus() const { SetFocus(window_); }
  void Redraw() const { InvalidateRect(window_, nullptr, TRUE); }
  LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return SendMessageA(window_, message, wparam, lparam);
  }

 protected:
  HWND window_ = nullptr;
};

class ComboBox : public Control {
 public:
  using Control::Control;
  int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int AddString(const char* text) const { return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
  int InsertString(int index, const char* text) const {
    return static_cast<int>(Send(CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
  }
  int DeleteString(int index) const { return static_cast<int>(Send(CB_DELETESTRING, index)); }
  void ResetContent() const { Send(CB_RESETCONTENT); }
  int CurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  int SetCurSel(int index) const { return static_cast<int>(Send(CB_SETCURSEL, index)); }
  LRESULT ItemData(int index) const { return Send(CB_GETITEMDATA, index); }
  void SetItemData(int index, LRESULT data) const { Send(CB_SETITEMDATA, index, data); }
  std::string ItemText(int index) const;
  // Case-insensitive prefix search after `after` (-1: from the first entry).
  int FindString(int after, const char* prefix) const {
    return static_cast<int>(Send(CB_FINDSTRING, after, reinterpret_cast<LPARAM>(prefix)));
  }
  int FindStringExact(int after, const char* text) const {
    return static_cast<int>(Send(CB_FINDSTRINGEXACT, after, reinterpret_cast<LPARAM>(text)));
  }
  void LimitText(int bytes) const { Send(CB_LIMITTEXT, bytes); }
};

class ListBox : public Control {
 public:
  using Control::Control;
  int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  int AddString(const char* text) const { return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
  int InsertString(int index, const char* text) const {
    return static_cast<int>(Send(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
  }
  int DeleteString(int index) const { return static_cast<int>(Send(LB_DELETESTRING, index)); }
  void ResetContent() const { Send(LB_RESETCONTENT); }
  int CurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  int SetCurSel(int index) const { return static_cast<int>(Send(LB_SETCURSEL, index)); }
  LRESULT ItemData(int index) const { return Send(LB_GETITEMDATA, index); }
  void SetItemData(int index, LRESULT data) const { Send(LB_SETITEMDATA, index, data); }
  std::string ItemText(int index) const;
  int FindStringExact(int after, const char* text) const {
    return static_cast<int>(Send(LB_FINDSTRINGEXACT, after, reinterpret_cast<LPARAM>(text)));
  }
  // Width in pixels the list can scroll to (with WS_HSCROLL).
  void SetHorizontalExtent(int pixels) const { Send(LB_SETHORIZONTALEXTENT, pixels); }
  int HorizontalExtent() const { return static_cast<int>(Send(LB_GETHORIZONTALEXTENT)); }
};

class Edit : public Control {
 public:
  using Control::Control;
  void LimitText(int bytes) const { Send(EM_LIMITTEXT, bytes); }
  void SetReadOnly(bool read_only) const { Send(EM_SETREADONLY, read_only ? TRUE : FALSE); }
  bool IsModified() const { return Send(EM_GETMODIFY) != 0; }
};

class Button : public Control {
 public:
  using Control::Control;
  bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

class Static : public Control {
 public:
  using Control::Control;
  HBITMAP SetBitmap(HBITMAP bitmap) const {
    return reinterpret_cast<HBITMAP>(Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  }
};

// Progress bars and up-down controls speak the 16-bit messages of Windows
// 95's comctl32 (4.00); its control ignores the 32-bit ones.
class ProgressBar : public Control {
 public:
  using Control::Control;
  void SetRange(uint16_t low, uint16_t high) const { Send(PBM_SETRANGE, 0, MAKELPARAM(low, high)); }
  // For a range beyond 65535 only. Needs comctl32 4.70 (Windows 98, or 95
  // with Internet Explorer 3 or later): Windows 95's own control ignores the
  // message and keeps its range.
  void SetRange32(int low, int high) const { Send(kSetRange32, low, high); }
  void SetPos(int position) const { Send(PBM_SETPOS, position); }
  // A step of 0 moves nothing and answers the position (PBM_GETPOS needs 4.70).
  int Pos() const { return static_cast<int>(Send(PBM_DELTAPOS, 0)); }

 private:
  static constexpr UINT kSetRange32 = WM_USER + 6;
};

class UpDown : public Control {
 public:
  using Control::Control;
  // Limits within UD_MINVAL..UD_MAXVAL; low above high makes the arrows count down.
  void SetRange(int16_t low, int16_t high) const {
    Send(UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(high), static_cast<WORD>(low)));
  }
  void SetPos(int16_t position) const { Send(UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(position), 0)); }
  // With a buddy that shows the number, the control reads it first; when
  // that text is not a number within the range, the last good position.
  int Pos() const { return static_cast<int16_t>(LOWORD(Send(UDM_GETPOS))); }
  void SetBuddy(HWND buddy) const { Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }
};

}  // namespace psui
