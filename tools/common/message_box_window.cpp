#include "tools/common/message_box_window.h"

namespace psui {

namespace {

bool HasClass(HWND window, const char* name) {
  char buffer[32] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return lstrcmpiA(buffer, name) == 0;
}

bool MadeBySystem(HWND window) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  return instance == nullptr || instance == GetModuleHandleA("user32.dll");
}

}  // namespace

bool IsMessageBoxWindow(HWND window) {
  if (!IsWindow(window) || !HasClass(window, "#32770")) return false;
  if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) return false;
  if (!MadeBySystem(window)) return false;
  HWND text = GetDlgItem(window, kMessageBoxTextId);
  if (!text || !HasClass(text, "Static")) return false;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!HasClass(child, "Static") && !HasClass(child, "Button")) return false;
    if (!MadeBySystem(child)) return false;
  }
  return true;
}

}  // namespace psui
