#include "ui/printer_wait.h"

namespace psui {

int DiscardPendingInput() {
  static const UINT kRanges[][2] = {
      {WM_KEYFIRST, WM_KEYLAST},
      {WM_MOUSEFIRST, WM_MOUSELAST},
      {WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK},
  };
  int dropped = 0;
  MSG message;
  for (const auto& range : kRanges) {
    while (PeekMessageA(&message, nullptr, range[0], range[1], PM_REMOVE)) ++dropped;
  }
  return dropped;
}

PrinterWait::PrinterWait(HWND disabledWhileWaiting)
    : previousCursor_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))),
      disabled_(disabledWhileWaiting),
      wasEnabled_(disabled_ != nullptr && IsWindowEnabled(disabled_)) {
  if (wasEnabled_) EnableWindow(disabled_, FALSE);
}

PrinterWait::~PrinterWait() {
  DiscardPendingInput();
  if (wasEnabled_) EnableWindow(disabled_, TRUE);
  SetCursor(previousCursor_);
}

}  // namespace psui
