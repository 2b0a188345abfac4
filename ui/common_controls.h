// <commctrl.h> as the product's Windows version allows it. The mingw-w64
// headers offer every message up to comctl32 5.80 whatever _WIN32_IE says;
// for the progress-bar and up-down messages this program would reach for,
// the compiler refuses the ones the _WIN32_IE in force does not have.
// Windows 95's own comctl32 (4.00, _WIN32_IE 0x0200) ignores them at run time.
#pragma once

#include <windows.h>
#include <commctrl.h>

#if _WIN32_IE < 0x0300  // comctl32 4.70
#undef PBM_SETRANGE32
#undef PBM_GETRANGE
#undef PBM_GETPOS
#pragma GCC poison PBM_SETRANGE32 PBM_GETRANGE PBM_GETPOS InitCommonControlsEx
#endif
#if _WIN32_IE < 0x0400  // comctl32 4.71
#undef UDM_SETRANGE32
#undef UDM_GETRANGE32
#undef PBM_SETBARCOLOR
#undef PBM_SETBKCOLOR
#pragma GCC poison UDM_SETRANGE32 UDM_GETRANGE32 PBM_SETBARCOLOR PBM_SETBKCOLOR
#endif
#if _WIN32_IE < 0x0500  // comctl32 5.80
#undef UDM_SETPOS32
#undef UDM_GETPOS32
#pragma GCC poison UDM_SETPOS32 UDM_GETPOS32
#endif
