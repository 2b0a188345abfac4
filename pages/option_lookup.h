// Lookups the paper pages make in the compiled PPD: the text the lists show
// for a stored option name, and whether a chosen option rules out a keyword.
#pragma once

#include "ppd/ppd_image.h"

namespace psui {

// The translation of the first option of `keyword` named `name` that has
// one; null when there is none or no name is given. Options without name or
// translation are passed over: the lists never show them.
const char* TranslationOf(const PpdImage& image, const char* keyword, const char* name);

// The translation of the last option of `keyword` that has a name and a
// translation; null when there is none.
const char* LastTranslation(const PpdImage& image, const char* keyword);

// True when a constraint whose second pair is (`keyword`, the option shown
// as `text`) names `constrainedKeyword` in its first pair, whatever its
// option. A null text asks nothing. Runs one whole constraint enumeration:
// do not call it inside another.
bool RulesOutKeyword(const PpdImage& image, const char* keyword, const char* text,
                     const char* constrainedKeyword);

}  // namespace psui
