// The watermark group of the record (watermarkName .. watermarkY) as one
// 148-byte unit: what a watermark profile stores, its defaults, and the
// rules the Overlay page applies to the watermark in force.
#pragma once

#include <cstdint>
#include <string_view>

#include "exchange/code_tables.h"
#include "exchange/settings_block.h"

namespace psui {

#pragma pack(push, 1)
struct WatermarkSettingsRecord {
  char watermarkName[32];
  char watermarkText[64];
  char watermarkFont[32];
  int16_t watermarkFontData;
  int16_t watermarkStyle;
  int16_t watermarkSize;
  int16_t watermarkAngle;
  int16_t watermarkColor;
  int16_t watermarkIntensity;
  uint8_t watermarkBehind;
  uint8_t watermarkOutline;
  int16_t watermarkPosition;
  int16_t watermarkX;
  int16_t watermarkY;
};
#pragma pack(pop)

constexpr size_t kWatermarkRecordSize = 148;
static_assert(sizeof(WatermarkSettingsRecord) == kWatermarkRecordSize, "the watermark group is 148 bytes");
static_assert(kWatermarkGroup.size == kWatermarkRecordSize, "the record's watermark group is the profile");

// How the watermark dialog was opened.
enum WatermarkDialogMode { kWatermarkModeNone = 0, kWatermarkModeAdd = 1, kWatermarkModeEdit = 2 };

// Watermark codes of the record besides the built-in table's 1 to 7.
constexpr int16_t kNoWatermarkCode = 1;        // "Nessuno"
constexpr int16_t kStoredWatermarkCode = 8;    // a profile, named by watermarkName
constexpr int16_t kUnchosenWatermarkCode = -1; // treated as none

// Record values (not only shown: they are stored and compared).
constexpr char kNoWatermarkName[] = "Nessuno";
constexpr char kNewWatermarkName[] = "Filigrana";
constexpr char kDefaultWatermarkFont[] = "Courier New";

// Ranges of the numbers the dialog accepts.
struct WatermarkRange {
  int low;
  int high;
};
constexpr WatermarkRange kWatermarkSizeRange{4, 350};
constexpr WatermarkRange kWatermarkAngleRange{0, 360};
constexpr WatermarkRange kWatermarkIntensityRange{0, 100};
constexpr WatermarkRange kWatermarkXRange{-306, 306};
constexpr WatermarkRange kWatermarkYRange{-396, 396};

// The group's bytes as they stand, bytes after a text's NUL included.
WatermarkSettingsRecord PackWatermarkSettings(const SettingsBlock& record);
void UnpackWatermarkSettings(SettingsBlock& record, const WatermarkSettingsRecord& settings);

// The defaults: "Courier New", style 0, size 72, angle 45, colour 0,
// intensity 50, behind, not outline, centred at 0/0. The text becomes the
// name when editing (mode 2) a built-in watermark, "Filigrana" otherwise.
// The name and the font's item value stay.
void ResetWatermarkDefaults(SettingsBlock& record, int dialogMode);

// A name of the built-in table, compared exactly (case-sensitive).
bool IsBuiltInWatermarkName(std::string_view name);

// The code a chosen list entry stands for: its item value for a built-in
// name, the stored-profile code otherwise.
int16_t WatermarkCodeForChoice(std::string_view name, int itemValue);
// "Modifica": anything but "Nessuno" (exact). "Elimina": a name that is
// neither built-in nor "Nessuno".
bool CanEditWatermark(std::string_view name);
bool CanDeleteWatermark(std::string_view name);

// The page fell back to "Nessuno": the name and the code both say so.
void ChooseNoWatermark(SettingsBlock& record);

}  // namespace psui
