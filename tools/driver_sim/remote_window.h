// Reading another process's windows: texts through the W messages (under
// Wine the A messages come back as UTF-16 across processes), every send
// bounded so that a busy psui never blocks the caller.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/common/message_box_window.h"

namespace psui {

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

// SendMessageTimeoutW with a bound; false when the send failed or timed out.
bool SendRemote(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result,
                DWORD timeoutMs = 2000);

std::wstring RemoteText(HWND window);
bool IsComboBox(HWND window);
bool IsListBox(HWND window);
bool IsEditControl(HWND window);
// The entries of a combo box or list box.
std::vector<std::wstring> RemoteItems(HWND control);
// The selected position of a combo box or list box, -1 for none.
int RemoteSelection(HWND control);

// psui's visible top-level dialog windows, topmost first.
std::vector<HWND> ProcessDialogs(DWORD processId);
// The text of a message box (IsMessageBoxWindow, tools/common).
std::wstring MessageBoxText(HWND box);

}  // namespace psui
