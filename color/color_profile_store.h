// The per-printer store of named colour profiles: one REG_BINARY value per
// profile under the printer's key + "\Color Profiles", named after the
// profile, holding its 152-byte ColorSettingsRecord. Registry failures are
// silent: a profile that cannot be read is neither listed nor loaded.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "color/color_settings.h"
#include "exchange/settings_block.h"

namespace psui {

std::string ColorProfileKeyPath(const SettingsBlock& record);

// A stored profile is a binary value of 152 or 153 bytes (the extra byte is
// tolerated, as a 153-byte read buffer always did); anything shorter, longer
// or of another type is not a colour profile and is never unpacked.
bool ReadColorProfile(const SettingsBlock& record, std::string_view name,
                      ColorSettingsRecord* profile);

// A stored profile can be offered: always with the hard disk installed;
// without it only when it names no printer-resident profile (all three
// profile names exactly "Nessuno").
bool IsColorProfileUsable(const SettingsBlock& record, std::string_view name);

// Loads the profile named colorProfileName into the colour group (its own
// name and preset included), then sets colorPreset to 0. False, and the
// record unchanged, when the profile cannot be read.
bool LoadColorProfile(SettingsBlock& record);

// Stores the colour group under colorProfileName. An empty name would write
// the key's default value, which no list can show: refused.
bool SaveColorProfile(const SettingsBlock& record);

bool DeleteColorProfile(const SettingsBlock& record, std::string_view name);

// The names of the stored profiles that IsColorProfileUsable accepts, in the
// registry's enumeration order. A failed enumeration step is skipped.
std::vector<std::string> UsableColorProfileNames(const SettingsBlock& record);

}  // namespace psui
