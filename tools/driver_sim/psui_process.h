// The psui process as the driver sees it: started by the driver, its sheet
// found among the desktop's windows and its buttons pressed from outside.
#pragma once

#include <windows.h>

#include <string>

namespace psui {

class PsuiProcess {
 public:
  ~PsuiProcess();
  bool Launch(const std::string& exe);
  HANDLE handle() const { return process_; }
  bool Ended() const;
  DWORD ExitCode() const;
  // Waits for the process to end; false when it outlives timeoutMs.
  bool WaitForEnd(DWORD timeoutMs) const;
  // psui's visible top-level dialog window (the sheet), or null.
  HWND FindSheet() const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

}  // namespace psui
