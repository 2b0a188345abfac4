#include "pages/watermark_settings.h"

#include <cstddef>
#include <cstring>
#include <string>

namespace psui {

#define PSUI_SAME_OFFSET(field)                                                              \
  static_assert(offsetof(WatermarkSettingsRecord, field) == offsetof(SettingsBlock, field) - \
                                                                kWatermarkGroup.offset,      \
                "watermark profile field " #field " sits where the record has it")
PSUI_SAME_OFFSET(watermarkName);
PSUI_SAME_OFFSET(watermarkText);
PSUI_SAME_OFFSET(watermarkFont);
PSUI_SAME_OFFSET(watermarkFontData);
PSUI_SAME_OFFSET(watermarkStyle);
PSUI_SAME_OFFSET(watermarkSize);
PSUI_SAME_OFFSET(watermarkAngle);
PSUI_SAME_OFFSET(watermarkColor);
PSUI_SAME_OFFSET(watermarkIntensity);
PSUI_SAME_OFFSET(watermarkBehind);
PSUI_SAME_OFFSET(watermarkOutline);
PSUI_SAME_OFFSET(watermarkPosition);
PSUI_SAME_OFFSET(watermarkX);
PSUI_SAME_OFFSET(watermarkY);
#undef PSUI_SAME_OFFSET

WatermarkSettingsRecord PackWatermarkSettings(const SettingsBlock& record) {
  WatermarkSettingsRecord settings;
  std::memcpy(&settings, GroupBytes(record, kWatermarkGroup), sizeof settings);
  return settings;
}

void UnpackWatermarkSettings(SettingsBlock& record, const WatermarkSettingsRecord& settings) {
  std::memcpy(GroupBytes(record, kWatermarkGroup), &settings, sizeof settings);
}

void ResetWatermarkDefaults(SettingsBlock& record, int dialogMode) {
  SetFieldText(record.watermarkFont, kDefaultWatermarkFont);
  record.watermarkStyle = 0;
  record.watermarkSize = 72;
  record.watermarkAngle = 45;
  record.watermarkColor = 0;
  record.watermarkIntensity = 50;
  record.watermarkBehind = 1;
  record.watermarkOutline = 0;
  record.watermarkPosition = 0;
  record.watermarkX = 0;
  record.watermarkY = 0;
  const std::string name(FieldText(record.watermarkName));
  if (dialogMode == kWatermarkModeEdit && IsBuiltInWatermarkName(name)) {
    SetFieldText(record.watermarkText, name);
  } else {
    SetFieldText(record.watermarkText, kNewWatermarkName);
  }
}

bool IsBuiltInWatermarkName(std::string_view name) {
  return CodeFor(kWatermarkCodes, std::string(name).c_str()) != 0;
}

int16_t WatermarkCodeForChoice(std::string_view name, int itemValue) {
  return IsBuiltInWatermarkName(name) ? static_cast<int16_t>(itemValue) : kStoredWatermarkCode;
}

bool CanEditWatermark(std::string_view name) { return name != kNoWatermarkName; }

bool CanDeleteWatermark(std::string_view name) {
  return !IsBuiltInWatermarkName(name) && name != kNoWatermarkName;
}

void ChooseNoWatermark(SettingsBlock& record) {
  SetFieldText(record.watermarkName, kNoWatermarkName);
  record.watermarkCode = kNoWatermarkCode;
}

}  // namespace psui
