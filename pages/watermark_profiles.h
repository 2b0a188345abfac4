// The printer's watermark profiles: one REG_BINARY value per profile under
// the printer's "Watermark Profiles" key, named after the watermark and
// holding its 148-byte group. Registry failures are silent: a failed write
// leaves the profile missing, a failed read gives the defaults.
#pragma once

#include <string>
#include <vector>

#include "pages/watermark_settings.h"

namespace psui {

std::string WatermarkProfileKeyPath(const SettingsBlock& record);

// Stores the group under watermarkName (nothing for an empty name); false
// when nothing was written.
bool SaveWatermarkProfile(const SettingsBlock& record);
// Unpacks the profile named watermarkName. Only a REG_BINARY value of
// exactly 148 bytes is a profile: anything else, like a missing value, is a
// failed read that leaves the defaults (ResetWatermarkDefaults with the
// dialog mode) and returns false.
bool LoadWatermarkProfile(SettingsBlock& record, int dialogMode);
// Deletes the profile named watermarkName; true when a value went.
bool DeleteWatermarkProfile(const SettingsBlock& record);

// The profile names a watermark list offers after the built-in ones, in
// the order it shows them: sorted without regard to case, each name once,
// none that a built-in name already stands for (case ignored), and none
// longer than the 31 bytes a watermarkName can hold.
std::vector<std::string> ListWatermarkProfiles(const SettingsBlock& record);

// Makes the watermark the record names the one in force: code -1 becomes
// "Nessuno" with code 1 (and false is returned); otherwise the profile of
// watermarkName is loaded, or, when there is none (built-in names have
// none), the defaults with the name as the text.
bool TakeWatermarkInForce(SettingsBlock& record, int dialogMode);

}  // namespace psui
