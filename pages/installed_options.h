// The installable options of the Settings page: which PPD keywords stand for
// which option flag of the record, what the two lists show, and the rules
// that keep the flags consistent when the user installs or removes one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "exchange/settings_block.h"
#include "ppd/ppd_image.h"
#include "printer_comm/printer_queries.h"

namespace psui {

// An option flag is named by its record offset (842-858): that is what the
// list entries carry as item data, never an address into the record.
using OptionFlag = size_t;
constexpr OptionFlag kNoOptionFlag = 0;

// The flag of an installable keyword (names compared exactly), or
// kNoOptionFlag for a keyword the page does not list. "Optionalfeeder" and
// "ManualFeed" share one flag.
OptionFlag OptionFlagFor(const char* keyword);
// True for the flag of one of the listed keywords.
bool IsOptionFlag(OptionFlag flag);
bool IsOptionInstalled(const SettingsBlock& record, OptionFlag flag);

struct InstallableOption {
  std::string text;  // the keyword's translation, or its name when it has none
  OptionFlag flag;
  bool installed;
};

// The PPD's installable keywords that the page lists, in PPD order. Meeting
// "OptionalDisk" applies the collate rule: with the disk installed collating
// is switched on once (collate and collateDefaulted 1, unless
// collateDefaulted is already 1); without it both are 0. Nothing without an
// image.
std::vector<InstallableOption> ListInstallableOptions(const PpdImage* image, SettingsBlock& record);

// The user installs the option (its flag becomes 1). Installing the second
// tray without the first installs the first as well and returns true: the
// lists must then be filled again. Installing the hard disk switches
// collating on unless it was switched on before.
bool InstallOption(SettingsBlock& record, OptionFlag flag);
// The user removes the option. Removing the first tray while the second is
// installed removes the second too and returns true (fill the lists again).
// Removing the hard disk switches collating off; the settings that need the
// disk are reset only when the page is left.
bool RemoveOption(SettingsBlock& record, OptionFlag flag);

// Leaving the page (and OK): no second tray without the first, the settings
// that need the hard disk reset without one, and the three account twins
// rebuilt.
void LeaveSettingsPage(SettingsBlock& record);

// The page's own check of two-way communication: kPrinterNotQueried without
// an address (nothing is sent); otherwise the installed-options query decides
// between kPrinterAnswered and kPrinterQueryFailed, and the supply table is
// read into `rows` as well.
int CheckTwoWayLink(const SettingsBlock& record, OptionQuery* queries, const OptionQuery* columns,
                    SupplyRow (&rows)[kSupplyRowCount]);

}  // namespace psui
