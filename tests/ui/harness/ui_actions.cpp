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

bool ClassIs(HWND window, const char* name) {
  char buffer[64] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return lstrcmpiA(buffer, name) == 0;
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

::testing::AssertionResult ChooseComboEntryByKey(HWND dialog, int id, const std::string& text) {
  HWND combo;
  if (auto usable = Usable(dialog, id, &combo); !usable) return usable;
  int index;
  if (auto found = FindExactly(ComboItems(dialog, id), text, &index); !found) return found;
  SetFocus(combo);
  PumpMessages();
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  Notify(dialog, id, combo, CBN_SELENDOK);
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

namespace {

// The edit a user types into: the control itself, or the edit field of a
// drop-down combo box; refuses what takes no typing.
::testing::AssertionResult TypingTarget(HWND dialog, int id, HWND* edit) {
  HWND control;
  if (auto usable = Usable(dialog, id, &control); !usable) return usable;
  *edit = control;
  if (ClassIs(control, WC_COMBOBOXEXA)) {
    // An extended combo box (the file dialogs' name field) has an edit of
    // its own beside its list.
    *edit = reinterpret_cast<HWND>(SendMessageA(control, CBEM_GETEDITCONTROL, 0, 0));
    if (!*edit || !ClassIs(*edit, "Edit")) {
      return ::testing::AssertionFailure() << "extended combo box " << id << " has no edit field";
    }
  } else if (ClassIs(control, "ComboBox")) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(control, &info);
    if (!info.hwndItem || info.hwndItem == control || !ClassIs(info.hwndItem, "Edit")) {
      return ::testing::AssertionFailure() << "combo box " << id << " has no edit field";
    }
    *edit = info.hwndItem;
  } else if (!ClassIs(control, "Edit")) {
    return ::testing::AssertionFailure() << "control " << id << " takes no typing";
  }
  if (GetWindowLongPtrA(*edit, GWL_STYLE) & ES_READONLY) {
    return ::testing::AssertionFailure() << "edit " << id << " is read-only";
  }
  // The user clicks into the field (which moves no focus when it has it)
  // and selects what it holds.
  if (GetFocus() != *edit) SetFocus(control);
  PumpMessages();
  SendMessageA(*edit, EM_SETSEL, 0, -1);
  return ::testing::AssertionSuccess();
}

}  // namespace

::testing::AssertionResult Type(HWND dialog, int id, const std::string& text) {
  HWND edit;
  if (auto target = TypingTarget(dialog, id, &edit); !target) return target;
  for (char c : text) {
    if (static_cast<unsigned char>(c) < ' ') {
      return ::testing::AssertionFailure() << "Type writes characters, not control keys";
    }
  }
  if (text.empty()) SendMessageA(edit, WM_CHAR, VK_BACK, 1);
  for (char c : text) {
    SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    PumpMessages();
  }
  PumpMessages();
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Paste(HWND dialog, int id, const std::string& text) {
  HWND edit;
  if (auto target = TypingTarget(dialog, id, &edit); !target) return target;
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  PumpMessages();
  return ::testing::AssertionSuccess();
}

namespace {

// Focuses the control, then moves the focus on as Tab would; true when the
// focus left the control.
::testing::AssertionResult MoveFocusOn(HWND dialog, int id, bool* left) {
  HWND control;
  if (auto usable = Usable(dialog, id, &control); !usable) return usable;
  SetFocus(control);
  PumpMessages();
  SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
  PumpMessages();
  *left = FocusedControl(dialog) != id;
  return ::testing::AssertionSuccess();
}

}  // namespace

::testing::AssertionResult Leave(HWND dialog, int id) {
  bool left = false;
  if (auto moved = MoveFocusOn(dialog, id, &left); !moved) return moved;
  if (!left) return ::testing::AssertionFailure() << "the focus stayed on " << id;
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult LeaveKept(HWND dialog, int id) {
  bool left = false;
  if (auto moved = MoveFocusOn(dialog, id, &left); !moved) return moved;
  if (left) {
    return ::testing::AssertionFailure() << "the focus left " << id << " for " << FocusedControl(dialog);
  }
  return ::testing::AssertionSuccess();
}

int FocusedControl(HWND dialog) {
  for (HWND window = GetFocus(); window; window = GetParent(window)) {
    if (GetParent(window) == dialog) return GetDlgCtrlID(window);
    if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) break;
  }
  return 0;
}

::testing::AssertionResult HasFocus(HWND dialog, int id) {
  int focused = FocusedControl(dialog);
  if (focused == id) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the focus is on " << focused << ", not on " << id;
}

int Position(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (ClassIs(control, UPDOWN_CLASSA)) return static_cast<short>(LOWORD(SendMessageA(control, UDM_GETPOS, 0, 0)));
  return static_cast<int>(SendMessageA(control, PBM_GETPOS, 0, 0));
}

std::pair<int, int> Range(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (ClassIs(control, UPDOWN_CLASSA)) {
    LRESULT range = SendMessageA(control, UDM_GETRANGE, 0, 0);
    return {static_cast<short>(HIWORD(range)), static_cast<short>(LOWORD(range))};
  }
  return {static_cast<int>(SendMessageA(control, PBM_GETRANGE, TRUE, 0)),
          static_cast<int>(SendMessageA(control, PBM_GETRANGE, FALSE, 0))};
}

::testing::AssertionResult Spin(HWND dialog, int id, SpinArrow arrow, int clicks) {
  HWND spin;
  if (auto usable = Usable(dialog, id, &spin); !usable) return usable;
  if (!ClassIs(spin, UPDOWN_CLASSA)) return ::testing::AssertionFailure() << "control " << id << " is no up-down";
  RECT area;
  GetClientRect(spin, &area);
  // Up is the upper arrow, or the right one of a horizontal control.
  bool horizontal = (GetWindowLongPtrA(spin, GWL_STYLE) & UDS_HORZ) != 0;
  bool up = arrow == SpinArrow::kUp;
  int x = horizontal ? (up ? area.right * 3 / 4 : area.right / 4) : area.right / 2;
  int y = horizontal ? area.bottom / 2 : (up ? area.bottom / 4 : area.bottom * 3 / 4);
  for (int i = 0; i < clicks; ++i) {
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PumpMessages();
    SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
  }
  return ::testing::AssertionSuccess();
}

}  // namespace psui::test
