#include "tests/ui/harness/modal_responder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ui/harness/ui_actions.h"
#include "tools/common/message_box_window.h"

namespace psui::test {

namespace {

constexpr UINT kRespond = WM_APP + 17;
// A dialog's script must end it; one still open this long afterwards is
// closed and fails the test rather than hanging it.
constexpr UINT kScriptGraceMs = 5000;
constexpr UINT_PTR kWatchdogTimer = 1;
constexpr char kHelperClass[] = "PsuiModalResponder";

// What every responder of the thread shares: one hook and one helper window
// for as long as any responder exists, and the windows already answered, so
// that a window activated again (when a box over it closes) is not answered
// twice, whichever responder met it.
struct Shared {
  HHOOK hook = nullptr;
  HWND helper = nullptr;
  std::vector<ModalResponder*> stack;  // innermost last
  std::set<HWND> handled;
  std::vector<HWND> scripted;  // dialogs whose script has run
};
Shared shared;

bool IsDialogWindow(HWND window) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770" && !(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD);
}

bool IsOwnWindow(HWND window) { return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId(); }

// Ends a window nobody expected by pressing one button, the one that
// commits nothing (Cancel, else No, ...), as Escape would; returns it. A
// second press would reach a dialog that EndDialog has only hidden, so one
// answer is all it gets.
int Dismiss(HWND window) {
  for (int id : {IDCANCEL, IDNO, IDABORT, IDIGNORE, IDOK, IDYES, IDRETRY}) {
    HWND button = GetDlgItem(window, id);
    if (!button && (id != IDCANCEL || ModalResponder::IsMessageBox(window))) continue;
    // A dialog without a Cancel button still hears IDCANCEL, as from Escape.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    if (IsWindow(window) && IsWindowVisible(window)) {
      ADD_FAILURE() << "\"" << WindowText(window) << "\" did not close on button " << id;
      EndDialog(window, IDCANCEL);
    }
    return id;
  }
  EndDialog(window, IDCANCEL);
  return IDCANCEL;
}

}  // namespace

ModalResponder::ModalResponder() {
  if (shared.stack.empty()) {
    WNDCLASSA helper_class = {};
    helper_class.lpfnWndProc = HelperProc;
    helper_class.hInstance = GetModuleHandleA(nullptr);
    helper_class.lpszClassName = kHelperClass;
    RegisterClassA(&helper_class);
    shared.helper = CreateWindowA(kHelperClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    shared.hook = SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
  }
  shared.stack.push_back(this);
}

ModalResponder::~ModalResponder() {
  VerifyAllMet();
  shared.stack.erase(std::remove(shared.stack.begin(), shared.stack.end(), this), shared.stack.end());
  if (shared.stack.empty()) {
    UnhookWindowsHookEx(shared.hook);
    DestroyWindow(shared.helper);
    shared = Shared();
  }
}

ModalResponder* ModalResponder::Current() { return shared.stack.empty() ? nullptr : shared.stack.back(); }

bool ModalResponder::IgnoredByAny(HWND window) {
  return std::any_of(shared.stack.begin(), shared.stack.end(),
                     [window](const ModalResponder* r) { return r->ignored_.count(window) != 0; });
}

void ModalResponder::ExpectMessageBox(const std::string& text, int button) {
  expectations_.push_back({true, text, false, std::string(), button, nullptr});
}

void ModalResponder::ExpectMessageBox(const std::string& text, const std::string& caption, int button) {
  expectations_.push_back({true, text, true, caption, button, nullptr});
}

void ModalResponder::ExpectMessageBox(const std::string& text, int button, Action whileShown) {
  expectations_.push_back({true, text, false, std::string(), button, std::move(whileShown)});
}

void ModalResponder::ExpectDialog(const std::string& caption, Action action) {
  expectations_.push_back({false, caption, false, std::string(), 0, std::move(action)});
}

void ModalResponder::VerifyAllMet() {
  for (const auto& expectation : expectations_) {
    ADD_FAILURE() << (expectation.messageBox ? "message box \"" : "dialog \"") << expectation.text
                  << "\" never appeared";
  }
  expectations_.clear();
}

bool ModalResponder::IsMessageBox(HWND window) { return IsMessageBoxWindow(window); }

std::string ModalResponder::MessageBoxText(HWND box) { return Text(box, kMessageBoxTextId); }

LRESULT CALLBACK ModalResponder::HookProc(int code, WPARAM wparam, LPARAM lparam) {
  HWND window = reinterpret_cast<HWND>(wparam);
  // This thread may be asked to activate another program's window (the one
  // in front when its own active window goes): that window is not ours to
  // answer.
  if (code == HCBT_ACTIVATE && IsDialogWindow(window) && IsOwnWindow(window) && !IgnoredByAny(window) &&
      !shared.handled.count(window)) {
    shared.handled.insert(window);
    // Act once the window's modal loop runs, not while it is being activated.
    PostMessageA(shared.helper, kRespond, reinterpret_cast<WPARAM>(window), 0);
  } else if (code == HCBT_DESTROYWND) {
    shared.handled.erase(window);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK ModalResponder::HelperProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  ModalResponder* current = Current();
  if (message == kRespond && current) {
    current->Respond(reinterpret_cast<HWND>(wparam));
    return 0;
  }
  if (message == WM_TIMER) {
    KillTimer(window, wparam);
    if (wparam == kWatchdogTimer) {
      std::vector<HWND> scripted;
      scripted.swap(shared.scripted);
      for (HWND open : scripted) {
        if (!IsWindow(open) || !IsWindowVisible(open)) continue;
        ADD_FAILURE() << "dialog \"" << WindowText(open) << "\" still open after its script";
        Dismiss(open);
      }
    } else if (current) {
      current->Respond(reinterpret_cast<HWND>(wparam));
    }
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

void ModalResponder::Respond(HWND window) {
  if (!IsWindow(window) || IgnoredByAny(window)) return;
  // A modal loop shows its window once its queue runs empty; a timer fires
  // only then, so the script meets the window as a user would.
  if (!IsWindowVisible(window)) {
    SetTimer(shared.helper, reinterpret_cast<UINT_PTR>(window), 10, nullptr);
    return;
  }
  bool box = IsMessageBox(window);
  std::string text = box ? MessageBoxText(window) : WindowText(window);
  seen_.push_back(text);
  const char* kind = box ? "message box \"" : "dialog \"";
  if (expectations_.empty()) {
    ADD_FAILURE() << "unexpected " << kind << text << "\"";
    int answer = Dismiss(window);
    if (box) boxes_.push_back({text, WindowText(window), GetWindow(window, GW_OWNER), answer});
    return;
  }
  Expectation expectation = std::move(expectations_.front());
  expectations_.pop_front();
  if (expectation.messageBox != box || expectation.text != text) {
    ADD_FAILURE() << "expected " << (expectation.messageBox ? "message box \"" : "dialog \"")
                  << expectation.text << "\", got " << kind << text << "\"";
    int answer = Dismiss(window);
    if (box) boxes_.push_back({text, WindowText(window), GetWindow(window, GW_OWNER), answer});
    return;
  }
  if (box) {
    AnswerBox(window, expectation, text);
    return;
  }
  // The action may open further modal windows; they are answered inside it.
  expectation.action(window);
  if (IsWindow(window) && IsWindowVisible(window)) {
    shared.scripted.push_back(window);
    SetTimer(shared.helper, kWatchdogTimer, kScriptGraceMs, nullptr);
  }
}

void ModalResponder::AnswerBox(HWND box, const Expectation& expectation, const std::string& text) {
  std::string caption = WindowText(box);
  boxes_.push_back({text, caption, GetWindow(box, GW_OWNER), expectation.button});
  if (expectation.checkCaption) {
    EXPECT_EQ(caption, expectation.caption) << "caption of the message box \"" << text << "\"";
  }
  if (expectation.action) expectation.action(box);
  HWND button = GetDlgItem(box, expectation.button);
  if (!button) {
    ADD_FAILURE() << "the message box \"" << text << "\" has no button " << expectation.button;
    boxes_.back().answer = Dismiss(box);
    return;
  }
  SendMessageA(box, WM_COMMAND, MAKEWPARAM(expectation.button, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace psui::test
