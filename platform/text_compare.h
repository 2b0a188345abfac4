// Comparison of texts the way the user's Windows compares them: lstrcmpA
// on Windows (a linguistic word sort in the user's locale).
//
// Natively a stand-in that compares bytes. For equality it agrees with
// lstrcmpA on ASCII texts: under Wine 8.0, lstrcmpA found no two different
// texts equal among all texts of one or two characters from 0x01-0x7F nor
// among texts that differ only by '-' or '\''. Its order differs: lstrcmpA
// sorts letters without regard to case first ("a" < "B" < "b"), puts
// punctuation before digits before letters and weighs '-' and '\'' last,
// where the stand-in orders by byte value. Bytes of 0x80 and above go
// through the ANSI code page: with code page 1252 lstrcmpA calls "\xE6"
// and "ae", "\xDF" and "ss", "\x9C" and "oe" equal (measured under Wine
// 8.0) and sorts accented letters beside their base letters; the stand-in
// calls such texts different and orders them by byte value.
// Null texts are equal only to each other and sort before every other
// text, as with lstrcmpA; they are never dereferenced.
#pragma once

namespace psui::platform {

int CompareTextA(const char* a, const char* b);

// The same without regard to letter case: lstrcmpiA on Windows. The native
// stand-in folds ASCII letters only and then compares bytes.
int CompareTextIgnoringCaseA(const char* a, const char* b);

}  // namespace psui::platform
