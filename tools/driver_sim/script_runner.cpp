#include "tools/driver_sim/script_runner.h"

#include <commctrl.h>

#include <cstdio>

#include "tools/driver_sim/remote_window.h"

namespace psui {

namespace {

std::string Quote(const std::wstring& text) { return "\"" + WideToUtf8(text) + "\""; }

std::string QuoteList(const std::vector<std::wstring>& items) {
  std::string out;
  for (const auto& item : items) out += (out.empty() ? "" : " ") + Quote(item);
  return out.empty() ? "(no entries)" : out;
}

void PostCommand(HWND control, int code) {
  PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

}  // namespace

ScriptRunner::ScriptRunner(DWORD psuiProcessId, HWND sheet, std::string scriptPath,
                           std::function<void(DWORD)> pump)
    : process_(psuiProcessId), sheet_(sheet), script_path_(std::move(scriptPath)), pump_(std::move(pump)) {}

bool ScriptRunner::Run(const std::vector<ScriptLine>& lines) {
  bool failed = false;
  for (const ScriptLine& line : lines) {
    if (failed) {
      std::printf("skip %4d: %s\n", line.lineNumber, line.source.c_str());
      continue;
    }
    Outcome outcome = Execute(line);
    if (outcome.ok) {
      std::printf("ok   %4d: %s\n", line.lineNumber, line.source.c_str());
    } else {
      std::printf("FAIL %4d: %s: %s\n", line.lineNumber, line.source.c_str(), outcome.detail.c_str());
      failed = true;
    }
  }
  if (failed) {
    CloseEverything();
    PressSheetButton(PSBTN_CANCEL);
  } else if (!answered_) {
    std::printf("the script ends without ok or cancel: cancel\n");
    PressSheetButton(PSBTN_CANCEL);
  }
  return !failed;
}

ScriptRunner::Outcome ScriptRunner::Execute(const ScriptLine& line) {
  switch (line.command) {
    case ScriptCommand::kPage: return SelectPage(line.number);
    case ScriptCommand::kPageId: {
      LRESULT index = -1;
      SendRemote(sheet_, PSM_IDTOINDEX, 0, static_cast<LPARAM>(line.number), &index);
      if (index < 0) return {false, "no page of dialog " + std::to_string(line.number)};
      return SelectPage(static_cast<int>(index));
    }
    case ScriptCommand::kSelect: return Select(line);
    case ScriptCommand::kClick: return ClickControl(line);
    case ScriptCommand::kType: return TypeText(line);
    case ScriptCommand::kLeave: return LeaveControl(line);
    case ScriptCommand::kExpectText:
    case ScriptCommand::kExpectSelected:
    case ScriptCommand::kExpectChecked:
    case ScriptCommand::kExpectEnabled:
    case ScriptCommand::kExpectVisible:
    case ScriptCommand::kExpectCount:
    case ScriptCommand::kExpectItems: return Expect(line);
    case ScriptCommand::kBox: return WaitForBox(line);
    case ScriptCommand::kPress: return Press(line);
    case ScriptCommand::kDialog: return WaitForDialog(line);
    case ScriptCommand::kEndDialog: return EndDialog();
    case ScriptCommand::kScreenshot: return Screenshot(line);
    case ScriptCommand::kOk: return PressSheetButton(PSBTN_OK);
    case ScriptCommand::kCancel: return PressSheetButton(PSBTN_CANCEL);
    case ScriptCommand::kWaitMs: wait_ms_ = static_cast<DWORD>(line.number); return {true, ""};
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

HWND ScriptRunner::Target() const {
  if (!dialogs_.empty()) return dialogs_.back();
  LRESULT page = 0;
  SendRemote(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, &page);
  return reinterpret_cast<HWND>(page);
}

ScriptRunner::Outcome ScriptRunner::UsableControl(int id, HWND* control) const {
  HWND target = Target();
  *control = target ? GetDlgItem(target, id) : nullptr;
  if (!*control) return {false, "no control " + std::to_string(id)};
  if (!IsWindowVisible(*control)) return {false, "control " + std::to_string(id) + " is hidden"};
  if (!IsWindowEnabled(*control)) return {false, "control " + std::to_string(id) + " is disabled"};
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::SelectPage(int index) {
  // Pages are created when first shown, so the tabs tell how many there are.
  LRESULT count = 0;
  SendRemote(FindWindowExW(sheet_, nullptr, L"SysTabControl32", nullptr), TCM_GETITEMCOUNT, 0, 0, &count);
  if (index < 0 || index >= count) {
    return {false, "no page " + std::to_string(index) + " (the sheet has " + std::to_string(count) + ")"};
  }
  auto current_index = [&] {
    LRESULT page = 0, current = -1;
    SendRemote(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, &page);
    if (page) SendRemote(sheet_, PSM_HWNDTOINDEX, page, 0, &current);
    return static_cast<int>(current);
  };
  PostMessageW(sheet_, PSM_SETCURSEL, index, 0);
  WaitUntil(
      [&] {
        if (current_index() == index) return true;
        // A page that refuses to be left shows why; no use waiting longer.
        for (HWND window : ProcessDialogs(process_)) {
          if (IsMessageBoxWindow(window)) return true;
        }
        return false;
      },
      wait_ms_);
  if (current_index() != index) return {false, "page " + std::to_string(index) + " did not become current"};
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::Select(const ScriptLine& line) {
  HWND control;
  if (Outcome usable = UsableControl(line.number, &control); !usable.ok) return usable;
  std::wstring wanted = Utf8ToWide(line.texts[0]);
  std::vector<std::wstring> items = RemoteItems(control);
  int index = -1;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] != wanted) continue;
    if (index >= 0) return {false, Quote(wanted) + " is in the list twice"};
    index = static_cast<int>(i);
  }
  if (index < 0) return {false, "no entry " + Quote(wanted) + "; the list holds " + QuoteList(items)};
  if (IsComboBox(control)) {
    PostCommand(control, CBN_DROPDOWN);
    SendRemote(control, CB_SETCURSEL, index, 0, nullptr);
    PostCommand(control, CBN_SELENDOK);
    PostCommand(control, CBN_CLOSEUP);
    PostCommand(control, CBN_SELCHANGE);
  } else if (IsListBox(control)) {
    SendRemote(control, LB_SETCURSEL, index, 0, nullptr);
    PostCommand(control, LBN_SELCHANGE);
  } else {
    return {false, "control " + std::to_string(line.number) + " is not a list"};
  }
  pump_(50);
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::ClickControl(const ScriptLine& line) {
  HWND control;
  if (Outcome usable = UsableControl(line.number, &control); !usable.ok) return usable;
  PostMessageW(control, BM_CLICK, 0, 0);
  pump_(50);
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::TypeText(const ScriptLine& line) {
  HWND control;
  if (Outcome usable = UsableControl(line.number, &control); !usable.ok) return usable;
  if (!IsEditControl(control)) return {false, "control " + std::to_string(line.number) + " is not an edit"};
  if (GetWindowLongPtrW(control, GWL_STYLE) & ES_READONLY) {
    return {false, "edit " + std::to_string(line.number) + " is read-only"};
  }
  LRESULT limit = 0;
  SendRemote(control, EM_GETLIMITTEXT, 0, 0, &limit);
  std::wstring text = Utf8ToWide(line.texts[0]);
  if (limit >= 0 && text.size() > static_cast<size_t>(limit)) text.resize(static_cast<size_t>(limit));
  // WM_SETTEXT carries a pointer, so it cannot be posted; a short bound lets
  // the script go on when the edit's notification opens a message box.
  SendRemote(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), nullptr, 1000);
  SendRemote(control, EM_SETMODIFY, TRUE, 0, nullptr);
  pump_(50);
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::LeaveControl(const ScriptLine& line) {
  HWND control;
  if (Outcome usable = UsableControl(line.number, &control); !usable.ok) return usable;
  HWND dialog = GetParent(control);
  DWORD thread = GetWindowThreadProcessId(control, nullptr);
  PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  auto focus = [thread] {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    return info.hwndFocus;
  };
  if (!WaitUntil([&] { return focus() == control; }, wait_ms_)) {
    return {false, "control " + std::to_string(line.number) + " did not take the focus"};
  }
  PostMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
  if (!WaitUntil([&] { return focus() != control; }, wait_ms_)) {
    return {false, "the focus stayed on " + std::to_string(line.number)};
  }
  return {true, ""};
}

ScriptRunner::Outcome ScriptRunner::Expect(const ScriptLine& line) {
  HWND target = Target();
  HWND control = target ? GetDlgItem(target, line.number) : nullptr;
  if (!control) return {false, "no control " + std::to_string(line.number)};
  auto yes_no = [](bool value) { return std::string(value ? "yes" : "no"); };
  switch (line.command) {
    case ScriptCommand::kExpectText: {
      std::wstring seen = RemoteText(control);
      if (seen == Utf8ToWide(line.texts[0])) return {true, ""};
      return {false, "expected " + Quote(Utf8ToWide(line.texts[0])) + ", saw " + Quote(seen)};
    }
    case ScriptCommand::kExpectSelected: {
      int index = RemoteSelection(control);
      std::vector<std::wstring> items = RemoteItems(control);
      bool none = index < 0 || static_cast<size_t>(index) >= items.size();
      std::string seen = none ? "none" : Quote(items[index]);
      if (line.flag) return {none, "expected none, saw " + seen};
      bool same = !none && items[index] == Utf8ToWide(line.texts[0]);
      return {same, "expected " + Quote(Utf8ToWide(line.texts[0])) + ", saw " + seen};
    }
    case ScriptCommand::kExpectChecked: {
      LRESULT state = 0;
      SendRemote(control, BM_GETCHECK, 0, 0, &state);
      bool checked = state == BST_CHECKED;
      return {checked == line.flag, "expected checked " + yes_no(line.flag) + ", saw " + yes_no(checked)};
    }
    case ScriptCommand::kExpectEnabled: {
      bool enabled = IsWindowEnabled(control) != FALSE;
      return {enabled == line.flag, "expected enabled " + yes_no(line.flag) + ", saw " + yes_no(enabled)};
    }
    case ScriptCommand::kExpectVisible: {
      bool visible = IsWindowVisible(control) != FALSE;
      return {visible == line.flag, "expected visible " + yes_no(line.flag) + ", saw " + yes_no(visible)};
    }
    case ScriptCommand::kExpectCount: {
      size_t count = RemoteItems(control).size();
      return {count == static_cast<size_t>(line.count),
              "expected " + std::to_string(line.count) + " entries, saw " + std::to_string(count)};
    }
    case ScriptCommand::kExpectItems: {
      std::vector<std::wstring> items = RemoteItems(control);
      std::vector<std::wstring> wanted;
      for (const auto& text : line.texts) wanted.push_back(Utf8ToWide(text));
      return {items == wanted, "expected " + QuoteList(wanted) + ", saw " + QuoteList(items)};
    }
    default: return {false, "not an expectation"};
  }
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
      if (IsMessageBoxWindow(window)) seen += " " + Quote(MessageBoxText(window));
    }
    return {false, "no message box " + Quote(wanted) + (seen.empty() ? "; none open" : "; open:" + seen)};
  }
  box_ = box;
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
    return {false, "the dialog " + Quote(RemoteText(dialog)) + " is still open"};
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

ScriptRunner::Outcome ScriptRunner::PressSheetButton(int button) {
  PostMessageW(sheet_, PSM_PRESSBUTTON, button, 0);
  answered_ = true;
  pump_(50);
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
