// What the harness's actions send, compared with what Wine's controls send
// for real mouse and keyboard input (SendInput) on a fresh sheet of the same
// page. Real input under Xvfb now and then gets lost (about one run in
// twenty: a click that opens nothing, a key nobody receives); such an attempt
// says nothing and is made again on a fresh sheet, and when no attempt got
// through the check is reported as skipped rather than passed.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/ui/harness/probe_dialogs.h"
#include "tests/ui/harness/test_sheet.h"
#include "tests/ui/harness/ui_actions.h"

namespace psui::test {
namespace {

using namespace probe;
using Events = std::vector<std::string>;

constexpr int kAttempts = 3;

// A fresh sheet on top of everything, and real input aimed at it.
class RealInput {
 public:
  RealInput() : page_(kPage), sheet_({&page_}) {
    // Real input goes to whatever window is under the pointer or in front:
    // keep ours on top and in front.
    SetWindowPos(sheet_.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(sheet_.hwnd());
    PumpMessages();
  }
  ProbePage& page() { return page_; }
  HWND Page() const { return page_.hwnd(); }

  // Move, press and release as three steps, the messages of each handled
  // in between, as a hand would.
  void ClickAt(int x, int y) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (width - 1);
    input.mi.dy = y * 65535 / (height - 1);
    for (DWORD flags : {static_cast<DWORD>(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE),
                        static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN), static_cast<DWORD>(MOUSEEVENTF_LEFTUP)}) {
      input.mi.dwFlags = flags;
      SendInput(1, &input, sizeof(INPUT));
      Settle();
    }
  }
  void PressKey(WORD key) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    SendInput(1, &input, sizeof(INPUT));
    Settle();
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(INPUT));
    Settle();
  }
  bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 100 && !done(); ++i) {
      PumpMessages();
      Sleep(20);
    }
    return done();
  }
  bool WaitForEvents(size_t mark, size_t count) {
    return WaitFor([&] { return page_.events.size() >= mark + count; });
  }

 private:
  static void Settle() {
    for (int i = 0; i < 5; ++i) {
      PumpMessages();
      Sleep(20);
    }
  }
  ProbePage page_;
  TestSheet sheet_;
};

// Runs `attempt` on fresh sheets until one returns events; empty when none did.
Events FirstThatGotThrough(const std::function<Events()>& attempt) {
  for (int i = 0; i < kAttempts; ++i) {
    Events events = attempt();
    if (!events.empty()) return events;
  }
  return {};
}

// The same action through the harness, on a fresh sheet.
Events ThroughTheHarness(const std::function<void(HWND page)>& prepare,
                         const std::function<void(HWND page)>& act) {
  ProbePage page(kPage);
  TestSheet sheet({&page});
  prepare(page.hwnd());
  size_t mark = page.events.size();
  act(page.hwnd());
  return page.EventsAfter(mark);
}

TEST(RealMouseInput, AComboChoiceSendsTheNotificationsTheHarnessSends) {
  std::string selected, second;
  Events events = FirstThatGotThrough([&]() -> Events {
    RealInput input;
    HWND combo = GetDlgItem(input.Page(), kCombo);
    size_t mark = input.page().events.size();
    RECT box;
    GetWindowRect(combo, &box);
    input.ClickAt((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    if (!input.WaitFor([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; })) return {};
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    input.WaitFor([&] { return IsWindowVisible(info.hwndList) != FALSE; });
    RECT list;
    GetWindowRect(info.hwndList, &list);
    int item_height = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
    input.ClickAt(list.left + 10, list.top + item_height + item_height / 2);
    input.WaitForEvents(mark, 4);
    Events got = input.page().EventsAfter(mark);
    if (std::find(got.begin(), got.end(), "SELENDOK") == got.end()) return {};
    selected = ComboSelection(input.Page(), kCombo);
    second = ComboItems(input.Page(), kCombo)[1];
    return got;
  });
  if (events.empty()) GTEST_SKIP() << "the mouse input never produced a choice";
  EXPECT_EQ(events, (Events{"DROPDOWN", "SELENDOK", "CLOSEUP", "SELCHANGE"}));
  EXPECT_EQ(selected, second);
}

TEST(RealKeyInput, AKeyboardChoiceSendsTheNotificationsTheHarnessSends) {
  std::string selected;
  Events events = FirstThatGotThrough([&]() -> Events {
    RealInput input;
    HWND combo = GetDlgItem(input.Page(), kCombo);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    PumpMessages();
    size_t mark = input.page().events.size();
    input.PressKey(VK_DOWN);
    if (!input.WaitForEvents(mark, 2)) return {};
    selected = ComboSelection(input.Page(), kCombo);
    return input.page().EventsAfter(mark);
  });
  if (events.empty()) GTEST_SKIP() << "the key never reached the list";
  EXPECT_EQ(events, (Events{"SELENDOK", "SELCHANGE"})) << "no CBN_CLOSEUP for a closed list";
  EXPECT_EQ(selected, "Letter");
  Events harness = ThroughTheHarness([](HWND) {},
                                     [](HWND page) { EXPECT_TRUE(ChooseComboEntryByKey(page, kCombo, "Letter")); });
  EXPECT_EQ(harness, events);
}

// The user clicks into the field and selects what it holds.
void SelectAllOf(HWND page, int id) {
  HWND control = GetDlgItem(page, id);
  SetFocus(control);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  HWND edit = GetComboBoxInfo(control, &info) && info.hwndItem ? info.hwndItem : control;
  SendMessageA(edit, EM_SETSEL, 0, -1);
  PumpMessages();
}

// Keys for the characters typed: digits and lower-case letters.
WORD KeyOf(char c) { return static_cast<WORD>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }

Events TypedForReal(int id, const std::string& text, std::string* result) {
  return FirstThatGotThrough([&]() -> Events {
    RealInput input;
    SelectAllOf(input.Page(), id);
    size_t mark = input.page().events.size();
    for (char c : text) input.PressKey(KeyOf(c));
    input.WaitFor([&] { return input.page().events.size() > mark; });
    *result = Text(input.Page(), id);
    return input.page().EventsAfter(mark);
  });
}

TEST(RealKeyInput, TypingSendsWhatKeystrokesSend) {
  struct Case {
    int id;
    const char* text;
  };
  for (const Case& c : {Case{kNumberEdit, "1a2"}, Case{kEditableCombo, "ga"}}) {
    SCOPED_TRACE(c.id);
    std::string typed;
    Events events = TypedForReal(c.id, c.text, &typed);
    if (events.empty()) GTEST_SKIP() << "the keys never reached the edit";
    std::string harness_typed;
    Events harness = ThroughTheHarness([&](HWND page) { SelectAllOf(page, c.id); },
                                       [&](HWND page) {
                                         EXPECT_TRUE(Type(page, c.id, c.text));
                                         harness_typed = Text(page, c.id);
                                       });
    EXPECT_EQ(harness, events);
    EXPECT_EQ(harness_typed, typed);
  }
}

TEST(RealMouseInput, ASpinClickSendsWhatTheHarnessSends) {
  std::string buddy;
  Events events = FirstThatGotThrough([&]() -> Events {
    RealInput input;
    HWND spin = GetDlgItem(input.Page(), kSpin);
    RECT area;
    GetWindowRect(spin, &area);
    size_t mark = input.page().events.size();
    input.ClickAt((area.left + area.right) / 2, area.top + (area.bottom - area.top) / 4);
    if (!input.WaitFor([&] {
          Events got = input.page().EventsAfter(mark);
          return std::find(got.begin(), got.end(), "VSCROLL:" + std::to_string(SB_ENDSCROLL)) != got.end();
        })) {
      return {};
    }
    buddy = Text(input.Page(), kNumberEdit);
    return input.page().EventsAfter(mark);
  });
  if (events.empty()) GTEST_SKIP() << "the click never reached the up-down";
  std::string harness_buddy;
  Events harness = ThroughTheHarness([](HWND) {},
                                     [&](HWND page) {
                                       EXPECT_TRUE(Spin(page, kSpin, SpinArrow::kUp));
                                       harness_buddy = Text(page, kNumberEdit);
                                     });
  EXPECT_EQ(harness, events);
  EXPECT_EQ(buddy, "6");
  EXPECT_EQ(harness_buddy, buddy);
}

}  // namespace
}  // namespace psui::test
