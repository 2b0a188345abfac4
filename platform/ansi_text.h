// Texts in the ANSI code page as UTF-16: MultiByteToWideChar with CP_ACP on
// Windows. Natively a stand-in for code page 1252 (the code page of the
// record's texts): bytes below 0x80 and from 0xA0 are their own code points,
// 0x80-0x9F follow the code page's table, and its five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same
// number, as Windows maps them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace psui::platform {

std::u16string AnsiToUtf16(std::string_view text);

// The ANSI code page in use (GetACP); 1252 natively.
uint32_t AnsiCodePage();

}  // namespace psui::platform
