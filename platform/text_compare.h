// Comparison of texts the way the user's Windows compares them: lstrcmpA
// on Windows (the locale's word sort). Natively a stand-in that compares
// bytes: it reports equality exactly when lstrcmpA does for ASCII texts
// (lstrcmpA never finds two different ASCII texts equal), but orders them
// by byte value rather than linguistically, and for bytes of 0x80 and above
// it may call unequal what Windows calls equal (for example a ligature and
// its letters). Null texts are equal only to each other and sort before
// every other text, as with lstrcmpA; they are never dereferenced.
#pragma once

namespace psui::platform {

int CompareTextA(const char* a, const char* b);

}  // namespace psui::platform
