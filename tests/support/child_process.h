// Starting the programs a Windows test talks to (driver_sim, psui, test
// peers) as real second processes, with their output kept in a file.
#pragma once

#include <windows.h>

#include <string>

namespace psui::test {

// Path of a program in the folder of the running test executable.
std::string ProgramBeside(const char* name);

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts "program" with arguments (already quoted as needed); its stdout
  // and stderr go to outputFile.
  bool Start(const std::string& program, const std::string& arguments, const std::string& outputFile);
  // Waits up to timeoutMs; true and the exit code when the process ended.
  bool Wait(DWORD timeoutMs, DWORD* exitCode);
  // Ends a process that outlived its test.
  void Terminate();
  std::string Output() const;
  HANDLE handle() const { return process_; }
  DWORD id() const { return id_; }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  std::string output_file_;
};

}  // namespace psui::test
