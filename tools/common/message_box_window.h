// Telling a message box from a dialog, in this process or another one.
//
// Measured under Wine: a message box is a top-level "#32770" window whose
// text is a static control with id 0xFFFF, beside an icon and its buttons.
// A label with id -1 in a DIALOG template gets id 0xFFFF as well, so the id
// alone cannot tell a box from a program's dialog. What can: the box and its
// controls are made by the system from its own template, so they carry no
// instance handle (Windows: user32's), while every window a program creates
// from its templates carries the program's module. Both facts are readable
// across processes.
#pragma once

#include <windows.h>

namespace psui {

// Id of the static control that holds a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

// True for a window MessageBox created: a top-level dialog made by the
// system, with the text static and nothing but statics and buttons in it.
bool IsMessageBoxWindow(HWND window);

}  // namespace psui
