// Runs an automation script against psui's live sheet from outside, through
// the window messages a user's clicks and keystrokes produce.
//
// Actions are posted, as input arrives, so a message box or dialog an action
// opens never blocks the script: the next line deals with it. A posted action
// runs when psui next takes a posted message, and a sent message (every
// read) overtakes posted ones, so each action ends with a bounded sync:
// sent WM_NULLs with a short pause between them (measured under Wine on a
// busy machine: after one WM_NULL, 3 reads in 300 still came before the
// action; after a pause and a second one, none in 1000). That narrows the
// race without closing it; expectations close it: they read again until they
// hold or the time limit (timeout-ms) passes, which also covers a psui busy
// for seconds (a silent printer), whose reads get no answer meanwhile.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
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
  // The lines printed so far.
  const std::vector<std::string>& report() const { return report_; }

 private:
  struct Outcome {
    bool ok;
    std::string detail;  // what was expected and what was seen, on failure
  };

  Outcome Execute(const ScriptLine& line);
  Outcome SelectPage(int index);
  // The list the line names and the position of its one entry with the
  // line's text.
  Outcome ListEntry(const ScriptLine& line, bool dropDownOnly, HWND* control, int* index);
  Outcome Select(const ScriptLine& line);
  Outcome SelectByKey(const ScriptLine& line);
  Outcome ClickControl(const ScriptLine& line);
  Outcome TypeText(const ScriptLine& line);
  Outcome LeaveControl(const ScriptLine& line, bool kept);
  Outcome SpinControl(const ScriptLine& line);
  // One look at what an expectation checks; Expect repeats it.
  Outcome CheckOnce(const ScriptLine& line);
  Outcome Expect(const ScriptLine& line);
  Outcome CheckRegistry(const ScriptLine& line);
  Outcome WaitForBox(const ScriptLine& line);
  Outcome Press(const ScriptLine& line);
  Outcome WaitForDialog(const ScriptLine& line);
  Outcome EndDialog();
  Outcome Screenshot(const ScriptLine& line);
  Outcome PressSheetButton(const std::string& button);

  // The window control commands address: the innermost dialog of the
  // script, else the sheet's current page (null when psui did not answer).
  HWND Target() const;
  // The control `id` of the target, if a user could use it; waits while
  // psui does not answer.
  Outcome UsableControl(int id, HWND* control);
  // Gives a control the keyboard focus as Tab would and waits until it has it.
  Outcome FocusControl(HWND control);
  bool FocusIsIn(HWND control) const;
  // The id of the target's control that has the focus; 0 for none.
  int FocusedControlId() const;
  bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);
  // After posted actions: psui has taken them (or is busy, or waits in a
  // modal window they opened) when this returns.
  void Sync();
  // A message box or dialog of psui's that is not the sheet and not one the
  // script addresses; null when none.
  HWND NewModalWindow() const;
  std::string Describe(HWND window) const;
  HWND FindBox(const std::wstring& text) const;
  void CloseEverything();
  void Report(const char* verdict, const ScriptLine& line, const std::string& detail);

  DWORD process_;
  DWORD thread_;
  HWND sheet_;
  std::string script_path_;
  std::function<void(DWORD)> pump_;
  DWORD wait_ms_ = 5000;
  std::vector<HWND> dialogs_;
  HWND box_ = nullptr;
  bool answered_ = false;
  std::vector<std::string> report_;
};

}  // namespace psui
