// Context help: every dialog and page registers its own id and its control
// ids as help ids; requests open the program's help file (its own path with
// the extension .HLP) through the Windows help engine, one call per request.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/help_ids.h"

namespace psui {

// The first id becomes the help id of the dialog itself; each further id is
// a control id, and that control (when it exists) gets its id as help id.
void SetContextHelpIds(HWND dialog, const int* ids, int count);
void SetContextHelpIds(HWND dialog, const std::vector<int>& ids);

std::string HelpFilePath();
void OpenHelpContents(HWND owner);
void OpenHelpContext(HWND owner, DWORD contextId);
// Contents for ids below 3, that context otherwise.
void OpenHelpForId(HWND owner, DWORD id);

// F1 in a modal dialog: by the focused control.
void DialogHelpRequest(HWND dialog);
// The sheet's Help button, or F1 on a page: by the focused control.
void SheetHelpRequest(HWND sheet);

}  // namespace psui
