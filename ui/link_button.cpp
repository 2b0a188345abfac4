#include "ui/link_button.h"

#include <vector>

namespace psui {

void MakeLinkButton(HWND button) {
  LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
  style = (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW;
  SetWindowLongPtrA(button, GWL_STYLE, style);
  InvalidateRect(button, nullptr, TRUE);
}

void DrawLinkButton(const DRAWITEMSTRUCT& item) {
  RECT frame = item.rcItem;
  UINT state = DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0);
  DrawFrameControl(item.hDC, &frame, DFC_BUTTON, state);

  int length = GetWindowTextLengthA(item.hwndItem);
  std::vector<char> text(length + 1, '\0');
  GetWindowTextA(item.hwndItem, text.data(), length + 1);
  COLORREF previous = SetTextColor(item.hDC, kLinkTextColor);
  int previous_mode = SetBkMode(item.hDC, TRANSPARENT);
  RECT area = item.rcItem;
  DrawTextA(item.hDC, text.data(), length, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  SetBkMode(item.hDC, previous_mode);
  SetTextColor(item.hDC, previous);
}

}  // namespace psui
