#include "tools/driver_sim/psui_process.h"

#include <cstring>

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
  struct Search {
    DWORD process;
    HWND found;
  } search = {id_, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (owner == s->process && IsWindowVisible(window) && std::strcmp(name, "#32770") == 0) {
          // The sheet has tab pages; a message box on top of it does not.
          if (FindWindowExA(window, nullptr, "SysTabControl32", nullptr)) {
            s->found = window;
            return FALSE;
          }
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

LRESULT SendBounded(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wparam, lparam, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs, &result);
  return static_cast<LRESULT>(result);
}

}  // namespace psui
