#include "tools/driver_sim/psui_process.h"

#include "tools/driver_sim/remote_window.h"

namespace psui {

PsuiProcess::~PsuiProcess() {
  if (process_) CloseHandle(process_);
}

bool PsuiProcess::Launch(const std::string& exe) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string command = "\"" + exe + "\"";
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool PsuiProcess::Ended() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

DWORD PsuiProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

bool PsuiProcess::WaitForEnd(DWORD timeoutMs) const {
  return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

HWND PsuiProcess::FindSheet() const {
  // The sheet has tab pages; a message box or dialog on top of it does not.
  for (HWND window : ProcessDialogs(id_)) {
    if (FindWindowExA(window, nullptr, "SysTabControl32", nullptr)) return window;
  }
  return nullptr;
}

}  // namespace psui
