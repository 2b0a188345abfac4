#include "exchange/utf8_twin.h"

#include "platform/ansi_text.h"

namespace psui {

size_t EncodeUtf8Twin(std::u16string_view text, char* field, size_t width) {
  if (width == 0) return 0;
  const size_t room = width - 1;  // keep one byte for the NUL
  size_t used = 0;
  for (char16_t unit : text) {
    char bytes[3];
    size_t count;
    if (unit < 0x80) {
      bytes[0] = static_cast<char>(unit);
      count = 1;
    } else if (unit < 0x800) {
      bytes[0] = static_cast<char>(0xC0 | (unit >> 6));
      bytes[1] = static_cast<char>(0x80 | (unit & 0x3F));
      count = 2;
    } else {
      bytes[0] = static_cast<char>(0xE0 | (unit >> 12));
      bytes[1] = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      bytes[2] = static_cast<char>(0x80 | (unit & 0x3F));
      count = 3;
    }
    if (count > room - used) break;
    for (size_t i = 0; i < count; ++i) field[used + i] = bytes[i];
    used += count;
  }
  field[used] = '\0';
  return used;
}

size_t SetUtf8Twin(std::string_view ansi, char* twin, size_t width) {
  return EncodeUtf8Twin(platform::AnsiToUtf16(ansi), twin, width);
}

}  // namespace psui
