#include "color/color_settings.h"

#include <cstring>

namespace psui {

#define PSUI_COLOR_AT(field, at)                                                     \
  static_assert(offsetof(ColorSettingsRecord, field) == (at),                        \
                "ColorSettingsRecord::" #field " is at offset " #at);                \
  static_assert(offsetof(SettingsBlock, field) == kColorGroup.offset + (at),         \
                "the record's " #field " is at the same place in the colour group")

PSUI_COLOR_AT(colorPreset, 0);
PSUI_COLOR_AT(colorProfileName, 2);
PSUI_COLOR_AT(graphicsHalftone, 34);
PSUI_COLOR_AT(imageHalftone, 36);
PSUI_COLOR_AT(graphicsIntent, 38);
PSUI_COLOR_AT(imageIntent, 40);
PSUI_COLOR_AT(graphicsProcessGray, 42);
PSUI_COLOR_AT(imageProcessGray, 44);
PSUI_COLOR_AT(rgbSourceProfileId, 46);
PSUI_COLOR_AT(simulationProfileId, 48);
PSUI_COLOR_AT(destinationProfileId, 50);
PSUI_COLOR_AT(rgbSourceProfileName, 52);
PSUI_COLOR_AT(simulationProfileName, 84);
PSUI_COLOR_AT(destinationProfileName, 116);
PSUI_COLOR_AT(colorModel, 148);
PSUI_COLOR_AT(rgbSourceMode, 150);
static_assert(kColorGroup.size == kColorSettingsSize, "the record's colour group is the record");

const CodeRow kBuiltInColorConfigNames[] = {
    {1, "Auto"}, {13, "Presentazione"}, {4, "Foto"}, {14, "sRGB"},
    {15, "ICM"}, {12, "Nessuno"},       {0, nullptr},
};

const CodeRow kHalftoneCodes[] = {{0, "Low"}, {1, "General"}, {2, "High"}, {0, nullptr}};
const CodeRow kIntentCodes[] = {
    {0, "None"}, {1, "Contrast"}, {2, "Vivid"}, {3, "sRGB"}, {4, "sRGBsat"}, {0, nullptr},
};
const CodeRow kProcessGrayCodes[] = {{0, "False"}, {1, "True"}, {0, nullptr}};
const CodeRow kProfileLocationCodes[] = {{0, "Flash"}, {1, "Disco"}, {0, nullptr}};

const CodeRow kRgbSourceProfileCodes[] = {
    {100, "MaxGamut"},    {101, "sRGB"},      {102, "AppleRGB"},   {103, "TrinitronG1.8D50"},
    {104, "PrePress"},    {105, "PrinterDefault"}, {106, "DeviceRGB"}, {111, "Apple13"},
    {112, "ColorMatch"},  {113, "Prepress"},  {114, "None"},       {0, nullptr},
};
const CodeRow kRgbSourceProfileCodes2[] = {
    {129, "MaxGamut"}, {130, "sRGB"},           {131, "AppleRGB"},  {132, "TrinitronG1.8D50"},
    {133, "PrePress"}, {134, "PrinterDefault"}, {135, "DeviceRGB"}, {140, "None"},
    {0, nullptr},
};
const CodeRow kSimulationProfileCodes[] = {
    {116, "None"},        {117, "Swop"},           {118, "Eurocolor"},
    {119, "Commercial"},  {121, "CMYKDisplay"},    {120, "PrinterDefault"},
    {123, "InkjetProofer"}, {126, "DIC"},          {127, "Toyo"},
    {0, nullptr},
};
const CodeRow kDestinationProfileCodes[] = {{142, "Auto"}, {144, "None"}, {0, nullptr}};
const CodeRow kRenderingIntentCodes[] = {
    {1, "Business"}, {2, "Colorimetric"}, {3, "PrinterDefault"}, {4, "Photographic"}, {0, "None"},
    {0, nullptr},
};
const CodeRow kScreeningCodes[] = {
    {0, "PrinterDefault"}, {1, "Enhanced"}, {2, "High"},     {3, "Low"},  {4, "ColorSmooth"},
    {5, "Advanced"},       {6, "Basic"},    {7, "Standard"}, {8, "None"}, {9, "AgfaABS"},
    {0, nullptr},
};
const CodeRow kGreyLevelCodes[] = {
    {0, "None"}, {1, "Light"}, {2, "Medium"}, {3, "Dark"}, {0, nullptr},
};

namespace {

template <size_t N, size_t M>
void CopyText(char (&to)[N], const char (&from)[M]) {
  SetFieldText(to, FieldText(from));
}

// The record and the colour group name their fields alike: one copy serves
// both directions. Texts go up to their terminator, never past a field.
template <typename To, typename From>
void CopyColorFields(To& to, const From& from) {
  to.colorPreset = from.colorPreset;
  CopyText(to.colorProfileName, from.colorProfileName);
  to.graphicsHalftone = from.graphicsHalftone;
  to.imageHalftone = from.imageHalftone;
  to.graphicsIntent = from.graphicsIntent;
  to.imageIntent = from.imageIntent;
  to.graphicsProcessGray = from.graphicsProcessGray;
  to.imageProcessGray = from.imageProcessGray;
  to.rgbSourceProfileId = from.rgbSourceProfileId;
  to.simulationProfileId = from.simulationProfileId;
  to.destinationProfileId = from.destinationProfileId;
  CopyText(to.rgbSourceProfileName, from.rgbSourceProfileName);
  CopyText(to.simulationProfileName, from.simulationProfileName);
  CopyText(to.destinationProfileName, from.destinationProfileName);
  to.colorModel = from.colorModel;
  to.rgbSourceMode = from.rgbSourceMode;
}

}  // namespace

ColorSettingsRecord PackColorSettings(const SettingsBlock& record) {
  ColorSettingsRecord colors;
  std::memset(&colors, 0, sizeof colors);
  CopyColorFields(colors, record);
  return colors;
}

void UnpackColorSettings(SettingsBlock& record, const ColorSettingsRecord& colors) {
  CopyColorFields(record, colors);
}

bool SameColorChoice(const ColorSettingsRecord& a, const ColorSettingsRecord& b) {
  return a.colorPreset == b.colorPreset &&
         FieldText(a.colorProfileName) == FieldText(b.colorProfileName) &&
         a.graphicsHalftone == b.graphicsHalftone && a.imageHalftone == b.imageHalftone &&
         a.graphicsIntent == b.graphicsIntent && a.imageIntent == b.imageIntent &&
         a.graphicsProcessGray == b.graphicsProcessGray &&
         a.imageProcessGray == b.imageProcessGray &&
         a.rgbSourceProfileId == b.rgbSourceProfileId &&
         a.simulationProfileId == b.simulationProfileId &&
         a.destinationProfileId == b.destinationProfileId &&
         FieldText(a.rgbSourceProfileName) == FieldText(b.rgbSourceProfileName) &&
         FieldText(a.simulationProfileName) == FieldText(b.simulationProfileName) &&
         FieldText(a.destinationProfileName) == FieldText(b.destinationProfileName) &&
         a.colorModel == b.colorModel;
}

bool IsBuiltInColorConfig(int code) { return CodeNameFor(kColorPresetCodes, code) != nullptr; }

bool ApplyBuiltInColorConfig(SettingsBlock& record) {
  const char* setting = CodeNameFor(kColorPresetCodes, record.colorPreset);
  if (setting == nullptr || std::strlen(setting) != 7) return false;
  auto digit = [setting](int position) { return static_cast<int16_t>(setting[position] - '0'); };
  record.graphicsHalftone = digit(0);
  record.imageHalftone = digit(1);
  record.graphicsIntent = digit(2);
  record.imageIntent = digit(3);
  record.graphicsProcessGray = digit(4);
  record.imageProcessGray = digit(5);
  record.colorModel = digit(6);
  SetFieldText(record.rgbSourceProfileName, kNoProfileName);
  SetFieldText(record.simulationProfileName, kNoProfileName);
  SetFieldText(record.destinationProfileName, kNoProfileName);
  return true;
}

bool SetResidentProfileId(SettingsBlock& record, int kind, int id) {
  const auto value = static_cast<int16_t>(id);
  switch (kind) {
    case kRgbSourceProfileKind: record.rgbSourceProfileId = value; return true;
    case kSimulationProfileKind: record.simulationProfileId = value; return true;
    case kDestinationProfileKind: record.destinationProfileId = value; return true;
    default: return false;
  }
}

char* ResidentProfileNameField(SettingsBlock& record, int kind) {
  switch (kind) {
    case kRgbSourceProfileKind: return record.rgbSourceProfileName;
    case kSimulationProfileKind: return record.simulationProfileName;
    case kDestinationProfileKind: return record.destinationProfileName;
    default: return nullptr;
  }
}

}  // namespace psui
