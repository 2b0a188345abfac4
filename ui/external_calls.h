// The calls that leave the program for another one: the help engine and
// WinExec (browser, download utilities). They go through these pointers so
// the UI tests can observe a request without starting a help viewer.
#pragma once

#include <windows.h>

namespace psui {

struct ExternalCalls {
  BOOL(WINAPI* winHelp)(HWND, LPCSTR, UINT, ULONG_PTR) = WinHelpA;
  UINT(WINAPI* winExec)(LPCSTR, UINT) = WinExec;
};

ExternalCalls& External();

}  // namespace psui
