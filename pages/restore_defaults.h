// The restore-defaults command of the About page: every document setting of
// the record back to the driver's defaults, those the PPD decides taken from
// its defaults. No page window is needed: the pages show the new values when
// they are next activated.
#pragma once

#include "exchange/settings_block.h"
#include "ppd/ppd_image.h"

namespace psui {

// Writes the defaults in this order: the custom colours; output bin (1 until
// the PPD says otherwise) and driverWord1; layout, paper source and the
// banner, first-page and trailer pages; graphics; the colour group (preset 1,
// "2023010"); PostScript options; document options (collating only with a
// hard disk); overlays; the watermark ("Nessuno", its details as for a new
// one: text "Filigrana"); font substitution, with the printer's default
// substitution table ("DfltFontSub") copied into the one in force. Without an image that is
// all. With one, paper size, media type and output bin take the codes of
// the PPD's default options (1 for a keyword that is missing or has no
// options, 0 for an option keyword the code table lacks), and the
// resolution that of its default; without a Resolution default, 600 dpi
// (code 2).
//
// Untouched: the device, account and printer fields, the option flags, the
// custom paper size, watermarkFontData, documentProfileName,
// collateDefaulted, driverWord2 and every reserved byte.
void RestoreDriverDefaults(SettingsBlock& record, const PpdImage* image);

}  // namespace psui
