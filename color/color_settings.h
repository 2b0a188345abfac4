// The colour group of the settings record as a record of its own (it is also
// the registry value of a named colour profile), the six built-in quick
// colour configurations, and the vocabularies of the colour fields.
#pragma once

#include <cstddef>
#include <cstdint>

#include "exchange/code_tables.h"
#include "exchange/settings_block.h"

namespace psui {

#pragma pack(push, 1)

// Record bytes 305-456 in the same order: colorPreset through rgbSourceMode.
struct ColorSettingsRecord {
  int16_t colorPreset;
  char colorProfileName[32];
  int16_t graphicsHalftone;
  int16_t imageHalftone;
  int16_t graphicsIntent;
  int16_t imageIntent;
  int16_t graphicsProcessGray;
  int16_t imageProcessGray;
  int16_t rgbSourceProfileId;
  int16_t simulationProfileId;
  int16_t destinationProfileId;
  char rgbSourceProfileName[32];
  char simulationProfileName[32];
  char destinationProfileName[32];
  int16_t colorModel;
  int16_t rgbSourceMode;
};

#pragma pack(pop)

constexpr size_t kColorSettingsSize = 152;
static_assert(sizeof(ColorSettingsRecord) == kColorSettingsSize, "the colour group is 152 bytes");

// The profile name that means "no profile" in the three profile name fields.
constexpr char kNoProfileName[] = "Nessuno";

// The kinds of printer-resident profiles; also the item value of a list
// entry that stands for a resident profile of that kind.
constexpr int kRgbSourceProfileKind = 108;
constexpr int kSimulationProfileKind = 122;
constexpr int kDestinationProfileKind = 143;

// The colour group of the record. Texts are copied up to their terminator
// (at most 31 bytes); every other byte of the result is zero.
ColorSettingsRecord PackColorSettings(const SettingsBlock& record);
// Writes all sixteen fields back. Each text is copied up to its terminator,
// never past its 32-byte field; the record's bytes after the terminator stay.
void UnpackColorSettings(SettingsBlock& record, const ColorSettingsRecord& colors);

// True when the two records choose the same settings: every field but
// rgbSourceMode, the texts compared as texts (bytes after a terminator do
// not count).
bool SameColorChoice(const ColorSettingsRecord& a, const ColorSettingsRecord& b);

// The display names of the built-in configurations, in list order; the
// setting strings are kColorPresetCodes, row for row.
extern const CodeRow kBuiltInColorConfigNames[];

// A code is a built-in configuration exactly when it has a setting string.
bool IsBuiltInColorConfig(int code);
// Sets the six halftone/intent/grey fields and colorModel from the setting
// string of colorPreset and the three profile names to "Nessuno"; the ids and
// rgbSourceMode keep their values. False, and nothing changed, for a code
// without a setting string.
bool ApplyBuiltInColorConfig(SettingsBlock& record);

// Vocabularies of the colour fields (the PPD option keywords by code).
extern const CodeRow kHalftoneCodes[];      // graphicsHalftone, imageHalftone
extern const CodeRow kIntentCodes[];        // graphicsIntent, imageIntent
extern const CodeRow kProcessGrayCodes[];   // graphicsProcessGray, imageProcessGray
extern const CodeRow kProfileLocationCodes[];  // location of a resident profile
// Defined for the colour settings; no list is filled from them.
extern const CodeRow kRgbSourceProfileCodes[];
extern const CodeRow kRgbSourceProfileCodes2[];
extern const CodeRow kSimulationProfileCodes[];
extern const CodeRow kDestinationProfileCodes[];
extern const CodeRow kRenderingIntentCodes[];
extern const CodeRow kScreeningCodes[];
extern const CodeRow kGreyLevelCodes[];

// The record's profile id and name fields of a resident profile kind; false
// (and nothing written) for another kind.
bool SetResidentProfileId(SettingsBlock& record, int kind, int id);
char* ResidentProfileNameField(SettingsBlock& record, int kind);
constexpr size_t kProfileNameFieldSize = 32;

}  // namespace psui
