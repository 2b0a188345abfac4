#include "tools/driver_sim/script_runner.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "tools/common/hex_text.h"
#include "tools/driver_sim/remote_window.h"

#ifndef KEY_WOW64_32KEY
#define KEY_WOW64_32KEY 0x0200
#endif

namespace psui {

namespace {

// Rounds of the sync after an action, and the pause between them.
constexpr int kSyncRounds = 2;
constexpr DWORD kSyncPauseMs = 10;
constexpr const char* kNoAnswer = "psui did not answer";

std::string Quote(const std::wstring& text) { return "\"" + WideToUtf8(text) + "\""; }

std::string QuoteList(const std::vector<std::wstring>& items) {
  std::string out;
  for (const auto& item : items) out += (out.empty() ? "" : " ") + Quote(item);
  return out.empty() ? "(no entries)" : out;
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

void PostCommand(HWND control, int code) {
  PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

std::string HexBytes(const std::vector<uint8_t>& bytes) { return "\"" + HexPairs(bytes) + "\""; }

// The registry view psui sees: a 32-bit psui reads the 32-bit view.
REGSAM RegistryViewOf(DWORD process) {
  REGSAM view = 0;
  if (HANDLE handle = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process)) {
    BOOL wow64 = FALSE;
    if (IsWow64Process(handle, &wow64) && wow64) view = KEY_WOW64_32KEY;
    CloseHandle(handle);
  }
  return view;
}

}  // namespace

ScriptRunner::ScriptRunner(DWORD psuiProcessId, HWND sheet, std::string scriptPath,
                           std::function<void(DWORD)> pump)
    : process_(psuiProcessId),
      thread_(GetWindowThreadProcessId(sheet, nullptr)),
      sheet_(sheet),
      script_path_(std::move(scriptPath)),
      pump_(std::move(pump)) {}

bool ScriptRunner::Run(const std::vector<ScriptLine>& lines) {
  bool failed = false;
  for (const ScriptLine& line : lines) {
    if (failed) {
      Report("skip", line, "");
      continue;
    }
    Outcome outcome = Execute(line);
    Report(outcome.ok ? "ok  " : "FAIL", line, outcome.ok ? "" : outcome.detail);
    failed = !outcome.ok;
  }
  if (failed) {
    CloseEverything();
    if (IsWindow(sheet_)) PostMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  } else if (!answered_) {
    std::printf("the script ends without ok or cancel: cancel\n");
    PressSheetButton("cancel");
  }
  return !failed;
}

void ScriptRunner::Report(const char* verdict, const ScriptLine& line, const std::string& detail) {
  char number[16];
  std::snprintf(number, sizeof number, "%4d", line.lineNumber);
  report_.push_back(std::string(verdict) + " " + number + ": " + line.source + (detail.empty() ? "" : ": " + detail));
  std::printf("%s\n", report_.back().c_str());
}

ScriptRunner::Outcome ScriptRunner::Execute(const ScriptLine& line) {
  switch (line.command) {
    case ScriptCommand::kPage: return SelectPage(line.number);
    case ScriptCommand::kPageId: {
      std::optional<LRESULT> index;
      WaitUntil([&] { return (index = RemoteValue(sheet_, PSM_IDTOINDEX, 0, line.number)).has_value(); }, wait_ms_);
      if (!index) return {false, kNoAnswer};
      if (*index < 0) return {false, "no page of dialog " + std::to_string(line.number)};
      return SelectPage(static_cast<int>(*index));
    }
    case ScriptCommand::kSelect: return Select(line);
    case ScriptCommand::kSelectKey: return SelectByKey(line);
    case ScriptCommand::kClick: return ClickControl(line);
    case ScriptCommand::kType: return TypeText(line);
    case ScriptCommand::kLeave: return LeaveControl(line, false);
    case ScriptCommand::kLeaveKept: return LeaveControl(line, true);
    case ScriptCommand::kSpin: return SpinControl(line);
    case ScriptCommand::kExpectText:
    case ScriptCommand::kExpectSelected:
    case ScriptCommand::kExpectChecked:
    case ScriptCommand::kExpectEnabled:
    case ScriptCommand::kExpectVisible:
    case ScriptCommand::kExpectCount:
    case ScriptCommand::kExpectItems:
    case ScriptCommand::kExpectFocus:
    case ScriptCommand::kExpectPos:
    case ScriptCommand::kExpectRange:
    case ScriptCommand::kExpectRegistry: return Expect(line);
    case ScriptCommand::kBox: return WaitForBox(line);
    case ScriptCommand::kPress: return Press(line);
    case ScriptCommand::kDialog: return WaitForDialog(line);
    case ScriptCommand::kEndDialog: return EndDialog();
    case ScriptCommand::kScreenshot: return Screenshot(line);
    case ScriptCommand::kSheetButton: return PressSheetButton(line.word);
    case ScriptCommand::kOk: return PressSheetButton("ok");
    case ScriptCommand::kCancel: return PressSheetButton("cancel");
    case ScriptCommand::kWaitMs: pump_(static_cast<DWORD>(line.number)); return {true, ""};
    case ScriptCommand::kTimeoutMs: wait_ms_ = static_cast<DWORD>(line.number); return {true, ""};
  }
  return {false, "unknown command"};
}

bool ScriptRunner::WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    pump_(20);
  }
  return true;
}

void ScriptRunner::Sync() {
  for (int round = 0; round < kSyncRounds; ++round) {
    if (round) pump_(kSyncPauseMs);
    SendRemote(sheet_, WM_NULL, 0, 0, nullptr, wait_ms_);
  }
}

HWND ScriptRunner::Target() const {
  if (!dialogs_.empty()) return dialogs_.back();
  std::optional<LRESULT> page = RemoteValue(sheet_, PSM_GETCURRENTPAGEHWND);
  return page ? reinterpret_cast<HWND>(*page) : nullptr;
}

ScriptRunner::Outcome ScriptRunner::UsableControl(int id, HWND* control) {
  HWND target = nullptr;
  WaitUntil([&] { return (target = Target()) != nullptr; }, wait_ms_);
  if (!target) return {false, kNoAnswer};
  *control = GetDlgItem(target, id);
  if (!*control) return {false, "no control " + std::to_string(id)};
  if (!IsWindowVisible(*control)) return {false, "control " + std::to_string(id) + " is hidden"};
  if (!IsWindowEnabled(*control)) return {false, "control " + std::to_string(id) + " is disabled"};
  return {true, ""};
}

bool ScriptRunner::FocusIsIn(HWND control) const {
  HWND focus = ThreadFocus(thread_);
  return focus && (focus == control || IsChild(control, focus));
}

int ScriptRunner::FocusedControlId() const {
  HWND target = Target();
  for (HWND window = ThreadFocus(thread_); window && target; window = GetParent(window)) {
    if (GetParent(window) == target) return GetDlgCtrlID(window);
  }
  return 0;
}

ScriptRunner::Outcome ScriptRunner::FocusControl(HWND control) {
  PostMessageW(GetParent(control), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  if (!WaitUntil([&] { return FocusIsIn(control); }, wait_ms_)) {
    return {false, "control " + std::to_string(GetDlgCtrlID(control)) + " did not take the focus"};
  }
  return {true, ""};
}

HWND ScriptRunner::NewModalWindow() const {
  for (HWND window : ProcessDialogs(process_)) {
    if (window == sheet_ || std::find(dialogs_.begin(), dialogs_.end(), window) != dialogs_.end()) continue;
    if (IsWindowEnabled(window)) return window;
  }
  return nullptr;
}

std::string ScriptRunner::Describe(HWND window) const {
  if (IsMessageBoxWindow(window)) return "message box " + Quote(MessageBoxText(window).value_or(L"?"));
  return "dialog " + Quote(RemoteText(window).value_or(L"?"));
}

ScriptRunner::Outcome ScriptRunner::SelectPage(int index) {
  // Pages are created when first shown, so the tabs tell how many there are.
  std::optional<LRESULT> count;
  HWND tabs = FindWindowExW(sheet_, nullptr, L"SysTabControl32", nullptr);
  WaitUntil([&] { return (count = RemoteValue(tabs, TCM_GETITEMCOUNT)).has_value(); }, wait_ms_);
  if (!count) return {false, kNoAnswer};
  if (index < 0 || index >= *count) {
    return {false, "no page " + std::to_string(index) + " (the sheet has " + std::to_string(*count) + ")"};
  }
  auto current_index = [&] {
    std::optional<LRESULT> page = RemoteValue(sheet_, PSM_GETCURRENTPAGEHWND);
    if (!page || !*page) return -1;
    return static_cast<int>(RemoteValue(sheet_, PSM_HWNDTOINDEX, *page).value_or(-1));
  };
  PostMessageW(sheet_, PSM_SETCURSEL, index, 0);
  // A page that refuses to be left shows why; no use waiting longer.
  WaitUntil([&] { return current_index() == index || NewModalWindow() != nullptr; }, wait_ms_);
  if (current_index() != index) return {false, "page " + std::to_string(index) + " did not become current"};
  return {true, ""};
}

namespace {

// The position of the one entry with exactly this text.
std::string FindEntry(const std::vector<std::wstring>& items, const std::wstring& wanted, int* index) {
  *index = -1;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] != wanted) continue;
    if (*index >= 0) return Quote(wanted) + " is in the list twice";
    *index = static_cast<int>(i);
  }
  if (*index < 0) return "no entry " + Quote(wanted) + "; the list holds " + QuoteList(items);
  return std::string();
}

}  // namespace

ScriptRunner::Outcome ScriptRunner::ListEntry(const ScriptLine& line, bool dropDownOnly, HWND* control,
                                               int* index) {
  if (Outcome usable = UsableControl(line.number, control); !usable.ok) return usable;
  std::string id = std::to_string(line.number);
  if (dropDownOnly && !IsComboBox(*control)) return {false, "control " + id + " is not a drop-down list"};
  if (!IsComboBox(*control) && !IsListBox(*control)) return {false, "control " + id + " is not a list"};
  std::optional<std::vector<std::wstring>> items = RemoteItems(*control);
  if (!items) return {false, kNoAnswer};
  std::string problem = FindEntry(*items, Utf8ToWide(line.texts[0]), index);
  return {problem.empty(), problem};
}

ScriptRunner::Outcome ScriptRunner::Select(const ScriptLine& line) {
  HWND control;
  int index;
  if (Outcome found = ListEntry(line, false, &control, &index); !found.ok) return found;
  // The messages of a mouse choice, in the order the controls send them.
  if (IsComboBox(control)) {
    PostCommand(control, CBN_DROPDOWN);
    PostMessageW(control, CB_SETCURSEL, index, 0);
    PostCommand(control, CBN_SELENDOK);
    PostCommand(control, CBN_CLOSEUP);
    PostCommand(control, CBN_SELCHANGE);
  } else {
    PostMessageW(control, LB_SETCURSEL, index, 0);
    PostCommand(control, LBN_SELCHANGE);
  }
  Sync();
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::SelectByKey(const ScriptLine& line) {
  HWND control;
  int index;
  if (Outcome found = ListEntry(line, true, &control, &index); !found.ok) return found;
  if (Outcome focused = FocusControl(control); !focused.ok) return focused;
  // An arrow key on a closed list: no CBN_CLOSEUP.
  PostMessageW(control, CB_SETCURSEL, index, 0);
  PostCommand(control, CBN_SELENDOK);
  PostCommand(control, CBN_SELCHANGE);
  Sync();
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::ClickControl(const ScriptLine& line) {
  HWND control;
  if (Outcome usable = UsableControl(line.number, &control); !usable.ok) return usable;
  PostMessageW(control, BM_CLICK, 0, 0);
  Sync();
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::TypeText(const ScriptLine& line) {
  HWND control;
  if (Outcome usable = UsableControl(line.number, &control); !usable.ok) return usable;
  std::string id = std::to_string(line.number);
  HWND edit = control;
  if (IsComboBox(control)) {
    edit = FindWindowExW(control, nullptr, L"Edit", nullptr);
    if (!edit) return {false, "combo box " + id + " has no edit field"};
  } else if (IsExtendedComboBox(control)) {
    // Its edit field belongs to the combo box inside it.
    HWND inner = FindWindowExW(control, nullptr, L"ComboBox", nullptr);
    edit = inner ? FindWindowExW(inner, nullptr, L"Edit", nullptr) : nullptr;
    if (!edit) return {false, "extended combo box " + id + " has no edit field"};
  } else if (!IsEditControl(control)) {
    return {false, "control " + id + " takes no typing"};
  }
  if (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) return {false, "edit " + id + " is read-only"};
  std::wstring text = Utf8ToWide(line.texts[0]);
  if (std::any_of(text.begin(), text.end(), [](wchar_t c) { return c < L' '; })) {
    return {false, "type writes characters, not control keys"};
  }
  if (Outcome focused = FocusControl(control); !focused.ok) return focused;
  // Select what the field holds, then one keystroke per character (an empty
  // text: one Backspace); the control keeps to its limit, refuses what an
  // ES_NUMBER edit refuses and notifies as for a user's keys.
  PostMessageW(edit, EM_SETSEL, 0, -1);
  if (text.empty()) text = L"\b";
  for (size_t i = 0; i < text.size(); ++i) {
    PostMessageW(edit, WM_CHAR, text[i], 1);
    Sync();
    HWND opened = NewModalWindow();
    if (opened && i + 1 < text.size()) {
      return {false, "a " + Describe(opened) + " opened after " + std::to_string(i + 1) +
                         " characters; answer it before typing on"};
    }
  }
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::LeaveControl(const ScriptLine& line, bool kept) {
  HWND control;
  if (Outcome usable = UsableControl(line.number, &control); !usable.ok) return usable;
  std::string id = std::to_string(line.number);
  if (Outcome focused = FocusControl(control); !focused.ok) return focused;
  HWND dialog = GetParent(control);
  if (!kept) {
    PostMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
    if (!WaitUntil([&] { return !FocusIsIn(control); }, wait_ms_)) return {false, "the focus stayed on " + id};
    return {true, ""};
  }
  // Sent, so that its focus-loss check has run when the send returns; a box
  // keeps the send from returning.
  bool returned = SendRemote(dialog, WM_NEXTDLGCTL, 0, FALSE, nullptr, wait_ms_);
  if (HWND opened = NewModalWindow()) return {false, "a " + Describe(opened) + " opened"};
  if (!returned) return {false, kNoAnswer};
  if (!FocusIsIn(control)) {
    return {false, "the focus moved on to " + std::to_string(FocusedControlId()) + " and stayed there"};
  }
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::SpinControl(const ScriptLine& line) {
  HWND spin;
  if (Outcome usable = UsableControl(line.number, &spin); !usable.ok) return usable;
  if (!IsUpDown(spin)) return {false, "control " + std::to_string(line.number) + " is not an up-down control"};
  RECT area;
  GetClientRect(spin, &area);
  // Up is the upper arrow, or the right one of a horizontal control.
  bool horizontal = (GetWindowLongPtrW(spin, GWL_STYLE) & UDS_HORZ) != 0;
  bool up = line.word == "up";
  int x = horizontal ? (up ? area.right * 3 / 4 : area.right / 4) : area.right / 2;
  int y = horizontal ? area.bottom / 2 : (up ? area.bottom / 4 : area.bottom * 3 / 4);
  int clicks = line.values.empty() ? 1 : line.values[0];
  for (int i = 0; i < clicks; ++i) {
    PostMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Sync();
  }
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::Expect(const ScriptLine& line) {
  Outcome outcome{false, ""};
  WaitUntil([&] { return (outcome = CheckOnce(line)).ok; }, wait_ms_);
  return outcome;
}

ScriptRunner::Outcome ScriptRunner::CheckOnce(const ScriptLine& line) {
  if (line.command == ScriptCommand::kExpectRegistry) return CheckRegistry(line);
  HWND target = Target();
  if (!target) return {false, kNoAnswer};
  HWND control = GetDlgItem(target, line.number);
  std::string id = std::to_string(line.number);
  if (!control) return {false, "no control " + id};
  switch (line.command) {
    case ScriptCommand::kExpectText: {
      std::optional<std::wstring> seen = RemoteText(control);
      if (!seen) return {false, kNoAnswer};
      std::wstring wanted = Utf8ToWide(line.texts[0]);
      return {*seen == wanted, "expected " + Quote(wanted) + ", saw " + Quote(*seen)};
    }
    case ScriptCommand::kExpectSelected: {
      std::optional<int> index = RemoteSelection(control);
      std::optional<std::vector<std::wstring>> items = RemoteItems(control);
      if (!index || !items) return {false, kNoAnswer};
      bool none = *index < 0 || static_cast<size_t>(*index) >= items->size();
      std::string seen = none ? "none" : Quote((*items)[*index]);
      if (line.flag) return {none, "expected none, saw " + seen};
      bool same = !none && (*items)[*index] == Utf8ToWide(line.texts[0]);
      return {same, "expected " + Quote(Utf8ToWide(line.texts[0])) + ", saw " + seen};
    }
    case ScriptCommand::kExpectChecked: {
      std::optional<LRESULT> state = RemoteValue(control, BM_GETCHECK);
      if (!state) return {false, kNoAnswer};
      bool checked = *state == BST_CHECKED;
      return {checked == line.flag, "expected checked " + YesNo(line.flag) + ", saw " + YesNo(checked)};
    }
    case ScriptCommand::kExpectEnabled: {
      bool enabled = IsWindowEnabled(control) != FALSE;
      return {enabled == line.flag, "expected enabled " + YesNo(line.flag) + ", saw " + YesNo(enabled)};
    }
    case ScriptCommand::kExpectVisible: {
      bool visible = IsWindowVisible(control) != FALSE;
      return {visible == line.flag, "expected visible " + YesNo(line.flag) + ", saw " + YesNo(visible)};
    }
    case ScriptCommand::kExpectCount: {
      std::optional<std::vector<std::wstring>> items = RemoteItems(control);
      if (!items) return {false, kNoAnswer};
      return {items->size() == static_cast<size_t>(line.values[0]),
              "expected " + std::to_string(line.values[0]) + " entries, saw " + std::to_string(items->size())};
    }
    case ScriptCommand::kExpectItems: {
      std::optional<std::vector<std::wstring>> items = RemoteItems(control);
      if (!items) return {false, kNoAnswer};
      std::vector<std::wstring> wanted;
      for (const auto& text : line.texts) wanted.push_back(Utf8ToWide(text));
      return {*items == wanted, "expected " + QuoteList(wanted) + ", saw " + QuoteList(*items)};
    }
    case ScriptCommand::kExpectFocus: {
      int focused = FocusedControlId();
      return {focused == line.number, "expected the focus on " + id + ", saw it on " + std::to_string(focused)};
    }
    case ScriptCommand::kExpectPos: {
      std::optional<LRESULT> position;
      if (IsUpDown(control)) {
        // The low word, signed; the high word tells a buddy text that is no number.
        if (std::optional<LRESULT> value = RemoteValue(control, UDM_GETPOS)) position = static_cast<short>(LOWORD(*value));
      } else if (IsProgressBar(control)) {
        position = RemoteValue(control, PBM_GETPOS);
      } else {
        return {false, "control " + id + " has no position"};
      }
      if (!position) return {false, kNoAnswer};
      return {*position == line.values[0],
              "expected position " + std::to_string(line.values[0]) + ", saw " + std::to_string(*position)};
    }
    case ScriptCommand::kExpectRange: {
      std::optional<LRESULT> low, high;
      if (IsUpDown(control)) {
        if (std::optional<LRESULT> range = RemoteValue(control, UDM_GETRANGE)) {
          low = static_cast<short>(HIWORD(*range));
          high = static_cast<short>(LOWORD(*range));
        }
      } else if (IsProgressBar(control)) {
        // With a null pointer PBM_GETRANGE returns the one limit asked for.
        low = RemoteValue(control, PBM_GETRANGE, TRUE);
        high = RemoteValue(control, PBM_GETRANGE, FALSE);
      } else {
        return {false, "control " + id + " has no range"};
      }
      if (!low || !high) return {false, kNoAnswer};
      bool same = *low == line.values[0] && *high == line.values[1];
      return {same, "expected range " + std::to_string(line.values[0]) + " " + std::to_string(line.values[1]) +
                        ", saw " + std::to_string(*low) + " " + std::to_string(*high)};
    }
    default: return {false, "not an expectation"};
  }
}

ScriptRunner::Outcome ScriptRunner::CheckRegistry(const ScriptLine& line) {
  const std::string& path = line.texts[0];
  const std::string& name = line.texts[1];
  HKEY key = nullptr;
  LONG rc = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | RegistryViewOf(process_), &key);
  if (rc != ERROR_SUCCESS) return {false, "no key HKLM\\" + path + " (error " + std::to_string(rc) + ")"};
  DWORD size = 0;
  rc = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size);
  std::vector<uint8_t> bytes(size);
  if (rc == ERROR_SUCCESS && size) rc = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, bytes.data(), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return {false, "no value \"" + name + "\" (error " + std::to_string(rc) + ")"};
  bytes.resize(size);
  return {bytes == line.bytes, "expected " + HexBytes(line.bytes) + ", saw " + HexBytes(bytes)};
}

HWND ScriptRunner::FindBox(const std::wstring& text) const {
  for (HWND window : ProcessDialogs(process_)) {
    if (IsMessageBoxWindow(window) && MessageBoxText(window) == text) return window;
  }
  return nullptr;
}

ScriptRunner::Outcome ScriptRunner::WaitForBox(const ScriptLine& line) {
  std::wstring wanted = Utf8ToWide(line.texts[0]);
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = FindBox(wanted)) != nullptr; }, wait_ms_)) {
    std::string seen;
    for (HWND window : ProcessDialogs(process_)) {
      if (IsMessageBoxWindow(window)) seen += " " + Quote(MessageBoxText(window).value_or(L"?"));
    }
    return {false, "no message box " + Quote(wanted) + (seen.empty() ? "; none open" : "; open:" + seen)};
  }
  box_ = box;
  if (line.texts.size() > 1) {
    std::optional<std::wstring> caption;
    WaitUntil([&] { return (caption = RemoteText(box)).has_value(); }, wait_ms_);
    if (!caption) return {false, kNoAnswer};
    std::wstring wanted_caption = Utf8ToWide(line.texts[1]);
    if (*caption != wanted_caption) {
      return {false, "the box has the caption " + Quote(*caption) + ", not " + Quote(wanted_caption)};
    }
  }
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::Press(const ScriptLine& line) {
  if (!box_ || !IsWindow(box_)) return {false, "no message box to answer (use box first)"};
  int id = line.word == "ok" ? IDOK : line.word == "cancel" ? IDCANCEL : line.word == "yes" ? IDYES : IDNO;
  HWND button = GetDlgItem(box_, id);
  if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) {
    return {false, "the message box has no " + line.word + " button"};
  }
  HWND box = box_;
  box_ = nullptr;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  if (!WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, wait_ms_)) {
    return {false, "the message box did not close"};
  }
  Sync();
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::WaitForDialog(const ScriptLine& line) {
  std::wstring caption = Utf8ToWide(line.texts[0]);
  HWND found = nullptr;
  bool appeared = WaitUntil(
      [&] {
        for (HWND window : ProcessDialogs(process_)) {
          if (window != sheet_ && !IsMessageBoxWindow(window) && RemoteText(window) == caption) {
            found = window;
            return true;
          }
        }
        return false;
      },
      wait_ms_);
  if (!appeared) return {false, "no dialog " + Quote(caption)};
  dialogs_.push_back(found);
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::EndDialog() {
  if (dialogs_.empty()) return {false, "no dialog is being addressed"};
  HWND dialog = dialogs_.back();
  if (!WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, wait_ms_)) {
    return {false, "the dialog " + Quote(RemoteText(dialog).value_or(L"?")) + " is still open"};
  }
  dialogs_.pop_back();
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::Screenshot(const ScriptLine& line) {
  size_t slash = script_path_.find_last_of("\\/");
  std::string folder = slash == std::string::npos ? std::string() : script_path_.substr(0, slash + 1);
  std::string request = folder + line.texts[0] + ".req";
  std::string done = folder + line.texts[0] + ".done";
  DeleteFileA(done.c_str());
  HANDLE file = CreateFileA(request.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return {false, "cannot write " + request};
  CloseHandle(file);
  pump_(200);  // let the screen settle
  bool taken = WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, 30000);
  DeleteFileA(request.c_str());
  DeleteFileA(done.c_str());
  return {taken, "nobody took the screenshot (no " + done + ")"};
}

ScriptRunner::Outcome ScriptRunner::PressSheetButton(const std::string& button) {
  int which = button == "ok" ? PSBTN_OK : button == "cancel" ? PSBTN_CANCEL : PSBTN_HELP;
  PostMessageW(sheet_, PSM_PRESSBUTTON, which, 0);
  if (which == PSBTN_HELP) {
    Sync();
    return {true, ""};
  }
  // OK leaves the current page first, which may refuse (often with a box).
  auto ended = [&] {
    // A modal sheet is destroyed; a modeless one stays without a current page.
    return !IsWindow(sheet_) || !IsWindowVisible(sheet_) || RemoteValue(sheet_, PSM_GETCURRENTPAGEHWND) == 0;
  };
  WaitUntil([&] { return ended() || NewModalWindow() != nullptr; }, wait_ms_);
  if (!ended()) {
    HWND opened = NewModalWindow();
    return {false, "the sheet did not close (a page refused to be left" +
                       (opened ? "; a " + Describe(opened) + " is open)" : ")")};
  }
  answered_ = true;
  return {true, ""};
}

void ScriptRunner::CloseEverything() {
  // Modal windows disable what lies under them: the enabled one is innermost.
  for (int round = 0; round < 20; ++round) {
    HWND innermost = nullptr;
    for (HWND window : ProcessDialogs(process_)) {
      if (window != sheet_ && IsWindowEnabled(window)) innermost = window;
    }
    if (!innermost) return;
    bool pressed = false;
    for (int id : {IDCANCEL, IDNO, IDOK}) {
      HWND button = GetDlgItem(innermost, id);
      if (button && IsWindowEnabled(button)) {
        PostMessageW(innermost, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        pressed = true;
        break;
      }
    }
    if (!pressed) PostMessageW(innermost, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindow(innermost) || !IsWindowVisible(innermost); }, 2000);
  }
}

}  // namespace psui
