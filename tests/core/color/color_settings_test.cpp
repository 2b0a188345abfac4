// The colour group as a record of its own, the built-in configurations and
// the summary names: record-level rules, no registry.
#include "color/color_settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "color/color_summary.h"
#include "resources/resource.h"

namespace psui {
namespace {

SettingsBlock Numbered() {
  SettingsBlock record;
  auto* bytes = reinterpret_cast<uint8_t*>(&record);
  for (size_t i = 0; i < kSettingsBlockSize; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  return record;
}

int16_t Int16At(const void* base, size_t offset) {
  int16_t value;
  std::memcpy(&value, static_cast<const uint8_t*>(base) + offset, sizeof value);
  return value;
}

std::string TextAt(const void* base, size_t offset) {
  return std::string(static_cast<const char*>(base) + offset);
}

TEST(ColorSettingsRecord, PackedFieldsStandAtTheirOffsetsLittleEndian) {
  SettingsBlock record = Numbered();
  record.colorPreset = 0x0102;
  SetFieldText(record.colorProfileName, "Profilo");
  record.graphicsHalftone = 0x1112;
  record.imageHalftone = 0x1314;
  record.graphicsIntent = 0x1516;
  record.imageIntent = 0x1718;
  record.graphicsProcessGray = 0x191A;
  record.imageProcessGray = 0x1B1C;
  record.rgbSourceProfileId = 108;
  record.simulationProfileId = 122;
  record.destinationProfileId = 143;
  SetFieldText(record.rgbSourceProfileName, "Sorgente");
  SetFieldText(record.simulationProfileName, "Simulazione");
  SetFieldText(record.destinationProfileName, "Destinazione");
  record.colorModel = 1;
  record.rgbSourceMode = -2;

  const ColorSettingsRecord packed = PackColorSettings(record);
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&packed);
  EXPECT_EQ(bytes[0], 0x02);
  EXPECT_EQ(bytes[1], 0x01);
  EXPECT_EQ(TextAt(bytes, 2), "Profilo");
  EXPECT_EQ(Int16At(bytes, 34), 0x1112);
  EXPECT_EQ(Int16At(bytes, 36), 0x1314);
  EXPECT_EQ(Int16At(bytes, 38), 0x1516);
  EXPECT_EQ(Int16At(bytes, 40), 0x1718);
  EXPECT_EQ(Int16At(bytes, 42), 0x191A);
  EXPECT_EQ(Int16At(bytes, 44), 0x1B1C);
  EXPECT_EQ(Int16At(bytes, 46), 108);
  EXPECT_EQ(Int16At(bytes, 48), 122);
  EXPECT_EQ(Int16At(bytes, 50), 143);
  EXPECT_EQ(TextAt(bytes, 52), "Sorgente");
  EXPECT_EQ(TextAt(bytes, 84), "Simulazione");
  EXPECT_EQ(TextAt(bytes, 116), "Destinazione");
  EXPECT_EQ(Int16At(bytes, 148), 1);
  EXPECT_EQ(Int16At(bytes, 150), -2);
  // The same bytes are the record's colour group, apart from what follows
  // each text's terminator.
  ColorSettingsRecord group;
  std::memcpy(&group, GroupBytes(record, kColorGroup), sizeof group);
  EXPECT_TRUE(SameColorChoice(packed, group));
}

TEST(ColorSettingsRecord, PackingZeroesEveryByteAfterATerminator) {
  SettingsBlock record = Numbered();  // no byte of the texts is zero at first
  SetFieldText(record.colorProfileName, "A");
  SetFieldText(record.rgbSourceProfileName, "");
  // A field without its terminator: cut to 31 bytes.
  std::memset(record.simulationProfileName, 'S', sizeof record.simulationProfileName);
  SetFieldText(record.destinationProfileName, "Nessuno");

  const ColorSettingsRecord packed = PackColorSettings(record);
  for (size_t i = 1; i < 32; ++i) EXPECT_EQ(packed.colorProfileName[i], 0) << i;
  for (char c : packed.rgbSourceProfileName) EXPECT_EQ(c, 0);
  EXPECT_EQ(FieldText(packed.simulationProfileName), std::string(31, 'S'));
  EXPECT_EQ(packed.simulationProfileName[31], 0);
  for (size_t i = 7; i < 32; ++i) EXPECT_EQ(packed.destinationProfileName[i], 0) << i;
}

TEST(ColorSettingsRecord, UnpackingWritesTextsUpToTheirTerminatorAndKeepsTheRecordsBytesAfterIt) {
  SettingsBlock record = Numbered();
  const SettingsBlock before = record;
  ColorSettingsRecord stored;
  std::memset(&stored, 0x77, sizeof stored);  // stale bytes after every terminator
  stored.colorPreset = 13;
  std::memcpy(stored.colorProfileName, "Foto\0", 5);
  std::memcpy(stored.rgbSourceProfileName, "sRGB\0", 5);
  std::memcpy(stored.simulationProfileName, "\0", 1);
  // A stored text without a terminator is read within its 32 bytes.
  std::memset(stored.destinationProfileName, 'D', sizeof stored.destinationProfileName);
  stored.graphicsHalftone = 1;
  stored.rgbSourceMode = 1;

  UnpackColorSettings(record, stored);
  EXPECT_EQ(int{record.colorPreset}, 13);
  EXPECT_EQ(FieldText(record.colorProfileName), "Foto");
  EXPECT_EQ(std::memcmp(record.colorProfileName + 5, before.colorProfileName + 5, 27), 0);
  EXPECT_EQ(FieldText(record.rgbSourceProfileName), "sRGB");
  EXPECT_EQ(FieldText(record.simulationProfileName), "");
  EXPECT_EQ(std::memcmp(record.simulationProfileName + 1, before.simulationProfileName + 1, 31), 0);
  EXPECT_EQ(FieldText(record.destinationProfileName), std::string(31, 'D'));
  EXPECT_EQ(int{record.graphicsHalftone}, 1);
  EXPECT_EQ(int{record.rgbSourceMode}, 1);
  // Nothing outside the colour group moved.
  EXPECT_EQ(std::memcmp(&record, &before, kColorGroup.offset), 0);
  const size_t after = kColorGroup.offset + kColorGroup.size;
  EXPECT_EQ(std::memcmp(reinterpret_cast<uint8_t*>(&record) + after,
                        reinterpret_cast<const uint8_t*>(&before) + after, kSettingsBlockSize - after),
            0);
}

TEST(ColorSettingsRecord, SameChoiceComparesFifteenFieldsAndTextsAsTexts) {
  SettingsBlock record = Numbered();
  SetFieldText(record.colorProfileName, "Mio");
  const ColorSettingsRecord base = PackColorSettings(record);

  ColorSettingsRecord other = base;
  other.rgbSourceMode = static_cast<int16_t>(base.rgbSourceMode + 1);
  EXPECT_TRUE(SameColorChoice(base, other)) << "rgbSourceMode is not compared";
  other = base;
  other.colorProfileName[10] = 'x';  // after the terminator
  EXPECT_TRUE(SameColorChoice(base, other));

  auto differs = [&](auto change) {
    ColorSettingsRecord changed = base;
    change(changed);
    return !SameColorChoice(base, changed);
  };
  EXPECT_TRUE(differs([](ColorSettingsRecord& c) { c.colorPreset = 99; }));
  EXPECT_TRUE(differs([](ColorSettingsRecord& c) { c.colorProfileName[0] = 'm'; }));
  EXPECT_TRUE(differs([](ColorSettingsRecord& c) { c.graphicsHalftone = 77; }));
  EXPECT_TRUE(differs([](ColorSettingsRecord& c) { c.imageProcessGray = 77; }));
  EXPECT_TRUE(differs([](ColorSettingsRecord& c) { c.destinationProfileId = 77; }));
  EXPECT_TRUE(differs([](ColorSettingsRecord& c) { c.simulationProfileName[0] = 0; }));
  EXPECT_TRUE(differs([](ColorSettingsRecord& c) { c.colorModel = 77; }));
}

TEST(BuiltInColorConfigs, TheTwoTablesNameTheSameCodesInTheSameOrder) {
  ASSERT_EQ(CodeTableLength(kBuiltInColorConfigNames), 6);
  ASSERT_EQ(CodeTableLength(kColorPresetCodes), 6);
  for (int row = 0; row < 6; ++row) {
    EXPECT_EQ(kBuiltInColorConfigNames[row].code, kColorPresetCodes[row].code) << row;
  }
  EXPECT_STREQ(CodeNameFor(kBuiltInColorConfigNames, 1), "Auto");
  EXPECT_STREQ(CodeNameFor(kBuiltInColorConfigNames, 13), "Presentazione");
  EXPECT_STREQ(CodeNameFor(kBuiltInColorConfigNames, 12), "Nessuno");
}

TEST(BuiltInColorConfigs, OnlyCodesWithASettingStringAreBuiltIn) {
  for (int code : {1, 13, 4, 14, 15, 12}) EXPECT_TRUE(IsBuiltInColorConfig(code)) << code;
  for (int code : {0, 2, 3, 6, -1, 108}) EXPECT_FALSE(IsBuiltInColorConfig(code)) << code;
}

TEST(BuiltInColorConfigs, EachConfigurationSetsItsDigitsAndClearsTheProfileNames) {
  struct Expected {
    int code;
    int gH, iH, gI, iI, gG, iG, model;
  };
  const Expected all[] = {
      {1, 2, 0, 2, 3, 0, 1, 0},  {13, 2, 2, 2, 2, 0, 0, 0}, {4, 0, 0, 1, 1, 1, 1, 0},
      {14, 1, 1, 3, 3, 1, 1, 0}, {15, 1, 1, 0, 0, 1, 1, 0}, {12, 2, 0, 0, 0, 1, 1, 0},
  };
  for (const Expected& want : all) {
    SCOPED_TRACE(want.code);
    SettingsBlock record = Numbered();
    record.colorPreset = static_cast<int16_t>(want.code);
    record.rgbSourceProfileId = 108;
    record.simulationProfileId = 122;
    record.destinationProfileId = 143;
    record.rgbSourceMode = 1;
    SetFieldText(record.colorProfileName, "Resta");
    ASSERT_TRUE(ApplyBuiltInColorConfig(record));
    EXPECT_EQ(int{record.graphicsHalftone}, want.gH);
    EXPECT_EQ(int{record.imageHalftone}, want.iH);
    EXPECT_EQ(int{record.graphicsIntent}, want.gI);
    EXPECT_EQ(int{record.imageIntent}, want.iI);
    EXPECT_EQ(int{record.graphicsProcessGray}, want.gG);
    EXPECT_EQ(int{record.imageProcessGray}, want.iG);
    EXPECT_EQ(int{record.colorModel}, want.model);
    EXPECT_EQ(FieldText(record.rgbSourceProfileName), "Nessuno");
    EXPECT_EQ(FieldText(record.simulationProfileName), "Nessuno");
    EXPECT_EQ(FieldText(record.destinationProfileName), "Nessuno");
    // The ids, the RGB source mode, the preset and the name stay.
    EXPECT_EQ(int{record.rgbSourceProfileId}, 108);
    EXPECT_EQ(int{record.simulationProfileId}, 122);
    EXPECT_EQ(int{record.destinationProfileId}, 143);
    EXPECT_EQ(int{record.rgbSourceMode}, 1);
    EXPECT_EQ(int{record.colorPreset}, want.code);
    EXPECT_EQ(FieldText(record.colorProfileName), "Resta");
  }
}

TEST(BuiltInColorConfigs, AnUnknownCodeLeavesTheColourGroupAsItWas) {
  for (int code : {0, 3, 6}) {
    SettingsBlock record = Numbered();
    record.colorPreset = static_cast<int16_t>(code);
    const SettingsBlock before = record;
    EXPECT_FALSE(ApplyBuiltInColorConfig(record)) << code;
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << code;
  }
}

TEST(ColorSummary, PairsNoNameStandsForArePersonalAndNoIntentDependsOnTheHalftone) {
  EXPECT_EQ(HalftoneSummaryId(0, 2), IDS_COLOR_PERSONAL);
  EXPECT_EQ(HalftoneSummaryId(-1, -1), IDS_COLOR_PERSONAL);
  EXPECT_EQ(RgbSourceSummaryId(3, 2, 0), IDS_COLOR_PERSONAL);
  EXPECT_EQ(ProcessGraySummaryId(1, 0), IDS_COLOR_PERSONAL);
  EXPECT_EQ(RgbSourceSummaryId(0, 0, 1), IDS_RGB_SOURCE_ICM);
  EXPECT_EQ(RgbSourceSummaryId(0, 0, 0), IDS_NONE);
  EXPECT_EQ(RgbSourceSummaryId(0, 0, 2), IDS_NONE);
  EXPECT_EQ(RgbSourceSummaryId(4, 4, 0), IDS_RGB_SOURCE_SRGB_SATURATED);
}

TEST(ColorSummary, EveryBuiltInConfigurationReadsAsNamedGroups) {
  // "Foto" reads "Rifinito", "Contrasto", "CMYK"; no configuration reads
  // "Personale" in any group.
  for (int row = 0; kColorPresetCodes[row].name; ++row) {
    SettingsBlock record = Numbered();
    record.colorPreset = kColorPresetCodes[row].code;
    ASSERT_TRUE(ApplyBuiltInColorConfig(record));
    SCOPED_TRACE(kBuiltInColorConfigNames[row].name);
    EXPECT_NE(HalftoneSummaryId(record.graphicsHalftone, record.imageHalftone), IDS_COLOR_PERSONAL);
    EXPECT_NE(RgbSourceSummaryId(record.graphicsIntent, record.imageIntent, record.graphicsHalftone),
              IDS_COLOR_PERSONAL);
    EXPECT_NE(ProcessGraySummaryId(record.graphicsProcessGray, record.imageProcessGray),
              IDS_COLOR_PERSONAL);
  }
  SettingsBlock photo = Numbered();
  photo.colorPreset = 4;
  ApplyBuiltInColorConfig(photo);
  EXPECT_EQ(HalftoneSummaryId(photo.graphicsHalftone, photo.imageHalftone), IDS_HALFTONE_FINE);
  EXPECT_EQ(RgbSourceSummaryId(photo.graphicsIntent, photo.imageIntent, photo.graphicsHalftone),
            IDS_RGB_SOURCE_CONTRAST);
  EXPECT_EQ(ProcessGraySummaryId(photo.graphicsProcessGray, photo.imageProcessGray), IDS_GRAY_CMYK);
}

}  // namespace
}  // namespace psui
