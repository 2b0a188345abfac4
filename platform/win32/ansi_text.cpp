#include "platform/ansi_text.h"

#include <windows.h>

namespace psui::platform {

std::u16string AnsiToUtf16(std::string_view text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return {};
  std::u16string wide(static_cast<size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                      reinterpret_cast<wchar_t*>(wide.data()), length);
  return wide;
}

uint32_t AnsiCodePage() { return GetACP(); }

}  // namespace psui::platform
