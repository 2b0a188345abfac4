#include "tools/common/cp1252.h"

#include <cstdint>

#include "platform/cp1252.h"

namespace psui {

namespace {

using platform::kCp1252HighControls;

uint32_t CodePointOf(unsigned char byte) { return platform::Cp1252CodePoint(byte); }

void AppendUtf8(std::string* out, uint32_t cp) {
  if (cp < 0x80) {
    *out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    *out += static_cast<char>(0xC0 | (cp >> 6));
    *out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *out += static_cast<char>(0xE0 | (cp >> 12));
    *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 character; 0 bytes consumed on malformed input.
size_t NextCodePoint(std::string_view s, uint32_t* cp) {
  auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  if (b(0) < 0x80) {
    *cp = b(0);
    return 1;
  }
  size_t n = (b(0) & 0xE0) == 0xC0 ? 2 : (b(0) & 0xF0) == 0xE0 ? 3 : (b(0) & 0xF8) == 0xF0 ? 4 : 0;
  if (n == 0 || s.size() < n) return 0;
  uint32_t value = b(0) & (0x7F >> n);
  for (size_t i = 1; i < n; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (b(i) & 0x3F);
  }
  static const uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kMin[n] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *cp = value;
  return n;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  for (char c : bytes) AppendUtf8(&out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

bool Utf8ToCp1252(std::string_view utf8, std::string* bytes) {
  bytes->clear();
  while (!utf8.empty()) {
    uint32_t cp;
    size_t n = NextCodePoint(utf8, &cp);
    if (n == 0) return false;
    utf8.remove_prefix(n);
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      *bytes += static_cast<char>(cp);
      continue;
    }
    bool found = false;
    for (int i = 0; i < 32; ++i) {
      if (kCp1252HighControls[i] == cp) {
        *bytes += static_cast<char>(0x80 + i);
        found = true;
        break;
      }
    }
    if (!found) return false;
  }
  return true;
}

}  // namespace psui
