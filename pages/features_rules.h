// What the Features page's choices do to the record, apart from any window:
// the resolution and the quick colour configuration chosen in its lists,
// and the toner-saving check when the page is left.
#pragma once

#include <string_view>

#include "exchange/settings_block.h"
#include "ppd/ppd_image.h"

namespace psui {

// The resolution list's choice: its code (-1 when nothing is selected) and
// the dots per inch the code stands for.
void TakeResolution(SettingsBlock& record, int code);

// The colour list's choice: the entry's text becomes colorProfileName and
// its code colorPreset. A stored profile (code 0) is loaded and nothing else
// changes; codes 3 and 6 are black and white; any other code is colour
// without a negative image. Every code but 0 then applies its built-in
// settings (none for a code without a setting string).
void TakeColorConfiguration(SettingsBlock& record, std::string_view text, int code);

// Toner saving cannot be combined with a resolution the printer forbids it
// at: when the PPD constrains a "MiserMode" option against the Resolution
// option of `resolution` (found by its option keyword, checked by its
// translation), tonerSave becomes 0. Options without a keyword or a
// translation are passed over; a resolution without a translation, or one
// the PPD lacks, is not checked. Leaving the page is never refused.
void SettleTonerSaving(SettingsBlock& record, const PpdImage* image);

}  // namespace psui
