// A picture of a window as it is on the screen, saved as a 24-bit BMP file,
// for the gallery programs.
#pragma once

#include <windows.h>

#include <string>

namespace psui::test {

bool SaveWindowPicture(HWND window, const std::string& path);

}  // namespace psui::test
