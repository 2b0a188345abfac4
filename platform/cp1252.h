// Code page 1252, the code page of the record's texts: bytes below 0x80 and
// from 0xA0 are their own code points; 0x80-0x9F follow the table below, in
// which the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same number, as
// Windows maps them.
#pragma once

namespace psui::platform {

// Code points of the bytes 0x80-0x9F.
constexpr char16_t kCp1252HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char16_t Cp1252CodePoint(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kCp1252HighControls[byte - 0x80] : char16_t{byte};
}

}  // namespace psui::platform
