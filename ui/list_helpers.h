// Filling and reading the drop-down lists whose entries carry codes of the
// code tables, and narrowing them by the PPD's constraints. The PPD image and
// the record are the application's; without an application object the helpers
// behave as without an image.
#pragma once

#include "exchange/code_tables.h"
#include "ui/controls.h"

namespace psui {

// Appends every row's name with its code as item data; selects the last
// entry whose code is `current`, or the first entry when none is.
void FillListFromTable(const ComboBox& combo, const CodeRow* table, int current);
// The same for at most the first n rows; nothing at all for n = 0.
void FillListFromTableFirstN(const ComboBox& combo, const CodeRow* table, int current, int n);
// Appends the translation of every option of `keyword` that has a name and a
// translation, with the code of its name (0 for a name the table lacks);
// selects the last entry with code `current`, or the first entry. False,
// and the list untouched, without an image or when the keyword has no options.
bool FillListFromPpd(const ComboBox& combo, const char* keyword, const CodeRow* table, int current);

int SelectedListIndex(const ComboBox& combo);
// The item data of the selected entry, -1 when nothing is selected.
int SelectedListCode(const ComboBox& combo);
// Selects the first entry whose item data is `value`: 1; 0 and the selection
// unchanged when there is none.
int SelectListCode(const ComboBox& combo, int value);

// Deletes the entries that the PPD's constraints exclude while `keyword` is
// set to the option shown as `translation`: each constraint whose second
// pair that is, and whose first pair belongs to `listKeyword`, removes the
// entry whose text begins with the first pair's option text. Returns the
// number of entries removed (0 without an image).
int RemoveConstrainedItems(const char* keyword, const char* translation, const ComboBox& combo,
                           const char* listKeyword);
// Lets a list box with a horizontal scroll bar scroll to its widest entry
// (measured in the list's font), and no further.
void FitHorizontalExtent(const ListBox& list);

// RemoveConstrainedItems for the installable units that are or are not
// fitted ("Installato" / "Non installato" by the record's flags).
void RemoveItemsForMissingOptions(const ComboBox& combo, const char* listKeyword);

}  // namespace psui
