#include "pages/restore_defaults.h"

#include <cstring>

#include "color/color_settings.h"
#include "exchange/code_tables.h"
#include "pages/font_substitution.h"
#include "pages/watermark_settings.h"

namespace psui {

namespace {

constexpr int16_t kMatchPaperSize = 7;  // InputSlot "Match Paper Size"
constexpr int16_t kDefaultPreset = 1;   // "Auto"
// The resolution when the PPD names none by default: 600 dpi.
constexpr int16_t kFallbackResolution = 2;

// The code of the keyword's default option in `table`: 1 when the keyword
// is missing or has no options, 0 when the table lacks the option keyword.
int DefaultCode(const PpdImage& image, const char* keyword, const CodeRow* table) {
  const PpdOption* option = image.DefaultOption(image.FindKeyword(keyword));
  if (!option) return 1;
  return CodeFor(table, option->name);
}

void RestoreColorGroup(SettingsBlock& record) {
  record.colorPreset = kDefaultPreset;
  SetFieldText(record.colorProfileName, CodeNameFor(kColorPresetCodes, kDefaultPreset));
  // The preset's halftones, intents, grey treatment and colour model, and
  // no printer-resident profile.
  ApplyBuiltInColorConfig(record);
  record.rgbSourceMode = 0;
  record.rgbSourceProfileId = 0;
  record.simulationProfileId = 0;
  record.destinationProfileId = 0;
}

}  // namespace

void RestoreDriverDefaults(SettingsBlock& record, const PpdImage* image) {
  std::memcpy(record.customColors, kDefaultCustomColors, sizeof record.customColors);
  record.outputBin = 1;
  record.driverWord1 = -1;

  record.orientation = 1;
  record.duplex = 1;
  record.pagesPerSheet = 1;
  record.pageBorders = 0;
  record.inputSlot = kMatchPaperSize;
  record.bannerPage = 0;
  record.bannerPageSource = kMatchPaperSize;
  record.firstPageSourceOn = 0;
  record.firstPageSource = kMatchPaperSize;
  record.trailerPage = 0;
  record.trailerPageSource = kMatchPaperSize;
  record.autoContinue = 1;

  record.smoothing = 0;
  record.tonerSave = 0;
  record.negativeImage = 0;
  record.mirrorImage = 0;
  record.rotation = 0;
  RestoreColorGroup(record);

  record.allowAppPostScript = 1;
  record.printPsErrors = 0;
  record.useExternalHeader = 0;
  SetFieldText(record.externalHeaderFile, "");
  record.collate = record.hardDiskInstalled ? 1 : 0;
  record.jobTimeout = 0;
  record.copies = 1;
  record.scaling = 100;
  record.emailNotify = 0;
  SetFieldText(record.emailAddress, "");

  for (OverlayEntry& overlay : record.overlays) {
    SetFieldText(overlay.fileName, "");
    overlay.enabled = 0;
    overlay.placement = 0;
  }
  record.complexOverlayFirst = 1;
  record.complexOverlayCycle = 1;
  record.watermarkCode = kNoWatermarkCode;
  SetFieldText(record.watermarkName, CodeNameFor(kWatermarkCodes, kNoWatermarkCode));
  record.watermarkFirstPageOnly = 0;
  // As a new watermark, whatever the Overlay page opened its dialog for last:
  // the text "Filigrana".
  ResetWatermarkDefaults(record, kWatermarkModeNone);

  record.fontSubstitution = 1;
  CopyDefaultFontTable(record);

  if (!image) return;
  record.paperSize = static_cast<int16_t>(DefaultCode(*image, "PageSize", kPageSizeCodes));
  record.mediaType = static_cast<int16_t>(DefaultCode(*image, "MediaType", kMediaTypeCodes));
  record.outputBin = static_cast<int16_t>(DefaultCode(*image, "OutputBin", kOutputBinCodes));
  const PpdOption* resolution = image->DefaultOption(image->FindKeyword("Resolution"));
  record.resolution =
      resolution ? static_cast<int16_t>(CodeFor(kResolutionCodes, resolution->name)) : kFallbackResolution;
  record.resolutionDpi = ResolutionDpiForCode(record.resolution);
}

}  // namespace psui
