// Answers the message boxes and modal dialogs that code under test opens,
// through a WH_CBT hook on the test's thread: when a dialog window becomes
// active, the next expectation is checked against it (the message box text,
// or the dialog caption) and its action runs inside the modal loop. A
// dialog's action may open further dialogs and boxes (a button that opens a
// second dialog, whose button shows a box): the following expectations
// answer them inside the nested loops. A window nobody expected fails the
// test and is closed with its cancelling button, so no test hangs on it.
//
// Responders nest: while a second one exists (a test's own, inside a
// fixture's), it answers; when it ends, the one before it answers again.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace psui::test {

// A message box as the responder met it.
struct SeenBox {
  std::string text;
  std::string caption;
  HWND owner;        // null for a box that belongs to no window
  int answer;        // the button pressed
};

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
  // The same, with its caption checked as well.
  void ExpectMessageBox(const std::string& text, const std::string& caption, int button);
  // The same, with `whileShown` run on the box before the button is pressed
  // (to look at the windows under it).
  void ExpectMessageBox(const std::string& text, int button, Action whileShown);
  // A modal dialog with this caption; `action` drives it and must end it
  // (for example by clicking OK or Cancel).
  void ExpectDialog(const std::string& caption, Action action);
  // Windows the responder must leave alone (a test's own sheet).
  void Ignore(HWND window) { ignored_.insert(window); }

  // Texts of every message box seen, and captions of every dialog seen.
  const std::vector<std::string>& seen() const { return seen_; }
  // Every message box seen, in order.
  const std::vector<SeenBox>& boxes() const { return boxes_; }
  size_t pending() const { return expectations_.size(); }
  // Fails the running test for each expectation still pending.
  void VerifyAllMet();

  // The text of a message box (its static control 0xFFFF).
  static std::string MessageBoxText(HWND box);
  static bool IsMessageBox(HWND window);

 private:
  struct Expectation {
    bool messageBox;
    std::string text;  // box text or dialog caption
    bool checkCaption;
    std::string caption;
    int button;
    Action action;
  };

  static LRESULT CALLBACK HookProc(int code, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static ModalResponder* Current();
  static bool IgnoredByAny(HWND window);
  void Respond(HWND window);
  void AnswerBox(HWND box, const Expectation& expectation, const std::string& text);

  HWND helper_ = nullptr;
  std::deque<Expectation> expectations_;
  std::set<HWND> ignored_;
  std::vector<HWND> scripted_;  // dialogs whose script has run
  std::vector<std::string> seen_;
  std::vector<SeenBox> boxes_;
};

}  // namespace psui::test
