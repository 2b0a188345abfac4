// Our framework (ui/) on small pages and dialogs of the tests' own: the
// page's sheet notifications and their return rules, the OK and Cancel
// listener, the help rules, the link button, the focus-loss handler and the
// message boxes.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/ui/harness/external_recorder.h"
#include "tests/ui/harness/modal_responder.h"
#include "tests/ui/harness/probe_dialogs.h"
#include "tests/ui/harness/test_sheet.h"
#include "tests/ui/harness/ui_actions.h"
#include "ui/context_help.h"
#include "ui/link_button.h"
#include "ui/message_box.h"

namespace psui::test {
namespace {

using namespace probe;

using FrameworkTest = ProbeSheetTest;

TEST_F(FrameworkTest, PagesAreActivatedAndMayRefuseToBeLeft) {
  ASSERT_TRUE(sheet.SelectPage(1));
  EXPECT_EQ(second.events, (std::vector<std::string>{"init", "setactive"}));
  second.allowLeave = false;
  EXPECT_FALSE(sheet.SelectPage(0));
  EXPECT_EQ(sheet.CurrentIndex(), 1);
  EXPECT_FALSE(sheet.PressOk()) << "OK leaves the current page first";
  EXPECT_EQ(sheet.applied, 0);
  second.allowLeave = true;
  EXPECT_TRUE(sheet.SelectPage(0));
  EXPECT_TRUE(sheet.PressOk());
}

TEST_F(FrameworkTest, OkAndCancelReachTheListener) {
  sheet.PressButton(PSBTN_OK);
  EXPECT_GE(sheet.applied, 1);
  EXPECT_EQ(sheet.cancelled, 0);
  EXPECT_TRUE(sheet.ended());
}

TEST_F(FrameworkTest, CancelReachesTheListener) {
  sheet.PressButton(PSBTN_CANCEL);
  EXPECT_EQ(sheet.applied, 0);
  EXPECT_GE(sheet.cancelled, 1);
}

TEST_F(FrameworkTest, TheSheetHelpButtonFollowsTheFocusedControl) {
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

TEST_F(FrameworkTest, HelpFileIsTheProgramPathWithHlp) {
  std::string path = HelpFilePath();
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string expected(self);
  expected = expected.substr(0, expected.rfind('.')) + ".HLP";
  EXPECT_EQ(path, expected);
}

TEST_F(FrameworkTest, F1InADialogFollowsTheFocusedControl) {
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

TEST_F(FrameworkTest, TheLinkButtonDrawsItsTextInBlueAndRestoresTheTextColour) {
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


TEST_F(FrameworkTest, AnEditsFocusLossNamesTheWindowThatGetsTheFocus) {
  SetFocus(GetDlgItem(Page(), kEdit));
  SetFocus(GetDlgItem(Page(), kOtherEdit));
  EXPECT_EQ(page.lastFocusTo, GetDlgItem(Page(), kOtherEdit));
  // The sheet's own buttons lie outside the page; their ids tell them.
  SetFocus(GetDlgItem(sheet.hwnd(), IDCANCEL));
  EXPECT_EQ(page.lastFocusTo, GetDlgItem(sheet.hwnd(), IDCANCEL));
  EXPECT_EQ(page.events.back(), "left:111>2");
  SetFocus(GetDlgItem(Page(), kEdit));
  SetFocus(nullptr);
  EXPECT_EQ(page.lastFocusTo, nullptr);
  EXPECT_EQ(page.events.back(), "left:102>0");
}

TEST_F(FrameworkTest, AMessageBoxHasTheProgramsTitleAndTheActiveWindowAsOwner) {
  SetActiveWindow(sheet.hwnd());
  responder.ExpectMessageBox("Testo", LoadText(IDS_APP_TITLE), IDOK);
  EXPECT_EQ(ShowMessage("Testo"), IDOK);
  ASSERT_EQ(responder.boxes().size(), 1u);
  EXPECT_EQ(responder.boxes()[0].owner, sheet.hwnd());
  EXPECT_FALSE(LoadText(IDS_APP_TITLE).empty());
}

TEST_F(FrameworkTest, AnUnownedMessageBoxHasNoOwnerAndTheSystemsCaption) {
  SetActiveWindow(sheet.hwnd());
  responder.ExpectMessageBox("Senza titolo", "Error", IDOK);
  EXPECT_EQ(ShowUnownedMessage("Senza titolo"), IDOK);
  responder.ExpectMessageBox("Con titolo", "Errore", IDCANCEL);
  EXPECT_EQ(ShowUnownedMessage("Con titolo", MB_OKCANCEL, "Errore"), IDCANCEL);
  ASSERT_EQ(responder.boxes().size(), 2u);
  EXPECT_EQ(responder.boxes()[0].owner, nullptr);
  EXPECT_EQ(responder.boxes()[1].owner, nullptr);
}

TEST_F(FrameworkTest, ATaskModalBoxDisablesTheThreadsWindowsWhileItShows) {
  bool sheet_enabled_meanwhile = true;
  responder.ExpectMessageBox("Bloccante", IDOK, [&](HWND) { sheet_enabled_meanwhile = IsWindowEnabled(sheet.hwnd()); });
  EXPECT_EQ(ShowUnownedMessage("Bloccante", MB_OK | MB_TASKMODAL), IDOK);
  EXPECT_FALSE(sheet_enabled_meanwhile);
  EXPECT_TRUE(IsWindowEnabled(sheet.hwnd())) << "enabled again afterwards";
}

}  // namespace
}  // namespace psui::test
