// The harness itself, on small dialogs of its own: what it does must be what
// a user's mouse and keyboard do, and what it refuses a user could not do.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/context_help.h"
#include "ui/dialog.h"
#include "ui/link_button.h"
#include "ui/property_page.h"
#include "tests/ui/harness/external_recorder.h"
#include "tests/ui/harness/modal_responder.h"
#include "tests/ui/harness/test_sheet.h"
#include "tests/ui/harness/ui_actions.h"

namespace psui {
namespace {

using namespace test;

constexpr int kPage = 9001, kSecondPage = 9002, kDialog = 9003;
constexpr int kCombo = 100, kList = 101, kEdit = 102, kOtherEdit = 111, kAsk = 103, kCheck = 104,
              kRadioOne = 105, kRadioTwo = 106, kDisabled = 107, kHidden = 108, kOpenDialog = 110,
              kLink = 112, kDialogEdit = 200;

const char* ComboCodeName(int code) {
  switch (code) {
    case CBN_DROPDOWN: return "DROPDOWN";
    case CBN_SELENDOK: return "SELENDOK";
    case CBN_CLOSEUP: return "CLOSEUP";
    case CBN_SELCHANGE: return "SELCHANGE";
    default: return nullptr;  // focus notifications are not part of a choice
  }
}

class ProbeDialog : public Dialog {
 public:
  ProbeDialog() : Dialog(kDialog) {}
  std::string value;

 protected:
  bool OnInitDialog() override {
    SetContextHelpIds(hwnd(), std::vector<int>{kDialog, kDialogEdit});
    return true;
  }
  void OnOK() override {
    value = Text(hwnd(), kDialogEdit);
    EndDialog(IDOK);
  }
};

class ProbePage : public PropertyPage {
 public:
  explicit ProbePage(int id) : PropertyPage(id) {}
  std::vector<std::string> events;
  bool allowLeave = true;
  int boxAnswer = 0;
  INT_PTR dialogResult = 0;
  std::string dialogValue;

 protected:
  bool OnInitDialog() override {
    events.push_back("init");
    if (templateId() == kPage) {
      SetContextHelpIds(hwnd(), std::vector<int>{kPage, kCombo, kEdit});
      for (const char* size : {"A4", "Letter", "a4", "Legal", "Legal"}) {
        SendDlgItemMessageA(hwnd(), kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size));
      }
      for (const char* tray : {"Superiore", "Inferiore"}) {
        SendDlgItemMessageA(hwnd(), kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tray));
      }
      MakeLinkButton(GetDlgItem(hwnd(), kLink));
    }
    return true;
  }
  bool OnSetActive() override {
    events.push_back("setactive");
    return true;
  }
  bool OnKillActive() override {
    events.push_back("killactive");
    return allowLeave;
  }
  void OnEditFocusLost(int id) override { events.push_back("left:" + std::to_string(id)); }
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
    DrawLinkButton(item);
    return true;
  }
  bool OnCommand(int id, int code, HWND) override {
    if (id == kCombo && ComboCodeName(code)) events.push_back(ComboCodeName(code));
    if (id == kList && code == LBN_SELCHANGE) events.push_back("LBN_SELCHANGE");
    if (id == kEdit && code == EN_CHANGE) events.push_back("EN_CHANGE");
    if (code != BN_CLICKED) return false;
    events.push_back("clicked:" + std::to_string(id));
    if (id == kAsk) boxAnswer = MessageBoxA(hwnd(), "Continuare?", "Prova", MB_YESNO | MB_ICONQUESTION);
    if (id == kOpenDialog) {
      ProbeDialog dialog;
      dialogResult = dialog.DoModal(hwnd());
      dialogValue = dialog.value;
    }
    return true;
  }
};

class HarnessTest : public ::testing::Test {
 protected:
  HarnessTest() : page(kPage), second(kSecondPage), sheet({&page, &second}) {
    responder.Ignore(sheet.hwnd());
  }
  HWND Page() const { return page.hwnd(); }
  std::vector<std::string> EventsAfter(size_t mark) const {
    return std::vector<std::string>(page.events.begin() + mark, page.events.end());
  }

  ProbePage page;
  ProbePage second;
  TestSheet sheet;
  ModalResponder responder;
};

TEST_F(HarnessTest, AComboChoiceSendsTheNotificationsOfAMouseChoice) {
  size_t mark = page.events.size();
  ASSERT_TRUE(ChooseComboEntry(Page(), kCombo, "Letter"));
  EXPECT_EQ(EventsAfter(mark), (std::vector<std::string>{"DROPDOWN", "SELENDOK", "CLOSEUP", "SELCHANGE"}));
  EXPECT_EQ(ComboSelection(Page(), kCombo), "Letter");
}

TEST_F(HarnessTest, AComboChoiceNeedsExactlyOneEntryWithExactlyThatText) {
  EXPECT_FALSE(ChooseComboEntry(Page(), kCombo, "Lett"));
  EXPECT_FALSE(ChooseComboEntry(Page(), kCombo, "Legal")) << "two entries";
  ASSERT_TRUE(ChooseComboEntry(Page(), kCombo, "a4"));
  EXPECT_EQ(ComboSelection(Page(), kCombo), "a4");
}

// Opens the combo box of a fresh sheet with real mouse input and clicks its
// second entry; returns the combo notifications the page received.
std::vector<std::string> RealMouseChoice(std::string* selected, std::string* second) {
  ProbePage page(kPage);
  test::TestSheet sheet({&page});
  // Real input goes to whatever window is under the pointer: keep ours on top.
  SetWindowPos(sheet.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(sheet.hwnd());
  PumpMessages();
  HWND combo = GetDlgItem(page.hwnd(), kCombo);
  auto settle = [] {
    for (int i = 0; i < 5; ++i) {
      PumpMessages();
      Sleep(20);
    }
  };
  // Move, press and release as three steps, the messages of each handled
  // in between, as a hand would.
  auto click_at = [&](int x, int y) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (width - 1);
    input.mi.dy = y * 65535 / (height - 1);
    for (DWORD flags : {static_cast<DWORD>(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE),
                        static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN), static_cast<DWORD>(MOUSEEVENTF_LEFTUP)}) {
      input.mi.dwFlags = flags;
      SendInput(1, &input, sizeof(INPUT));
      settle();
    }
  };
  auto wait_for = [](auto done) {
    for (int i = 0; i < 100 && !done(); ++i) {
      PumpMessages();
      Sleep(20);
    }
    return done();
  };
  size_t mark = page.events.size();
  RECT box;
  GetWindowRect(combo, &box);
  click_at((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  if (!wait_for([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; })) return {};
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  wait_for([&] { return IsWindowVisible(info.hwndList) != FALSE; });
  RECT list;
  GetWindowRect(info.hwndList, &list);
  int item_height = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
  click_at(list.left + 10, list.top + item_height + item_height / 2);
  wait_for([&] { return page.events.size() >= mark + 4; });
  *selected = ComboSelection(page.hwnd(), kCombo);
  *second = ComboItems(page.hwnd(), kCombo)[1];
  return std::vector<std::string>(page.events.begin() + mark, page.events.end());
}

// The order ChooseComboEntry uses is what Wine's combo box sends when a user
// opens the list and clicks an entry with the mouse. Real input under Xvfb
// now and then loses a click (about one run in twenty: the list does not
// open, or closes without a choice); such an attempt says nothing about the
// order and is made again on a fresh sheet, and when no attempt produced a
// choice the check is reported as skipped rather than passed.
TEST(RealMouseInput, AChoiceSendsTheNotificationsTheHarnessSends) {
  std::vector<std::string> events;
  std::string selected, second;
  for (int attempt = 0; attempt < 3; ++attempt) {
    events = RealMouseChoice(&selected, &second);
    if (std::find(events.begin(), events.end(), "SELENDOK") != events.end()) break;
  }
  if (std::find(events.begin(), events.end(), "SELENDOK") == events.end()) {
    GTEST_SKIP() << "the mouse input never produced a choice";
  }
  EXPECT_EQ(events, (std::vector<std::string>{"DROPDOWN", "SELENDOK", "CLOSEUP", "SELCHANGE"}));
  EXPECT_EQ(selected, second);
}

TEST_F(HarnessTest, AListChoiceSendsSelChange) {
  size_t mark = page.events.size();
  ASSERT_TRUE(ChooseListEntry(Page(), kList, "Inferiore"));
  EXPECT_EQ(EventsAfter(mark), (std::vector<std::string>{"LBN_SELCHANGE"}));
  EXPECT_EQ(ListSelection(Page(), kList), "Inferiore");
}

TEST_F(HarnessTest, ClicksReachOnlyControlsAUserCanPress) {
  size_t mark = page.events.size();
  EXPECT_FALSE(Click(Page(), kDisabled));
  EXPECT_FALSE(Click(Page(), kHidden));
  EXPECT_FALSE(Click(Page(), 4242));
  EXPECT_TRUE(EventsAfter(mark).empty());
  ASSERT_TRUE(Click(Page(), kCheck));
  EXPECT_TRUE(IsChecked(Page(), kCheck));
  ASSERT_TRUE(Click(Page(), kRadioTwo));
  EXPECT_TRUE(IsChecked(Page(), kRadioTwo));
  EXPECT_FALSE(IsChecked(Page(), kRadioOne));
}

TEST_F(HarnessTest, TypingReplacesTheTextWithinTheEditLimitAndNotifies) {
  SendDlgItemMessageA(Page(), kEdit, EM_LIMITTEXT, 5, 0);
  size_t mark = page.events.size();
  ASSERT_TRUE(Type(Page(), kEdit, "abcdefgh"));
  EXPECT_EQ(Text(Page(), kEdit), "abcde");
  std::vector<std::string> events = EventsAfter(mark);
  EXPECT_NE(std::find(events.begin(), events.end(), "EN_CHANGE"), events.end());
}

TEST_F(HarnessTest, LeavingAnEditRunsItsFocusLossHandler) {
  size_t mark = page.events.size();
  ASSERT_TRUE(Leave(Page(), kEdit));
  std::vector<std::string> events = EventsAfter(mark);
  EXPECT_NE(std::find(events.begin(), events.end(), "left:102"), events.end());
}

TEST_F(HarnessTest, MessageBoxesAreReadAndAnswered) {
  responder.ExpectMessageBox("Continuare?", IDYES);
  ASSERT_TRUE(Click(Page(), kAsk));
  EXPECT_EQ(page.boxAnswer, IDYES);
  EXPECT_EQ(responder.pending(), 0u);
  responder.ExpectMessageBox("Continuare?", IDNO);
  ASSERT_TRUE(Click(Page(), kAsk));
  EXPECT_EQ(page.boxAnswer, IDNO);
}

TEST_F(HarnessTest, AnUnexpectedOrDifferentMessageBoxFailsTheTestAndIsClosed) {
  EXPECT_NONFATAL_FAILURE(Click(Page(), kAsk), "unexpected message box \"Continuare?\"");
  EXPECT_NE(page.boxAnswer, 0) << "the box was closed";
  responder.ExpectMessageBox("Altro testo", IDYES);
  EXPECT_NONFATAL_FAILURE(Click(Page(), kAsk), "expected message box \"Altro testo\"");
  EXPECT_NONFATAL_FAILURE(
      {
        ModalResponder unmet;
        unmet.ExpectMessageBox("Mai", IDOK);
      },
      "message box \"Mai\" never appeared");
}

TEST_F(HarnessTest, ModalDialogsRunScriptedActions) {
  responder.ExpectDialog("Dialogo di prova", [](HWND dialog) {
    EXPECT_TRUE(Type(dialog, kDialogEdit, "ciao"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  ASSERT_TRUE(Click(Page(), kOpenDialog));
  EXPECT_EQ(page.dialogResult, IDOK);
  EXPECT_EQ(page.dialogValue, "ciao");
}

TEST_F(HarnessTest, PagesAreActivatedAndMayRefuseToBeLeft) {
  ASSERT_TRUE(sheet.SelectPage(1));
  EXPECT_EQ(second.events, (std::vector<std::string>{"init", "setactive"}));
  second.allowLeave = false;
  EXPECT_FALSE(sheet.SelectPage(0));
  EXPECT_EQ(sheet.CurrentIndex(), 1);
  second.allowLeave = true;
  EXPECT_TRUE(sheet.SelectPage(0));
}

TEST_F(HarnessTest, OkAndCancelReachTheListener) {
  sheet.PressButton(PSBTN_OK);
  EXPECT_GE(sheet.applied, 1);
  EXPECT_EQ(sheet.cancelled, 0);
  EXPECT_TRUE(sheet.ended());
}

TEST_F(HarnessTest, CancelReachesTheListener) {
  sheet.PressButton(PSBTN_CANCEL);
  EXPECT_EQ(sheet.applied, 0);
  EXPECT_GE(sheet.cancelled, 1);
}

TEST_F(HarnessTest, TheSheetHelpButtonFollowsTheFocusedControl) {
  ExternalRecorder recorder;
  SetFocus(GetDlgItem(Page(), kCombo));
  sheet.PressButton(PSBTN_HELP);
  ASSERT_EQ(recorder.helpCalls.size(), 1u);
  EXPECT_EQ(recorder.helpCalls[0].command, static_cast<UINT>(HELP_CONTEXT));
  EXPECT_EQ(recorder.helpCalls[0].data, static_cast<ULONG_PTR>(kCombo));
  EXPECT_EQ(recorder.helpCalls[0].file, HelpFilePath());

  // A mouse click on Help leaves the focus on the Help button: the page's help.
  SetFocus(GetDlgItem(sheet.hwnd(), IDHELP));
  sheet.PressButton(PSBTN_HELP);
  ASSERT_EQ(recorder.helpCalls.size(), 2u);
  EXPECT_EQ(recorder.helpCalls[1].data, static_cast<ULONG_PTR>(kPage));

  SetFocus(GetDlgItem(sheet.hwnd(), IDOK));
  sheet.PressButton(PSBTN_HELP);
  ASSERT_EQ(recorder.helpCalls.size(), 3u);
  EXPECT_EQ(recorder.helpCalls[2].command, static_cast<UINT>(HELP_CONTENTS));
}

TEST_F(HarnessTest, HelpFileIsTheProgramPathWithHlp) {
  std::string path = HelpFilePath();
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string expected(self);
  expected = expected.substr(0, expected.rfind('.')) + ".HLP";
  EXPECT_EQ(path, expected);
}

TEST_F(HarnessTest, F1InADialogFollowsTheFocusedControl) {
  ExternalRecorder recorder;
  responder.ExpectDialog("Dialogo di prova", [&](HWND dialog) {
    SetFocus(GetDlgItem(dialog, kDialogEdit));
    SendMessageA(dialog, WM_HELP, 0, 0);
    SetFocus(GetDlgItem(dialog, IDOK));
    SendMessageA(dialog, WM_HELP, 0, 0);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  ASSERT_TRUE(Click(Page(), kOpenDialog));
  ASSERT_EQ(recorder.helpCalls.size(), 2u);
  EXPECT_EQ(recorder.helpCalls[0].command, static_cast<UINT>(HELP_CONTEXT));
  EXPECT_EQ(recorder.helpCalls[0].data, static_cast<ULONG_PTR>(kDialogEdit));
  EXPECT_EQ(recorder.helpCalls[1].command, static_cast<UINT>(HELP_CONTENTS));
  EXPECT_EQ(page.dialogResult, IDCANCEL);
}

TEST_F(HarnessTest, TheLinkButtonDrawsItsTextInBlueAndRestoresTheTextColour) {
  HWND button = GetDlgItem(Page(), kLink);
  EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  RECT area;
  GetClientRect(button, &area);
  HDC screen = GetDC(button);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
  HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  SelectObject(memory, GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(memory, RGB(10, 20, 30));
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_BUTTON;
  item.CtlID = kLink;
  item.itemAction = ODA_DRAWENTIRE;
  item.hwndItem = button;
  item.hDC = memory;
  item.rcItem = area;
  DrawLinkButton(item);
  int blue = 0;
  for (int y = 0; y < area.bottom; ++y) {
    for (int x = 0; x < area.right; ++x) blue += GetPixel(memory, x, y) == RGB(0, 0, 255);
  }
  EXPECT_GT(blue, 10) << "the caption is drawn in blue";
  EXPECT_EQ(GetTextColor(memory), RGB(10, 20, 30));
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(button, screen);
}

}  // namespace
}  // namespace psui
