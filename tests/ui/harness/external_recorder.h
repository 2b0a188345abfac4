// Records the help requests and WinExec calls the code under test makes,
// instead of starting a help viewer or a browser. Installed for its lifetime;
// recorders nest: the newest one records, and the one before it again once
// it ends.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace psui::test {

struct HelpCall {
  std::string file;
  UINT command;
  ULONG_PTR data;
};

struct ExecCall {
  std::string commandLine;
  UINT show;
};

class ExternalRecorder {
 public:
  ExternalRecorder();
  ~ExternalRecorder();
  ExternalRecorder(const ExternalRecorder&) = delete;
  ExternalRecorder& operator=(const ExternalRecorder&) = delete;

  std::vector<HelpCall> helpCalls;
  std::vector<ExecCall> execCalls;
  // What WinExec reports (above 31 is success).
  UINT execResult = 33;

 private:
  ExternalRecorder* previous_;
  static BOOL WINAPI RecordHelp(HWND owner, LPCSTR file, UINT command, ULONG_PTR data);
  static UINT WINAPI RecordExec(LPCSTR commandLine, UINT show);
};

}  // namespace psui::test
