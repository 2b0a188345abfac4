// The harness itself, on small dialogs of its own: what it does must be what
// a user's mouse and keyboard do, and what it refuses a user could not do.
// (The comparisons with real mouse and keyboard input are in
// real_input_test.cpp.)
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/ui/harness/external_recorder.h"
#include "tests/ui/harness/modal_responder.h"
#include "tests/ui/harness/probe_dialogs.h"
#include "tests/ui/harness/test_sheet.h"
#include "tests/ui/harness/ui_actions.h"
#include "ui/dialog.h"
#include "ui/external_calls.h"

namespace psui::test {
namespace {

using namespace probe;
using Events = std::vector<std::string>;

size_t Count(const Events& events, const std::string& name) {
  return static_cast<size_t>(std::count(events.begin(), events.end(), name));
}

using HarnessTest = ProbeSheetTest;

TEST_F(HarnessTest, AComboChoiceSendsTheNotificationsOfAMouseChoice) {
  size_t mark = page.events.size();
  ASSERT_TRUE(ChooseComboEntry(Page(), kCombo, "Letter"));
  EXPECT_EQ(page.EventsAfter(mark), (Events{"DROPDOWN", "SELENDOK", "CLOSEUP", "SELCHANGE"}));
  EXPECT_EQ(ComboSelection(Page(), kCombo), "Letter");
}

TEST_F(HarnessTest, AKeyboardChoiceSendsNoCloseUpAndLeavesTheFocusOnTheList) {
  size_t mark = page.events.size();
  ASSERT_FALSE(ChooseComboEntryByKey(Page(), kCombo, "Legal")) << "two entries";
  ASSERT_TRUE(ChooseComboEntryByKey(Page(), kCombo, "Letter"));
  EXPECT_EQ(page.EventsAfter(mark), (Events{"SELENDOK", "SELCHANGE"}));
  EXPECT_EQ(ComboSelection(Page(), kCombo), "Letter");
  EXPECT_TRUE(HasFocus(Page(), kCombo));
}

TEST_F(HarnessTest, AComboChoiceNeedsExactlyOneEntryWithExactlyThatText) {
  EXPECT_FALSE(ChooseComboEntry(Page(), kCombo, "Lett"));
  EXPECT_FALSE(ChooseComboEntry(Page(), kCombo, "Legal")) << "two entries";
  ASSERT_TRUE(ChooseComboEntry(Page(), kCombo, "a4"));
  EXPECT_EQ(ComboSelection(Page(), kCombo), "a4");
}

TEST_F(HarnessTest, AListChoiceSendsSelChange) {
  size_t mark = page.events.size();
  ASSERT_TRUE(ChooseListEntry(Page(), kList, "Inferiore"));
  EXPECT_EQ(page.EventsAfter(mark), (Events{"LBN_SELCHANGE"}));
  EXPECT_EQ(ListSelection(Page(), kList), "Inferiore");
}

TEST_F(HarnessTest, ClicksReachOnlyControlsAUserCanPress) {
  size_t mark = page.events.size();
  EXPECT_FALSE(Click(Page(), kDisabled));
  EXPECT_FALSE(Click(Page(), kHidden));
  EXPECT_FALSE(Click(Page(), 4242));
  EXPECT_TRUE(page.EventsAfter(mark).empty());
  ASSERT_TRUE(Click(Page(), kCheck));
  EXPECT_TRUE(IsChecked(Page(), kCheck));
  ASSERT_TRUE(Click(Page(), kRadioTwo));
  EXPECT_TRUE(IsChecked(Page(), kRadioTwo));
  EXPECT_FALSE(IsChecked(Page(), kRadioOne));
}

TEST_F(HarnessTest, TypingReplacesTheTextWithinTheLimitOneKeystrokeAtATime) {
  SetDlgItemTextA(Page(), kEdit, "vecchio");
  SendDlgItemMessageA(Page(), kEdit, EM_LIMITTEXT, 5, 0);
  size_t mark = page.events.size();
  ASSERT_TRUE(Type(Page(), kEdit, "abcdefgh"));
  EXPECT_EQ(Text(Page(), kEdit), "abcde");
  // Wine's edit notifies every keystroke, refused ones past the limit too.
  Events events = page.EventsAfter(mark);
  EXPECT_GE(Count(events, "EN_CHANGE:102"), 5u);
  EXPECT_EQ(Count(events, "EN_UPDATE:102"), Count(events, "EN_CHANGE:102"));
  EXPECT_EQ(SendDlgItemMessageA(Page(), kEdit, EM_GETMODIFY, 0, 0), TRUE);
  EXPECT_TRUE(HasFocus(Page(), kEdit));

  mark = page.events.size();
  ASSERT_TRUE(Type(Page(), kEdit, ""));
  EXPECT_EQ(Text(Page(), kEdit), "");
  EXPECT_EQ(Count(page.EventsAfter(mark), "EN_CHANGE:102"), 1u) << "one Backspace";
  EXPECT_FALSE(Type(Page(), kEdit, "a\tb")) << "control keys are not characters";
}

TEST_F(HarnessTest, ANumberEditRefusesTypedLettersButTakesThemPasted) {
  size_t mark = page.events.size();
  ASSERT_TRUE(Type(Page(), kNumberEdit, "1a2-3"));
  EXPECT_EQ(Text(Page(), kNumberEdit), "123");
  EXPECT_EQ(Count(page.EventsAfter(mark), "EN_CHANGE:114"), 3u);

  mark = page.events.size();
  ASSERT_TRUE(Paste(Page(), kNumberEdit, "12a"));
  EXPECT_EQ(Text(Page(), kNumberEdit), "12a");
  EXPECT_EQ(Count(page.EventsAfter(mark), "EN_CHANGE:114"), 1u);
}

TEST_F(HarnessTest, TypingIntoAnEditableComboClearsItsSelectionAndNotifiesEachKeystroke) {
  ASSERT_TRUE(ChooseComboEntry(Page(), kEditableCombo, "Beta"));
  ASSERT_EQ(Text(Page(), kEditableCombo), "Beta");
  SendDlgItemMessageA(Page(), kEditableCombo, CB_LIMITTEXT, 4, 0);
  size_t mark = page.events.size();
  ASSERT_TRUE(Type(Page(), kEditableCombo, "Nuovo"));
  EXPECT_EQ(Text(Page(), kEditableCombo), "Nuov");
  EXPECT_EQ(ComboSelectionIndex(Page(), kEditableCombo), -1);
  Events events = page.EventsAfter(mark);
  EXPECT_GE(Count(events, "EDITCHANGE:113"), 4u);
  EXPECT_EQ(Count(events, "EDITUPDATE:113"), Count(events, "EDITCHANGE:113"));
  EXPECT_EQ(Count(events, "SELCHANGE:113"), 0u);

  // The typed text equals an entry: the list still shows no choice.
  ASSERT_TRUE(Type(Page(), kEditableCombo, "Alfa"));
  EXPECT_EQ(ComboSelectionIndex(Page(), kEditableCombo), -1);
  ASSERT_TRUE(Type(Page(), kEditableCombo, ""));
  EXPECT_EQ(Text(Page(), kEditableCombo), "");
  EXPECT_FALSE(Type(Page(), kCombo, "A4")) << "a drop-down list has no edit field";
}

TEST_F(HarnessTest, TypingIntoAnExtendedComboReachesTheEditOfItsComboBox) {
  // As the system's file dialogs have their name field.
  HWND extended = CreateWindowExA(0, WC_COMBOBOXEXA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN,
                                  0, 0, 120, 100, Page(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(4242)),
                                  GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(extended, nullptr);
  HWND edit = reinterpret_cast<HWND>(SendMessageA(extended, CBEM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(Type(Page(), 4242, "C:\\prova.ps"));
  EXPECT_EQ(WindowText(edit), "C:\\prova.ps");
  EXPECT_EQ(GetFocus(), edit);
  DestroyWindow(extended);
}

// Why the harness types keystrokes: under Wine, setting the text of a combo
// box's edit field (WM_SETTEXT) changes the text without any change
// notification, while a plain edit still sends EN_CHANGE for it.
TEST_F(HarnessTest, MeasuredSettingAComboEditsTextSendsNoChangeNotification) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  GetComboBoxInfo(GetDlgItem(Page(), kEditableCombo), &info);
  size_t mark = page.events.size();
  SendMessageA(info.hwndItem, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Gamma"));
  PumpMessages();
  EXPECT_EQ(Text(Page(), kEditableCombo), "Gamma");
  EXPECT_EQ(Count(page.EventsAfter(mark), "EDITCHANGE:113"), 0u);
  SetDlgItemTextA(Page(), kEdit, "testo");
  EXPECT_EQ(Count(page.EventsAfter(mark), "EN_CHANGE:102"), 1u);
}

TEST_F(HarnessTest, LeavingAnEditRunsItsFocusLossHandler) {
  size_t mark = page.events.size();
  ASSERT_TRUE(Leave(Page(), kEdit));
  EXPECT_EQ(Count(page.EventsAfter(mark), "left:102>111"), 1u);
  EXPECT_TRUE(HasFocus(Page(), kOtherEdit));
  EXPECT_FALSE(LeaveKept(Page(), kEdit)) << "nothing put the focus back";
}

TEST_F(HarnessTest, LeaveKeptPassesOnlyWhenThePagePutsTheFocusBack) {
  page.keepFocusIn = kEdit;
  EXPECT_TRUE(LeaveKept(Page(), kEdit));
  EXPECT_TRUE(HasFocus(Page(), kEdit));
  EXPECT_FALSE(Leave(Page(), kEdit));
  EXPECT_FALSE(HasFocus(Page(), kOtherEdit));
}

TEST_F(HarnessTest, SpinClicksMoveTheUpDownItsBuddyAndNotifyThePage) {
  ASSERT_EQ(Position(Page(), kSpin), 5);
  EXPECT_EQ(Range(Page(), kSpin), std::make_pair(1, 20));
  size_t mark = page.events.size();
  ASSERT_TRUE(Spin(Page(), kSpin, SpinArrow::kUp, 2));
  EXPECT_EQ(Position(Page(), kSpin), 7);
  EXPECT_EQ(Text(Page(), kNumberEdit), "7");
  Events events = page.EventsAfter(mark);
  EXPECT_EQ(Count(events, "DELTAPOS:1"), 2u);
  EXPECT_EQ(Count(events, "EN_CHANGE:114"), 2u);
  EXPECT_EQ(Count(events, "VSCROLL:" + std::to_string(SB_THUMBPOSITION)), 2u);
  EXPECT_EQ(Count(events, "VSCROLL:" + std::to_string(SB_ENDSCROLL)), 2u);
  ASSERT_TRUE(Spin(Page(), kSpin, SpinArrow::kDown, 7));
  EXPECT_EQ(Position(Page(), kSpin), 1) << "stops at the range";
  EXPECT_FALSE(Spin(Page(), kNumberEdit, SpinArrow::kUp)) << "not an up-down";
}

TEST_F(HarnessTest, ProgressBarsTellTheirPositionAndRange) {
  EXPECT_EQ(Position(Page(), kProgress), 70);
  EXPECT_EQ(Range(Page(), kProgress), std::make_pair(0, 250));
}

TEST_F(HarnessTest, MessageBoxesAreReadAndAnswered) {
  responder.ExpectMessageBox("Continuare?", IDYES);
  ASSERT_TRUE(Click(Page(), kAsk));
  EXPECT_EQ(page.boxAnswer, IDYES);
  EXPECT_EQ(responder.pending(), 0u);
  responder.ExpectMessageBox("Continuare?", "Prova", IDNO);
  ASSERT_TRUE(Click(Page(), kAsk));
  EXPECT_EQ(page.boxAnswer, IDNO);
  ASSERT_EQ(responder.boxes().size(), 2u);
  EXPECT_EQ(responder.boxes()[1].caption, "Prova");
  EXPECT_EQ(responder.boxes()[1].owner, sheet.hwnd()) << "a page's box belongs to the sheet";
}

TEST_F(HarnessTest, ABoxWithAnotherCaptionFailsTheTest) {
  responder.ExpectMessageBox("Continuare?", "Altro titolo", IDYES);
  EXPECT_NONFATAL_FAILURE(Click(Page(), kAsk), "caption of the message box");
}

TEST_F(HarnessTest, AnUnexpectedBoxFailsTheTestAndGetsTheAnswerThatCommitsNothing) {
  EXPECT_NONFATAL_FAILURE(Click(Page(), kAsk), "unexpected message box \"Continuare?\"");
  EXPECT_EQ(page.boxAnswer, IDNO) << "one press, on No: a Yes/No box has no Cancel";
  responder.ExpectMessageBox("Altro testo", IDYES);
  EXPECT_NONFATAL_FAILURE(Click(Page(), kAsk), "expected message box \"Altro testo\"");
  EXPECT_EQ(page.boxAnswer, IDNO);
  EXPECT_NONFATAL_FAILURE(
      {
        ModalResponder unmet;
        unmet.ExpectMessageBox("Mai", IDOK);
      },
      "message box \"Mai\" never appeared");
}

TEST_F(HarnessTest, AnUnexpectedDialogIsCancelledOnceAndCommitsNothing) {
  EXPECT_NONFATAL_FAILURE(Click(Page(), kOpenDialog), "unexpected dialog \"Dialogo di prova\"");
  EXPECT_EQ(page.dialogResult, IDCANCEL);
  EXPECT_EQ(page.dialogEvents, (Events{"cancel"})) << "OK was never pressed after Cancel";
}

struct ProcessDialogSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindProcessDialog(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ProcessDialogSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner == search->process && std::string(name) == "#32770" && IsWindowVisible(window)) search->found = window;
  return search->found == nullptr;
}

// Another program's dialog (here the system's version dialog), shown while a
// test runs (other tests run their programs on the same desktop), is none of
// the responder's business: it answers the windows of its own thread only.
TEST_F(HarnessTest, AnotherProgramsDialogIsLeftAlone) {
  char command[] = "winver.exe";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  ProcessDialogSearch search = {process.dwProcessId, nullptr};
  for (int i = 0; i < 500 && !search.found; ++i) {
    PumpMessages();
    Sleep(10);
    EnumWindows(FindProcessDialog, reinterpret_cast<LPARAM>(&search));
  }
  ASSERT_NE(search.found, nullptr) << "winver showed no dialog";
  // The other program is in front when this thread's active window goes:
  // the system then activates the next window, the other program's, from
  // this thread.
  HWND mine = CreateWindowExA(0, "#32770", "Finestra mia", WS_POPUP | WS_CAPTION | WS_VISIBLE, 80, 80, 200, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  responder.Ignore(mine);
  PumpMessages();
  SetForegroundWindow(search.found);
  PumpMessages();
  SetActiveWindow(mine);
  PumpMessages();
  DestroyWindow(mine);
  for (int i = 0; i < 50; ++i) {
    PumpMessages();
    Sleep(10);
  }
  EXPECT_TRUE(IsWindow(search.found) && IsWindowVisible(search.found)) << "the other program's dialog was answered";
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
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

// Dialogs open dialogs: a script answers what its own actions open, in the
// order they open, inside the nested modal loops.
TEST_F(HarnessTest, OneResponderAnswersNestedDialogsAndTheirBoxes) {
  responder.ExpectDialog("Dialogo di prova", [&](HWND dialog) {
    responder.ExpectDialog("Secondo dialogo", [&](HWND inner) {
      responder.ExpectMessageBox("Sicuro?", IDCANCEL);
      EXPECT_TRUE(Click(inner, kSecondDialogAsk));
      EXPECT_TRUE(Click(inner, IDOK));
    });
    EXPECT_TRUE(Click(dialog, kOpenSecondDialog));
    EXPECT_TRUE(IsWindowEnabled(dialog)) << "the inner dialog has ended";
    EXPECT_TRUE(Type(dialog, kDialogEdit, "dopo"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  ASSERT_TRUE(Click(Page(), kOpenDialog));
  EXPECT_EQ(page.dialogResult, IDOK);
  EXPECT_EQ(page.dialogValue, "dopo");
  EXPECT_EQ(responder.seen(), (std::vector<std::string>{"Dialogo di prova", "Secondo dialogo", "Sicuro?"}));
  ASSERT_EQ(responder.boxes().size(), 1u);
  EXPECT_EQ(responder.boxes()[0].answer, IDCANCEL);
}

TEST_F(HarnessTest, ANestedResponderAnswersWhileItLivesThenTheOuterOneAgain) {
  {
    ModalResponder inner;
    inner.ExpectMessageBox("Continuare?", IDYES);
    ASSERT_TRUE(Click(Page(), kAsk));
    EXPECT_EQ(page.boxAnswer, IDYES);
    EXPECT_EQ(inner.pending(), 0u);
  }
  responder.ExpectMessageBox("Continuare?", IDNO);
  ASSERT_TRUE(Click(Page(), kAsk));
  EXPECT_EQ(page.boxAnswer, IDNO);
  EXPECT_EQ(responder.pending(), 0u);
}

TEST_F(HarnessTest, NestedRecordersRecordInTheNewestAndGiveBackTheCalls) {
  ExternalCalls before = External();
  {
    ExternalRecorder outer;
    {
      ExternalRecorder inner;
      External().winExec("inner", SW_SHOW);
      EXPECT_EQ(inner.execCalls.size(), 1u);
    }
    External().winExec("outer", SW_SHOW);
    ASSERT_EQ(outer.execCalls.size(), 1u);
    EXPECT_EQ(outer.execCalls[0].commandLine, "outer");
  }
  EXPECT_EQ(External().winExec, before.winExec);
  EXPECT_EQ(External().winHelp, before.winHelp);
}

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A label with id -1 in an old-style template has the id of a message box's
// text; the dialog must still be taken for a dialog.
TEST_F(HarnessTest, ADialogWithTheTextIdOfABoxIsNoBox) {
  HWND old_style = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kOldStyleDialog), nullptr,
                                      PlainDialog, 0);
  ASSERT_NE(old_style, nullptr);
  ASSERT_NE(GetDlgItem(old_style, 0xFFFF), nullptr) << "the label has the box's text id";
  EXPECT_FALSE(ModalResponder::IsMessageBox(old_style));
  DestroyWindow(old_style);

  class OldStyle : public Dialog {
   public:
    OldStyle() : Dialog(kOldStyleDialog) {}
  } dialog;
  responder.ExpectDialog("Dialogo vecchio", [](HWND window) { EXPECT_TRUE(Click(window, IDOK)); });
  EXPECT_EQ(dialog.DoModal(sheet.hwnd()), IDOK);

  // A real box with the same caption, text and buttons is one.
  responder.ExpectMessageBox("Una domanda?", "Dialogo vecchio", IDOK);
  EXPECT_EQ(MessageBoxA(sheet.hwnd(), "Una domanda?", "Dialogo vecchio", MB_OKCANCEL), IDOK);
}

}  // namespace
}  // namespace psui::test
