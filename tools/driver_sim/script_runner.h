// Runs an automation script against psui's live sheet from outside, through
// the window messages a user's clicks and keystrokes produce. Actions that
// can open a window are posted and every send is bounded, so a message box
// or dialog opened by an action never blocks the script: the next line deals
// with it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/driver_sim/script_parser.h"

namespace psui {

class ScriptRunner {
 public:
  // pump runs the caller's message loop for up to the given milliseconds
  // (the DDE conversation must keep moving while the script waits).
  ScriptRunner(DWORD psuiProcessId, HWND sheet, std::string scriptPath,
               std::function<void(DWORD)> pump);

  // Runs the lines, printing ok, FAIL or skip for each. After a failure the
  // remaining lines are skipped, psui's open boxes and dialogs are cancelled
  // innermost first and the sheet is cancelled. A script that ends without
  // ok or cancel ends with cancel. True when no line failed.
  bool Run(const std::vector<ScriptLine>& lines);

 private:
  struct Outcome {
    bool ok;
    std::string detail;  // what was expected and what was seen, on failure
  };

  Outcome Execute(const ScriptLine& line);
  Outcome SelectPage(int index);
  Outcome Select(const ScriptLine& line);
  Outcome ClickControl(const ScriptLine& line);
  Outcome TypeText(const ScriptLine& line);
  Outcome LeaveControl(const ScriptLine& line);
  Outcome Expect(const ScriptLine& line);
  Outcome WaitForBox(const ScriptLine& line);
  Outcome Press(const ScriptLine& line);
  Outcome WaitForDialog(const ScriptLine& line);
  Outcome EndDialog();
  Outcome Screenshot(const ScriptLine& line);
  Outcome PressSheetButton(int button);

  // The window control commands address: the innermost dialog of the
  // script, else the sheet's current page.
  HWND Target() const;
  // The control `id` of the target, if a user could use it.
  Outcome UsableControl(int id, HWND* control) const;
  bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);
  HWND FindBox(const std::wstring& text) const;
  void CloseEverything();

  DWORD process_;
  HWND sheet_;
  std::string script_path_;
  std::function<void(DWORD)> pump_;
  DWORD wait_ms_ = 5000;
  std::vector<HWND> dialogs_;
  HWND box_ = nullptr;
  bool answered_ = false;
};

}  // namespace psui
