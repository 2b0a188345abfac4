// What a user does to a dialog and what a user sees in it, through the
// controls' own window messages. Every action checks first that a user could
// do it (the control exists, is visible and enabled).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace psui::test {

// Processes the thread's pending messages (and those they cause).
void PumpMessages();

// Chooses the entry whose whole text is exactly `text` (case-sensitive; there
// must be exactly one) as a mouse choice does: CBN_DROPDOWN, the new
// selection, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE (the order Wine's
// combo box uses, checked against a real click in the harness tests).
::testing::AssertionResult ChooseComboEntry(HWND dialog, int id, const std::string& text);
// The same for a list box: the selection, then LBN_SELCHANGE.
::testing::AssertionResult ChooseListEntry(HWND dialog, int id, const std::string& text);
// Presses a button, check box or radio button (BM_CLICK).
::testing::AssertionResult Click(HWND dialog, int id);
// Replaces an edit's text as typing would, cut to the edit's limit; the
// edit then notifies EN_CHANGE.
::testing::AssertionResult Type(HWND dialog, int id, const std::string& text);
// Gives the control the focus, then moves it on to the next control as Tab
// would (WM_NEXTDLGCTL), so focus-loss checks run.
::testing::AssertionResult Leave(HWND dialog, int id);

std::string Text(HWND dialog, int id);
std::string WindowText(HWND window);
std::vector<std::string> ComboItems(HWND dialog, int id);
std::string ComboSelection(HWND dialog, int id);  // "" when none
int ComboSelectionIndex(HWND dialog, int id);
LRESULT ComboSelectionData(HWND dialog, int id);  // -1 when none
std::vector<std::string> ListItems(HWND dialog, int id);
std::string ListSelection(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
bool IsVisible(HWND dialog, int id);

}  // namespace psui::test
