// While a page waits for the printer on the user-interface thread (a silent
// printer costs seconds): the wait cursor shows, an optional control (the
// page's refresh button) is disabled, and the mouse and keyboard input that
// piled up meanwhile is dropped at the end, so a click made while waiting
// does not start the same wait again.
#pragma once

#include <windows.h>

namespace psui {

class PrinterWait {
 public:
  explicit PrinterWait(HWND disabledWhileWaiting = nullptr);
  ~PrinterWait();
  PrinterWait(const PrinterWait&) = delete;
  PrinterWait& operator=(const PrinterWait&) = delete;

 private:
  HCURSOR previousCursor_;
  HWND disabled_;
  bool wasEnabled_;
};

// Removes the thread's pending mouse and keyboard messages; returns how many.
int DiscardPendingInput();

}  // namespace psui
