// Validation rules for what the user types, independent of any window.
#pragma once

#include <string_view>

namespace psui {

enum NumericMode { kWholeNumber = 1, kDecimalNumber = 2 };

// Position of the first character that the mode rejects, -1 when every
// character passes, or -2 for an empty text (rejected without a message).
// Mode 1: digits, with "-" or "+" only as a first character that more
// characters follow. Mode 2: digits, one "." anywhere, "+" only first with
// more to follow; "-" never. Any other mode accepts everything.
int FirstRejectedCharacter(std::string_view text, int mode);

// An 8.3 file name: the name after the last backslash, the extension after
// the last dot of the whole text; at most 8 and 3 characters. The characters
// themselves are not examined; an empty text passes.
bool IsDosFileName(std::string_view text);

}  // namespace psui
