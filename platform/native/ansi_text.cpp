#include "platform/ansi_text.h"

#include "platform/cp1252.h"

namespace psui::platform {

std::u16string AnsiToUtf16(std::string_view text) {
  std::u16string wide;
  wide.reserve(text.size());
  for (char c : text) wide.push_back(Cp1252CodePoint(static_cast<unsigned char>(c)));
  return wide;
}

uint32_t AnsiCodePage() { return 1252; }

}  // namespace psui::platform
