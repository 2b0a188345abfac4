// Windows-1252 <-> UTF-8. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 and so on, as Windows maps
// them, so every byte string converts to UTF-8 and back to the same bytes.
#pragma once

#include <string>
#include <string_view>

namespace psui {

std::string Cp1252ToUtf8(std::string_view bytes);
// False when the text is not UTF-8 or holds a character the code page lacks.
bool Utf8ToCp1252(std::string_view utf8, std::string* bytes);

}  // namespace psui
