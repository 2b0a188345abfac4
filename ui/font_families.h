// The TrueType font families a device context offers, for the lists that
// let the user pick a system font.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace psui {

// Every TrueType family of the device context (EnumFontFamiliesA), each
// name once, in the order the system reports them.
std::vector<std::string> TrueTypeFamilies(HDC dc);
// The same for the display context of a window.
std::vector<std::string> TrueTypeFamiliesOf(HWND window);

}  // namespace psui
