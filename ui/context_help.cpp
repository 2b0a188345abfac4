#include "ui/context_help.h"

#include "ui/common_controls.h"

#include "ui/external_calls.h"

namespace psui {

void SetContextHelpIds(HWND dialog, const int* ids, int count) {
  if (count <= 0) return;
  SetWindowContextHelpId(dialog, ids[0]);
  for (int i = 1; i < count; ++i) {
    if (HWND control = GetDlgItem(dialog, ids[i])) SetWindowContextHelpId(control, ids[i]);
  }
}

void SetContextHelpIds(HWND dialog, const std::vector<int>& ids) {
  SetContextHelpIds(dialog, ids.data(), static_cast<int>(ids.size()));
}

std::string HelpFilePath() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string help(path, length);
  size_t slash = help.find_last_of("\\/");
  size_t dot = help.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) help.erase(dot);
  return help + ".HLP";
}

void OpenHelpContents(HWND owner) {
  External().winHelp(owner, HelpFilePath().c_str(), HELP_CONTENTS, 0);
}

void OpenHelpContext(HWND owner, DWORD contextId) {
  External().winHelp(owner, HelpFilePath().c_str(), HELP_CONTEXT, contextId);
}

void OpenHelpForId(HWND owner, DWORD id) {
  if (id >= 3) {
    OpenHelpContext(owner, id);
  } else {
    OpenHelpContents(owner);
  }
}

void DialogHelpRequest(HWND dialog) {
  HWND focused = GetFocus();
  if (!focused || (focused != dialog && !IsChild(dialog, focused))) {
    // Nothing of the dialog has the focus: the dialog's own help.
    OpenHelpForId(dialog, GetWindowContextHelpId(dialog));
    return;
  }
  int id = GetDlgCtrlID(focused);
  if (id == IDOK || id == IDCANCEL) {
    OpenHelpContents(dialog);
    return;
  }
  OpenHelpForId(dialog, GetWindowContextHelpId(focused));
}

void SheetHelpRequest(HWND sheet) {
  HWND focused = GetFocus();
  int id = focused ? GetDlgCtrlID(focused) : 0;
  if (id == 0) return;
  DWORD help_id;
  if (id == IDHELP && GetParent(focused) == sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    help_id = page ? GetWindowContextHelpId(page) : 0;
  } else if (id == IDOK || id == IDCANCEL) {
    help_id = 0;
  } else {
    help_id = GetWindowContextHelpId(focused);
    if (help_id == 0) help_id = GetDlgCtrlID(GetParent(focused));
  }
  OpenHelpForId(sheet, help_id);
}

}  // namespace psui
