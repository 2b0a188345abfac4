#include "tests/ui/harness/modal_responder.h"

#include <gtest/gtest.h>

#include "tests/ui/harness/ui_actions.h"

namespace psui::test {

namespace {

constexpr UINT kRespond = WM_APP + 17;
// A dialog's script must end it; one still open this long afterwards is
// closed and fails the test rather than hanging it.
constexpr UINT kScriptGraceMs = 5000;
constexpr UINT_PTR kWatchdogTimer = 1;
constexpr char kHelperClass[] = "PsuiModalResponder";
ModalResponder* active = nullptr;

bool IsDialogWindow(HWND window) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770" && !(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD);
}

// Ends a window nobody expected with whichever button it has, cancel first.
void Dismiss(HWND window) {
  for (int id : {IDCANCEL, IDNO, IDOK, IDYES}) {
    if (!IsWindow(window)) return;
    if (HWND button = GetDlgItem(window, id)) {
      SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
  }
  if (IsWindow(window)) EndDialog(window, IDCANCEL);
}

}  // namespace

ModalResponder::ModalResponder() {
  WNDCLASSA helper_class = {};
  helper_class.lpfnWndProc = HelperProc;
  helper_class.hInstance = GetModuleHandleA(nullptr);
  helper_class.lpszClassName = kHelperClass;
  RegisterClassA(&helper_class);
  helper_ = CreateWindowA(kHelperClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  active = this;
  hook_ = SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
}

ModalResponder::~ModalResponder() {
  VerifyAllMet();
  UnhookWindowsHookEx(hook_);
  DestroyWindow(helper_);
  if (active == this) active = nullptr;
}

void ModalResponder::ExpectMessageBox(const std::string& text, int button) {
  expectations_.push_back({true, text, button, nullptr});
}

void ModalResponder::ExpectDialog(const std::string& caption, Action action) {
  expectations_.push_back({false, caption, 0, std::move(action)});
}

void ModalResponder::VerifyAllMet() {
  for (const auto& expectation : expectations_) {
    ADD_FAILURE() << (expectation.messageBox ? "message box \"" : "dialog \"") << expectation.text
                  << "\" never appeared";
  }
  expectations_.clear();
}

bool ModalResponder::IsMessageBox(HWND window) {
  return IsDialogWindow(window) && GetDlgItem(window, 0xFFFF) != nullptr;
}

std::string ModalResponder::MessageBoxText(HWND box) { return Text(box, 0xFFFF); }

LRESULT CALLBACK ModalResponder::HookProc(int code, WPARAM wparam, LPARAM lparam) {
  if (active) {
    HWND window = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_ACTIVATE && IsDialogWindow(window) && !active->ignored_.count(window) &&
        !active->handled_.count(window)) {
      active->handled_.insert(window);
      // Act once the window's modal loop runs, not while it is being activated.
      PostMessageA(active->helper_, kRespond, reinterpret_cast<WPARAM>(window), 0);
    } else if (code == HCBT_DESTROYWND) {
      active->handled_.erase(window);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK ModalResponder::HelperProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kRespond && active) {
    active->Respond(reinterpret_cast<HWND>(wparam));
    return 0;
  }
  if (message == WM_TIMER && active) {
    KillTimer(window, wparam);
    if (wparam == kWatchdogTimer) {
      for (HWND open : active->scripted_) {
        if (!IsWindow(open)) continue;
        ADD_FAILURE() << "dialog \"" << WindowText(open) << "\" still open after its script";
        Dismiss(open);
      }
      active->scripted_.clear();
    } else {
      active->Respond(reinterpret_cast<HWND>(wparam));
    }
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

void ModalResponder::Respond(HWND window) {
  if (!IsWindow(window)) return;
  // A modal loop shows its window once its queue runs empty; a timer fires
  // only then, so the script meets the window as a user would.
  if (!IsWindowVisible(window)) {
    SetTimer(helper_, reinterpret_cast<UINT_PTR>(window), 10, nullptr);
    return;
  }
  bool box = IsMessageBox(window);
  std::string text = box ? MessageBoxText(window) : WindowText(window);
  seen_.push_back(text);
  if (expectations_.empty()) {
    ADD_FAILURE() << "unexpected " << (box ? "message box \"" : "dialog \"") << text << "\"";
    Dismiss(window);
    return;
  }
  Expectation expectation = std::move(expectations_.front());
  expectations_.pop_front();
  if (expectation.messageBox != box || expectation.text != text) {
    ADD_FAILURE() << "expected " << (expectation.messageBox ? "message box \"" : "dialog \"")
                  << expectation.text << "\", got " << (box ? "message box \"" : "dialog \"") << text << "\"";
    Dismiss(window);
    return;
  }
  if (box) {
    HWND button = GetDlgItem(window, expectation.button);
    EXPECT_NE(button, nullptr) << "the message box \"" << text << "\" has no button " << expectation.button;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(expectation.button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  } else {
    expectation.action(window);
    if (IsWindow(window)) {
      scripted_.push_back(window);
      SetTimer(helper_, kWatchdogTimer, kScriptGraceMs, nullptr);
    }
  }
}

}  // namespace psui::test
