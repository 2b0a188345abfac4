#include "ui/font_families.h"

#include <algorithm>

namespace psui {

namespace {

int CALLBACK AddTrueTypeFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM context) {
  if (type & TRUETYPE_FONTTYPE) {
    auto& names = *reinterpret_cast<std::vector<std::string>*>(context);
    std::string name(font->lfFaceName);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
  }
  return 1;
}

}  // namespace

std::vector<std::string> TrueTypeFamilies(HDC dc) {
  std::vector<std::string> names;
  EnumFontFamiliesA(dc, nullptr, AddTrueTypeFamily, reinterpret_cast<LPARAM>(&names));
  return names;
}

std::vector<std::string> TrueTypeFamiliesOf(HWND window) {
  HDC dc = GetDC(window);
  std::vector<std::string> names = TrueTypeFamilies(dc);
  ReleaseDC(window, dc);
  return names;
}

}  // namespace psui
