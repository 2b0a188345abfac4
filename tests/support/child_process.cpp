#include "tests/support/child_process.h"

#include "tests/support/test_files.h"

namespace psui::test {

std::string ProgramBeside(const char* name) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string self(path, length);
  size_t slash = self.find_last_of("\\/");
  return self.substr(0, slash + 1) + name;
}

ChildProcess::~ChildProcess() {
  Terminate();
}

bool ChildProcess::Start(const std::string& program, const std::string& arguments,
                         const std::string& outputFile) {
  output_file_ = outputFile;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) return false;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = output;
  startup.hStdError = output;
  std::string command = "\"" + program + "\" " + arguments;
  PROCESS_INFORMATION info = {};
  BOOL started = CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &info);
  CloseHandle(output);
  if (!started) return false;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool ChildProcess::Wait(DWORD timeoutMs, DWORD* exitCode) {
  if (!process_) return false;
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(process_, exitCode);
  return true;
}

void ChildProcess::Terminate() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
  process_ = nullptr;
}

std::string ChildProcess::Output() const {
  std::string text;
  ReadFileBytes(output_file_, &text);
  return text;
}

}  // namespace psui::test
