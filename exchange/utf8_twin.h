// The UTF-8 twins of the account fields (authorUtf8, hostUtf8,
// accountNumberUtf8): the ANSI text converted to UTF-16 with the ANSI code
// page, then encoded as UTF-8 the way the driver reads it back.
#pragma once

#include <cstddef>
#include <string_view>

namespace psui {

// Encodes UTF-16 code units as UTF-8 into `field` of `width` bytes: one byte
// below U+0080, two below U+0800, three otherwise. A surrogate is not paired
// with its partner: each one is three bytes on its own, which is what the
// driver expects. The result is NUL-terminated and cut only between whole
// characters: a character whose bytes do not all fit before the NUL is left
// out with everything after it. Bytes after the NUL are left as they were.
// Returns the number of text bytes written (the NUL not counted); nothing is
// written for a width of 0.
size_t EncodeUtf8Twin(std::u16string_view text, char* field, size_t width);

// The ANSI text (in the system's ANSI code page) as UTF-8 into `twin`.
size_t SetUtf8Twin(std::string_view ansi, char* twin, size_t width);
template <size_t N>
size_t SetUtf8Twin(std::string_view ansi, char (&twin)[N]) {
  return SetUtf8Twin(ansi, twin, N);
}

}  // namespace psui
