#include "tests/ui/harness/ui_actions.h"

#include <commctrl.h>

namespace psui::test {

namespace {

::testing::AssertionResult Usable(HWND dialog, int id, HWND* control) {
  *control = GetDlgItem(dialog, id);
  if (!*control) return ::testing::AssertionFailure() << "no control " << id;
  if (!IsWindowVisible(*control)) return ::testing::AssertionFailure() << "control " << id << " is hidden";
  if (!IsWindowEnabled(*control)) return ::testing::AssertionFailure() << "control " << id << " is disabled";
  return ::testing::AssertionSuccess();
}

void Notify(HWND dialog, int id, HWND control, int code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

// Index of the one entry whose text is exactly `text`, or an error.
::testing::AssertionResult FindExactly(const std::vector<std::string>& items, const std::string& text,
                                       int* index) {
  *index = -1;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] != text) continue;
    if (*index >= 0) return ::testing::AssertionFailure() << "\"" << text << "\" is in the list twice";
    *index = static_cast<int>(i);
  }
  if (*index < 0) {
    auto failure = ::testing::AssertionFailure() << "no entry \"" << text << "\"; the list holds:";
    for (const auto& item : items) failure << " \"" << item << "\"";
    return failure;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

void PumpMessages() {
  MSG message;
  for (int round = 0; round < 100; ++round) {
    bool any = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      any = true;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (!any) return;
  }
}

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(length + 1, '\0');
  GetWindowTextA(window, &text[0], length + 1);
  text.resize(strlen(text.c_str()));
  return text;
}

std::string Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

namespace {

// The entries of a combo box or list box, by its own count, length and text messages.
std::vector<std::string> Entries(HWND control, UINT get_count, UINT get_length, UINT get_text) {
  std::vector<std::string> items;
  int count = static_cast<int>(SendMessageA(control, get_count, 0, 0));
  for (int i = 0; i < count; ++i) {
    LRESULT length = SendMessageA(control, get_length, i, 0);
    std::string text(length + 1, '\0');
    SendMessageA(control, get_text, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length);
    items.push_back(text);
  }
  return items;
}

}  // namespace

std::vector<std::string> ComboItems(HWND dialog, int id) {
  return Entries(GetDlgItem(dialog, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ComboSelectionIndex(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

std::string ComboSelection(HWND dialog, int id) {
  int index = ComboSelectionIndex(dialog, id);
  if (index < 0) return std::string();
  return ComboItems(dialog, id)[index];
}

LRESULT ComboSelectionData(HWND dialog, int id) {
  int index = ComboSelectionIndex(dialog, id);
  return index < 0 ? -1 : SendDlgItemMessageA(dialog, id, CB_GETITEMDATA, index, 0);
}

std::vector<std::string> ListItems(HWND dialog, int id) {
  return Entries(GetDlgItem(dialog, id), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::string ListSelection(HWND dialog, int id) {
  int index = static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
  return index < 0 ? std::string() : ListItems(dialog, id)[index];
}

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool IsVisible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

::testing::AssertionResult ChooseComboEntry(HWND dialog, int id, const std::string& text) {
  HWND combo;
  if (auto usable = Usable(dialog, id, &combo); !usable) return usable;
  int index;
  if (auto found = FindExactly(ComboItems(dialog, id), text, &index); !found) return found;
  Notify(dialog, id, combo, CBN_DROPDOWN);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  Notify(dialog, id, combo, CBN_SELENDOK);
  Notify(dialog, id, combo, CBN_CLOSEUP);
  Notify(dialog, id, combo, CBN_SELCHANGE);
  PumpMessages();
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult ChooseListEntry(HWND dialog, int id, const std::string& text) {
  HWND list;
  if (auto usable = Usable(dialog, id, &list); !usable) return usable;
  int index;
  if (auto found = FindExactly(ListItems(dialog, id), text, &index); !found) return found;
  SendMessageA(list, LB_SETCURSEL, index, 0);
  Notify(dialog, id, list, LBN_SELCHANGE);
  PumpMessages();
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Click(HWND dialog, int id) {
  HWND button;
  if (auto usable = Usable(dialog, id, &button); !usable) return usable;
  SendMessageA(button, BM_CLICK, 0, 0);
  PumpMessages();
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Type(HWND dialog, int id, const std::string& text) {
  HWND edit;
  if (auto usable = Usable(dialog, id, &edit); !usable) return usable;
  if (GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) {
    return ::testing::AssertionFailure() << "edit " << id << " is read-only";
  }
  size_t limit = static_cast<size_t>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
  std::string typed = text.substr(0, limit);
  SetFocus(edit);
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
  PumpMessages();
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Leave(HWND dialog, int id) {
  HWND control;
  if (auto usable = Usable(dialog, id, &control); !usable) return usable;
  SetFocus(control);
  PumpMessages();
  SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
  PumpMessages();
  if (GetFocus() == control) return ::testing::AssertionFailure() << "the focus stayed on " << id;
  return ::testing::AssertionSuccess();
}

}  // namespace psui::test
