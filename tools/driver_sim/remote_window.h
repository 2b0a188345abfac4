// Reading another process's windows: texts through the W messages (under
// Wine the A messages come back as UTF-16 across processes), every send
// bounded so that a busy psui never blocks the caller. A send that times out
// is lost, never answered later (measured under Wine), so every read says
// whether it got an answer: an empty text and no answer are not the same.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/common/message_box_window.h"

namespace psui {

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

// How long one read may take; a busy psui gets asked again by the caller.
constexpr DWORD kReadBoundMs = 1000;

// SendMessageTimeoutW with a bound; false when the send failed or timed out.
bool SendRemote(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result,
                DWORD timeoutMs = kReadBoundMs);

// Each read is empty (std::nullopt) when psui did not answer in time.
std::optional<std::wstring> RemoteText(HWND window);
std::optional<LRESULT> RemoteValue(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
// The entries of a combo box or list box.
std::optional<std::vector<std::wstring>> RemoteItems(HWND control);
// The selected position of a combo box or list box, -1 for none.
std::optional<int> RemoteSelection(HWND control);

bool IsComboBox(HWND window);
// An extended combo box (the name field of the system's file dialogs).
bool IsExtendedComboBox(HWND window);
bool IsListBox(HWND window);
bool IsEditControl(HWND window);
bool IsUpDown(HWND window);
bool IsProgressBar(HWND window);

// psui's visible top-level dialog windows, topmost first.
std::vector<HWND> ProcessDialogs(DWORD processId);
// The text of a message box (IsMessageBoxWindow, tools/common).
std::optional<std::wstring> MessageBoxText(HWND box);
// The window that has the keyboard focus in a thread, or null.
HWND ThreadFocus(DWORD threadId);

}  // namespace psui
