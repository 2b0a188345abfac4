#include "tools/driver_sim/remote_window.h"

#include <commctrl.h>

#include <cstring>

namespace psui {

std::wstring Utf8ToWide(const std::string& text) {
  if (text.empty()) return std::wstring();
  int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::string WideToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
  std::string narrow(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length, nullptr,
                      nullptr);
  return narrow;
}

bool SendRemote(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result,
                DWORD timeoutMs) {
  DWORD_PTR value = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, timeoutMs, &value)) {
    return false;
  }
  if (result) *result = static_cast<LRESULT>(value);
  return true;
}

std::optional<LRESULT> RemoteValue(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT value = 0;
  if (!SendRemote(window, message, wparam, lparam, &value)) return std::nullopt;
  return value;
}

std::optional<std::wstring> RemoteText(HWND window) {
  std::optional<LRESULT> length = RemoteValue(window, WM_GETTEXTLENGTH);
  if (!length) return std::nullopt;
  if (*length <= 0) return std::wstring();
  std::wstring text(*length + 1, L'\0');
  std::optional<LRESULT> copied = RemoteValue(window, WM_GETTEXT, *length + 1, reinterpret_cast<LPARAM>(&text[0]));
  if (!copied) return std::nullopt;
  text.resize(*copied > 0 ? *copied : 0);
  return text;
}

static bool ClassIs(HWND window, const char* name) {
  char buffer[64] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return _stricmp(buffer, name) == 0;
}

bool IsComboBox(HWND window) { return ClassIs(window, "ComboBox"); }
bool IsExtendedComboBox(HWND window) { return ClassIs(window, WC_COMBOBOXEXA); }
bool IsListBox(HWND window) { return ClassIs(window, "ListBox"); }
bool IsEditControl(HWND window) { return ClassIs(window, "Edit"); }
bool IsUpDown(HWND window) { return ClassIs(window, UPDOWN_CLASSA); }
bool IsProgressBar(HWND window) { return ClassIs(window, PROGRESS_CLASSA); }

std::optional<std::vector<std::wstring>> RemoteItems(HWND control) {
  bool combo = IsComboBox(control);
  UINT get_count = combo ? CB_GETCOUNT : LB_GETCOUNT;
  UINT get_length = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
  UINT get_text = combo ? CB_GETLBTEXT : LB_GETTEXT;
  std::vector<std::wstring> items;
  std::optional<LRESULT> count = RemoteValue(control, get_count);
  if (!count) return std::nullopt;
  for (LRESULT i = 0; i < *count; ++i) {
    std::optional<LRESULT> length = RemoteValue(control, get_length, i);
    if (!length) return std::nullopt;
    std::wstring text(*length > 0 ? *length + 1 : 1, L'\0');
    std::optional<LRESULT> copied = RemoteValue(control, get_text, i, reinterpret_cast<LPARAM>(&text[0]));
    if (!copied) return std::nullopt;
    text.resize(*copied > 0 ? *copied : 0);
    items.push_back(text);
  }
  return items;
}

std::optional<int> RemoteSelection(HWND control) {
  std::optional<LRESULT> selection = RemoteValue(control, IsComboBox(control) ? CB_GETCURSEL : LB_GETCURSEL);
  if (!selection) return std::nullopt;
  return static_cast<int>(*selection);
}

namespace {

struct DialogSearch {
  DWORD process;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessDialog(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<DialogSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process && IsWindowVisible(window) && ClassIs(window, "#32770")) {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> ProcessDialogs(DWORD processId) {
  DialogSearch search = {processId, {}};
  EnumWindows(CollectProcessDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::optional<std::wstring> MessageBoxText(HWND box) { return RemoteText(GetDlgItem(box, kMessageBoxTextId)); }

HWND ThreadFocus(DWORD threadId) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
  return info.hwndFocus;
}

}  // namespace psui
