// The watermark group as a profile: its bytes, its defaults, the store under
// the printer's key, and the list of stored names the Overlay page offers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "pages/watermark_profiles.h"
#include "tests/core/pages/printer_scope.h"

namespace psui {
namespace {

using test::Bytes;
using test::PrinterScope;

constexpr char kProfiles[] = "Watermark Profiles";

std::vector<uint8_t> GroupOf(const SettingsBlock& record) {
  const uint8_t* at = GroupBytes(record, kWatermarkGroup);
  return std::vector<uint8_t>(at, at + kWatermarkGroup.size);
}

// A group that differs from the defaults in every field, with bytes after
// the texts' NULs that must travel with it.
void FillUserWatermark(SettingsBlock& record, const char* name) {
  std::memset(GroupBytes(record, kWatermarkGroup), 0x5A, kWatermarkGroup.size);
  SetFieldText(record.watermarkName, name);
  SetFieldText(record.watermarkText, "Solo uso interno");
  SetFieldText(record.watermarkFont, "Arial");
  record.watermarkFontData = 3;
  record.watermarkStyle = 2;
  record.watermarkSize = 120;
  record.watermarkAngle = 300;
  record.watermarkColor = 4;
  record.watermarkIntensity = 80;
  record.watermarkBehind = 0;
  record.watermarkOutline = 1;
  record.watermarkPosition = 1;
  record.watermarkX = -306;
  record.watermarkY = 396;
}

TEST(WatermarkRecord, PackedFieldsSitAtTheProfileOffsetsWithTheBytesAfterEachText) {
  SettingsBlock record{};
  FillUserWatermark(record, "Interno");
  const WatermarkSettingsRecord packed = PackWatermarkSettings(record);
  const auto* bytes = reinterpret_cast<const uint8_t*>(&packed);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes)), "Interno");
  EXPECT_EQ(bytes[8], 0x5A) << "the byte after the name's NUL is carried";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 32)), "Solo uso interno");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 96)), "Arial");
  EXPECT_EQ(bytes[132] | bytes[133] << 8, 120);       // size, little-endian
  EXPECT_EQ(bytes[144] | bytes[145] << 8, 0xFECE);    // x = -306
  EXPECT_EQ(bytes[140], 0);                            // behind
  EXPECT_EQ(bytes[141], 1);                            // outline
}


TEST(WatermarkDefaults, EveryFieldButTheNameAndFontItemValue) {
  SettingsBlock record{};
  FillUserWatermark(record, "Interno");
  ResetWatermarkDefaults(record, kWatermarkModeAdd);
  EXPECT_EQ(FieldText(record.watermarkName), "Interno");
  EXPECT_EQ(+record.watermarkFontData, 3);
  EXPECT_EQ(FieldText(record.watermarkText), "Filigrana");
  EXPECT_EQ(FieldText(record.watermarkFont), "Courier New");
  EXPECT_EQ(+record.watermarkStyle, 0);
  EXPECT_EQ(+record.watermarkSize, 72);
  EXPECT_EQ(+record.watermarkAngle, 45);
  EXPECT_EQ(+record.watermarkColor, 0);
  EXPECT_EQ(+record.watermarkIntensity, 50);
  EXPECT_EQ(+record.watermarkBehind, 1);
  EXPECT_EQ(+record.watermarkOutline, 0);
  EXPECT_EQ(+record.watermarkPosition, 0);
  EXPECT_EQ(+record.watermarkX, 0);
  EXPECT_EQ(+record.watermarkY, 0);
}

TEST(WatermarkDefaults, TheTextIsTheNameOnlyWhenEditingABuiltInWatermark) {
  struct Case {
    const char* name;
    int mode;
    const char* text;
  } cases[] = {
      {"RISERVATO", kWatermarkModeEdit, "RISERVATO"},
      {"Nessuno", kWatermarkModeEdit, "Nessuno"},
      {"riservato", kWatermarkModeEdit, "Filigrana"},  // built-in names are compared exactly
      {"Interno", kWatermarkModeEdit, "Filigrana"},
      {"COPIA", kWatermarkModeAdd, "Filigrana"},
      {"COPIA", kWatermarkModeNone, "Filigrana"},
  };
  for (const Case& c : cases) {
    SettingsBlock record{};
    SetFieldText(record.watermarkName, c.name);
    ResetWatermarkDefaults(record, c.mode);
    EXPECT_EQ(FieldText(record.watermarkText), c.text) << c.name << " in mode " << c.mode;
  }
}


TEST(WatermarkStore, ASavedProfileLoadsBackVerbatimFromA148ByteBinaryValue) {
  PrinterScope printer("Watermark store round trip");
  FillUserWatermark(printer.record, "Interno");
  const std::vector<uint8_t> saved = GroupOf(printer.record);
  ASSERT_TRUE(SaveWatermarkProfile(printer.record));

  platform::RegistryValue value;
  ASSERT_TRUE(printer.Read(kProfiles, "Interno", &value));
  EXPECT_EQ(value.type, platform::kRegBinary);
  EXPECT_EQ(value.data, saved);

  ResetWatermarkDefaults(printer.record, kWatermarkModeNone);
  ASSERT_TRUE(LoadWatermarkProfile(printer.record, kWatermarkModeNone));
  EXPECT_EQ(GroupOf(printer.record), saved);
}

TEST(WatermarkStore, AnEmptyNameStoresNothing) {
  PrinterScope printer("Watermark store empty name");
  FillUserWatermark(printer.record, "");
  EXPECT_FALSE(SaveWatermarkProfile(printer.record));
  EXPECT_TRUE(ListWatermarkProfiles(printer.record).empty());
  EXPECT_FALSE(LoadWatermarkProfile(printer.record, kWatermarkModeNone));
}

TEST(WatermarkStore, OnlyABinaryValueOfExactly148BytesIsAProfile) {
  PrinterScope printer("Watermark store sizes");
  const std::vector<uint8_t> full(148, 0x41);
  struct Case {
    const char* name;
    uint32_t type;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"Corto", platform::kRegBinary, std::vector<uint8_t>(147, 0x41)},
      {"Lungo", platform::kRegBinary, std::vector<uint8_t>(149, 0x41)},
      {"Vuoto", platform::kRegBinary, {}},
      {"Testo", platform::kRegString, full},
      {"Numero", platform::kRegDword, {1, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(printer.Write(kProfiles, c.name, c.type, c.bytes)) << c.name;
    FillUserWatermark(printer.record, c.name);
    EXPECT_FALSE(LoadWatermarkProfile(printer.record, kWatermarkModeNone)) << c.name;
    EXPECT_EQ(FieldText(printer.record.watermarkName), c.name) << "the name stays";
    EXPECT_EQ(+printer.record.watermarkSize, 72) << c.name << ": the defaults, nothing of the value";
    EXPECT_EQ(FieldText(printer.record.watermarkText), "Filigrana") << c.name;
  }
  // A missing value is a failed read as well.
  FillUserWatermark(printer.record, "Assente");
  EXPECT_FALSE(LoadWatermarkProfile(printer.record, kWatermarkModeEdit));
  EXPECT_EQ(+printer.record.watermarkAngle, 45);
}

TEST(WatermarkStore, DeleteRemovesTheNamedValueOnce) {
  PrinterScope printer("Watermark store delete");
  FillUserWatermark(printer.record, "Interno");
  ASSERT_TRUE(SaveWatermarkProfile(printer.record));
  EXPECT_TRUE(DeleteWatermarkProfile(printer.record));
  EXPECT_FALSE(DeleteWatermarkProfile(printer.record));
  EXPECT_TRUE(ListWatermarkProfiles(printer.record).empty());
}

TEST(WatermarkStore, TheListIsSortedIgnoringCaseWithoutBuiltInOrOverlongNames) {
  PrinterScope printer("Watermark store listing");
  const std::string longest(31, 'm');
  const std::vector<uint8_t> group(148, 0);
  for (const std::string& name :
       {std::string("zeta"), std::string("Alfa"), std::string("beta"), std::string("RISERVATO"),
        std::string("copia"), longest, std::string(32, 'n'), std::string("Gamma")}) {
    ASSERT_TRUE(printer.Write(kProfiles, name, platform::kRegBinary, group)) << name;
  }
  // Listed even though it would not load: choosing it gives the defaults.
  ASSERT_TRUE(printer.Write(kProfiles, "Difettoso", platform::kRegBinary, {1, 2, 3}));
  EXPECT_EQ(ListWatermarkProfiles(printer.record),
            (std::vector<std::string>{"Alfa", "beta", "Difettoso", "Gamma", longest, "zeta"}));
}

TEST(WatermarkStore, APrinterWithoutProfilesListsNone) {
  PrinterScope printer("Watermark store none");
  EXPECT_TRUE(ListWatermarkProfiles(printer.record).empty());
}

TEST(WatermarkInForce, NotChosenYetBecomesNone) {
  PrinterScope printer("Watermark in force unchosen");
  FillUserWatermark(printer.record, "Interno");
  printer.record.watermarkCode = kUnchosenWatermarkCode;
  EXPECT_FALSE(TakeWatermarkInForce(printer.record, kWatermarkModeNone));
  EXPECT_EQ(FieldText(printer.record.watermarkName), "Nessuno");
  EXPECT_EQ(+printer.record.watermarkCode, 1);
  EXPECT_EQ(+printer.record.watermarkSize, 120) << "nothing else is loaded";
}

TEST(WatermarkInForce, AProfileLoadsAndABuiltInNamePrintsItself) {
  PrinterScope printer("Watermark in force");
  FillUserWatermark(printer.record, "Interno");
  ASSERT_TRUE(SaveWatermarkProfile(printer.record));
  const std::vector<uint8_t> saved = GroupOf(printer.record);

  ResetWatermarkDefaults(printer.record, kWatermarkModeNone);
  printer.record.watermarkCode = kStoredWatermarkCode;
  EXPECT_TRUE(TakeWatermarkInForce(printer.record, kWatermarkModeNone));
  EXPECT_EQ(GroupOf(printer.record), saved);

  SetFieldText(printer.record.watermarkName, "Nessuno");
  printer.record.watermarkCode = 1;
  EXPECT_TRUE(TakeWatermarkInForce(printer.record, kWatermarkModeNone));
  EXPECT_EQ(FieldText(printer.record.watermarkText), "Nessuno");
  EXPECT_EQ(+printer.record.watermarkSize, 72);
  EXPECT_EQ(FieldText(printer.record.watermarkFont), "Courier New");
}

}  // namespace
}  // namespace psui
