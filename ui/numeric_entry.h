// Checks typed numbers character by character, telling the user when a
// character is not allowed.
#pragma once

#include <string>

namespace psui {

// True when every character passes the mode's rules (see entry_rules.h);
// on the first rejected character shows "Voce non valida, i caratteri devo
// essere cifre" (OK only) and returns false. An empty text is rejected
// without a message.
bool CheckNumericEntry(const char* text, int mode);

// "Valore fuori intervallo; deve essere tra %d e %d" with the two bounds.
std::string RangeMessage(int low, int high);

}  // namespace psui
