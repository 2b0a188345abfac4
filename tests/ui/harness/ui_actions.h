// What a user does to a dialog and what a user sees in it, through the
// controls' own window messages. Every action checks first that a user could
// do it (the control exists, is visible and enabled).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace psui::test {

// Processes the thread's pending messages (and those they cause).
void PumpMessages();

// Chooses the entry whose whole text is exactly `text` (case-sensitive; there
// must be exactly one) as a mouse choice does: CBN_DROPDOWN, the new
// selection, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE (the order Wine's
// combo box uses, checked against a real click in the harness tests).
::testing::AssertionResult ChooseComboEntry(HWND dialog, int id, const std::string& text);
// The same entry chosen with the keyboard while the list stays closed (an
// arrow key on the focused combo box): the focus, the new selection,
// CBN_SELENDOK, CBN_SELCHANGE and no CBN_CLOSEUP (checked against real key
// input in the harness tests).
::testing::AssertionResult ChooseComboEntryByKey(HWND dialog, int id, const std::string& text);
// The same for a list box: the selection, then LBN_SELCHANGE.
::testing::AssertionResult ChooseListEntry(HWND dialog, int id, const std::string& text);
// Presses a button, check box or radio button (BM_CLICK).
::testing::AssertionResult Click(HWND dialog, int id);
// Types `text` into an edit or into the edit field of a drop-down combo box
// or of an extended combo box as keystrokes: the control takes the focus, its whole text is selected and
// every character arrives as WM_CHAR (an empty text as one Backspace). So the
// control itself keeps to its limit, refuses what an ES_NUMBER edit refuses
// and sends what each keystroke gives: EN_UPDATE and EN_CHANGE, in a combo
// box CBN_EDITUPDATE and CBN_EDITCHANGE with its list selection cleared.
// Text is in the ANSI code page.
::testing::AssertionResult Type(HWND dialog, int id, const std::string& text);
// Pastes `text` over the whole content, as from the clipboard: one change
// and one notification; the limit holds, but an ES_NUMBER edit takes any
// character this way.
::testing::AssertionResult Paste(HWND dialog, int id, const std::string& text);
// Gives the control the focus, then moves it on to the next control as Tab
// would (WM_NEXTDLGCTL), so focus-loss checks run; fails when the focus
// stays or comes back.
::testing::AssertionResult Leave(HWND dialog, int id);
// The same move, for a control whose check refuses it: passes when the
// focus is back on the control afterwards.
::testing::AssertionResult LeaveKept(HWND dialog, int id);
// Clicks the up (or down) arrow of an up-down control `clicks` times with
// the mouse messages a click gives, so the control moves, updates its buddy
// and notifies its parent itself (UDN_DELTAPOS, WM_VSCROLL or WM_HSCROLL).
enum class SpinArrow { kUp, kDown };
::testing::AssertionResult Spin(HWND dialog, int id, SpinArrow arrow, int clicks = 1);

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
// Id of the control of `dialog` that has the keyboard focus (a combo box
// when its edit field has it); 0 when the focus is elsewhere.
int FocusedControl(HWND dialog);
::testing::AssertionResult HasFocus(HWND dialog, int id);
// Position and range (minimum, maximum) of a progress bar or an up-down
// control.
int Position(HWND dialog, int id);
std::pair<int, int> Range(HWND dialog, int id);

}  // namespace psui::test
