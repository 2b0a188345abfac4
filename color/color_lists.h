// The lists the colour dialogs and the Features page fill from the colour
// stores, on the application's working record.
#pragma once

#include <string>

#include "ui/controls.h"

namespace psui {

// Fills a quick colour configuration list: the six built-in names at the
// end in table order (even in a sorted list), then every usable stored
// profile through the list's own add (sorted position in a sorted list),
// item value 0. Selects the entry in force: by item value for a built-in
// preset; for preset 0 the entry named colorProfileName (case ignored), or,
// when there is none, "Auto" with colorPreset set to 1 (not applied).
void FillColorConfigList(const ComboBox& list);

// Adds the registrations of a kind the printer can hold now, item value
// `kind`; neither empties the list nor adds a "Nessuno" entry.
void FillResidentProfileList(const ComboBox& list, int kind);

// Deletes the registration shown as the list's selected entry (its typed
// text when nothing is selected), whole description, case ignored; removes
// that entry only when the registration went. Then selects the first entry.
void DeleteResidentProfile(const ComboBox& list, int kind);

// The entry whose whole text is `name`, case ignored. A name of 31 bytes may
// be a longer description cut to fit its 32-byte field: then an entry that
// begins with it counts too. -1 when there is none.
int FindProfileEntry(const ComboBox& list, const std::string& name);

}  // namespace psui
