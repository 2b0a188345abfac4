// Every message box of the program goes through here; texts come from the
// string table.
#pragma once

#include <windows.h>

#include <string>

namespace psui {

std::string LoadText(UINT id);
// Shows text with the program's title as caption unless one is given; the
// owner defaults to the active window of the thread.
int ShowMessage(const std::string& text, UINT flags = MB_OK, const char* caption = nullptr,
                HWND owner = nullptr);
// A box that belongs to no window: no owner (with MB_TASKMODAL every window
// of the thread is disabled while it shows) and, when caption is null, the
// system's default caption ("Error") rather than the program's title.
int ShowUnownedMessage(const std::string& text, UINT flags = MB_OK, const char* caption = nullptr);

}  // namespace psui
