// Answers the message boxes and modal dialogs that code under test opens,
// through a WH_CBT hook on the test's thread: when a dialog window becomes
// active, the next expectation is checked against it (the message box text,
// or the dialog caption) and its action runs inside the modal loop. A window
// nobody expected fails the test and is closed, so no test hangs on it.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace psui::test {

class ModalResponder {
 public:
  using Action = std::function<void(HWND window)>;

  ModalResponder();
  // Reports expectations that never came true.
  ~ModalResponder();
  ModalResponder(const ModalResponder&) = delete;
  ModalResponder& operator=(const ModalResponder&) = delete;

  // A message box whose text is exactly `text`; `button` (IDOK, IDYES, ...)
  // is pressed.
  void ExpectMessageBox(const std::string& text, int button);
  // A modal dialog with this caption; `action` drives it and must end it
  // (for example by clicking OK or Cancel).
  void ExpectDialog(const std::string& caption, Action action);
  // Windows the responder must leave alone (a test's own sheet).
  void Ignore(HWND window) { ignored_.insert(window); }

  // Texts of every message box seen, and captions of every dialog seen.
  const std::vector<std::string>& seen() const { return seen_; }
  size_t pending() const { return expectations_.size(); }
  // Fails the running test for each expectation still pending.
  void VerifyAllMet();

  // The text of a message box (its static control 65535).
  static std::string MessageBoxText(HWND box);
  static bool IsMessageBox(HWND window);

 private:
  struct Expectation {
    bool messageBox;
    std::string text;  // box text or dialog caption
    int button;
    Action action;
  };

  static LRESULT CALLBACK HookProc(int code, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Respond(HWND window);

  HHOOK hook_ = nullptr;
  HWND helper_ = nullptr;
  std::deque<Expectation> expectations_;
  std::set<HWND> ignored_;
  std::set<HWND> handled_;
  std::vector<HWND> scripted_;  // dialogs whose script has run
  std::vector<std::string> seen_;
};

}  // namespace psui::test
