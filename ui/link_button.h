// The owner-drawn push button used for web links: a button frame with its
// caption in blue.
#pragma once

#include <windows.h>

namespace psui {

constexpr COLORREF kLinkTextColor = RGB(0, 0, 255);

// Switches a push button to owner-draw; its parent then gets WM_DRAWITEM.
void MakeLinkButton(HWND button);
// Draws the button (pressed look while selected) and its text, centred on one
// line, in blue; the device context's text colour is restored afterwards.
void DrawLinkButton(const DRAWITEMSTRUCT& item);

}  // namespace psui
