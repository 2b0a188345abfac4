// Texts in the ANSI code page as UTF-16: MultiByteToWideChar with CP_ACP on
// Windows. Natively a stand-in that reads code page 1252 (platform/cp1252.h),
// the code page of the record's texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace psui::platform {

std::u16string AnsiToUtf16(std::string_view text);

// The ANSI code page in use (GetACP); 1252 natively.
uint32_t AnsiCodePage();

}  // namespace psui::platform
