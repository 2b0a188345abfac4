#include "pages/features_rules.h"

#include <cstring>

#include "color/color_profile_store.h"
#include "color/color_settings.h"
#include "exchange/code_tables.h"

namespace psui {

namespace {

constexpr char kResolutionKeyword[] = "Resolution";
constexpr char kTonerSavingKeyword[] = "MiserMode";

// The colour configuration codes that stand for black and white.
bool IsBlackAndWhiteConfig(int code) { return code == 3 || code == 6; }

// The translation of the option whose keyword is `name`; null when the PPD
// has no such option or it has no translation.
const char* ResolutionTranslation(const PpdImage& image, const char* name) {
  const PpdOption* option = nullptr;
  if (!image.FindOptions(kResolutionKeyword, &option)) return nullptr;
  for (; option; option = option->next) {
    if (!option->name || !option->translation) continue;
    if (std::strcmp(option->name, name) == 0) return option->translation;
  }
  return nullptr;
}

}  // namespace

void TakeResolution(SettingsBlock& record, int code) {
  record.resolution = static_cast<int16_t>(code);
  record.resolutionDpi = ResolutionDpiForCode(code);
}

void TakeColorConfiguration(SettingsBlock& record, std::string_view text, int code) {
  SetFieldText(record.colorProfileName, text);
  record.colorPreset = static_cast<int16_t>(code);
  if (code == 0) {
    LoadColorProfile(record);
    return;
  }
  if (IsBlackAndWhiteConfig(code)) {
    record.colorModel = 1;
  } else {
    record.colorModel = 0;
    record.negativeImage = 0;
  }
  ApplyBuiltInColorConfig(record);
}

void SettleTonerSaving(SettingsBlock& record, const PpdImage* image) {
  if (!image) return;
  const char* name = CodeNameFor(kResolutionCodes, record.resolution);
  if (!name) return;
  const char* translation = ResolutionTranslation(*image, name);
  if (!translation) return;
  int counter = 0;
  for (;;) {
    const char* keyword = nullptr;
    const char* option = nullptr;
    if (!image->NextConstraint(kResolutionKeyword, translation, &keyword, &option, &counter)) break;
    if (keyword && std::strcmp(keyword, kTonerSavingKeyword) == 0) {
      record.tonerSave = 0;
      break;
    }
  }
}

}  // namespace psui
