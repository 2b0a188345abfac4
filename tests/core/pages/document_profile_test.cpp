// The 612-byte document profile against the record, byte by byte, and its
// store on the registry (in memory natively, the real one under Wine). The
// offsets are written out here, not taken from the structure, so that a
// field that moves fails instead of moving with it.
#include "pages/document_profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "exchange/settings_fields.h"
#include "tests/core/pages/printer_scope.h"

namespace psui {
namespace {

using test::PrinterScope;

struct Placed {
  const char* name;  // the record's field of the same name
  size_t at;         // in the profile
};

// Every plain field of the profile; widths are the record's.
const Placed kPlainFields[] = {
    {"driverWord1", 0},         {"driverWord2", 2},          {"orientation", 4},
    {"duplex", 6},              {"pagesPerSheet", 8},        {"pageBorders", 10},
    {"paperSize", 12},          {"inputSlot", 14},           {"mediaType", 16},
    {"bannerPage", 18},         {"bannerPageSource", 20},    {"firstPageSourceOn", 22},
    {"firstPageSource", 24},    {"trailerPage", 26},         {"trailerPageSource", 28},
    {"autoContinue", 30},       {"resolutionDpi", 32},       {"resolution", 36},
    {"smoothing", 38},          {"tonerSave", 40},           {"negativeImage", 42},
    {"mirrorImage", 44},        {"rotation", 46},            {"allowAppPostScript", 200},
    {"printPsErrors", 202},     {"useExternalHeader", 204},  {"jobTimeout", 270},
    {"collate", 272},           {"copies", 274},             {"scaling", 276},
    {"emailNotify", 278},       {"complexOverlayFirst", 434}, {"complexOverlayCycle", 436},
    {"watermarkCode", 438},     {"watermarkFirstPageOnly", 440}, {"fontSubstitution", 590},
};
const Placed kTexts[] = {{"externalHeaderFile", 206}, {"emailAddress", 280}};
constexpr size_t kColorsAt = 48;
constexpr size_t kWatermarkAt = 442;
constexpr size_t kOverlaysAt = 344;
constexpr size_t kOverlayRowSize = 18;
constexpr size_t kReservedAt = 592;
// Texts of the colour group: offset in the group, width.
using GroupTexts = std::vector<std::pair<size_t, size_t>>;
const GroupTexts kColorTexts = {{2, 32}, {52, 32}, {84, 32}, {116, 32}};
// Texts of the watermark group: name, text, font.
const GroupTexts kWatermarkTexts = {{0, 32}, {32, 64}, {96, 32}};

size_t RecordOffset(const char* name) { return FindSettingsField(name)->offset; }
size_t RecordWidth(const char* name) { return FindSettingsField(name)->width; }

uint8_t* Bytes(SettingsBlock& record) { return reinterpret_cast<uint8_t*>(&record); }
const uint8_t* Bytes(const DocumentProfileRecord& profile) { return reinterpret_cast<const uint8_t*>(&profile); }
std::vector<uint8_t> Range(const uint8_t* bytes, size_t at, size_t size) {
  return std::vector<uint8_t>(bytes + at, bytes + at + size);
}
std::vector<uint8_t> Range(const SettingsBlock& record, size_t at, size_t size) {
  return Range(reinterpret_cast<const uint8_t*>(&record), at, size);
}

// A text of `width` bytes: the text, its NUL, zeros.
std::vector<uint8_t> TextBytes(const std::string& text, size_t width) {
  std::vector<uint8_t> bytes(width, 0);
  std::memcpy(bytes.data(), text.data(), text.size());
  return bytes;
}

// A record whose every byte is `filler`, with a distinct value in each
// plain field the profile holds, and texts that leave filler after their
// terminators.
SettingsBlock DistinctRecord(uint8_t filler) {
  SettingsBlock record;
  std::memset(&record, filler, sizeof record);
  int seed = 1;
  for (const Placed& field : kPlainFields) {
    for (size_t k = 0; k < RecordWidth(field.name); ++k) {
      Bytes(record)[RecordOffset(field.name) + k] = static_cast<uint8_t>(seed++);
    }
  }
  SetFieldText(record.externalHeaderFile, "C:\\PS\\TESTATA.PS");
  SetFieldText(record.emailAddress, "ufficio@stampanti.example");
  record.colorPreset = 0;
  SetFieldText(record.colorProfileName, "Brochure");
  record.graphicsHalftone = 1;
  record.imageIntent = 4;
  SetFieldText(record.rgbSourceProfileName, "sRGB IEC61966-2.1");
  SetFieldText(record.simulationProfileName, "Nessuno");
  SetFieldText(record.destinationProfileName, "Carta lucida");
  record.colorModel = 1;
  record.rgbSourceMode = 1;
  for (int row = 0; row < 5; ++row) {
    record.overlays[row].enabled = static_cast<int16_t>(row % 2);
    SetFieldText(record.overlays[row].fileName, "FORM" + std::to_string(row) + ".OVL");
    record.overlays[row].placement = static_cast<int16_t>(100 + row);
  }
  SetFieldText(record.watermarkName, "Riservato");
  SetFieldText(record.watermarkText, "USO INTERNO");
  SetFieldText(record.watermarkFont, "Arial");
  record.watermarkFontData = 0x1234;
  record.watermarkStyle = 2;
  record.watermarkSize = 96;
  record.watermarkAngle = 30;
  record.watermarkColor = 3;
  record.watermarkIntensity = 70;
  record.watermarkBehind = 0;
  record.watermarkOutline = 1;
  record.watermarkPosition = 1;
  record.watermarkX = -120;
  record.watermarkY = 250;
  return record;
}

// A group of the record as a profile holds it: the bytes after each text's
// terminator cleared.
std::vector<uint8_t> GroupCleared(const SettingsBlock& record, FieldGroup group_at, const GroupTexts& texts) {
  std::vector<uint8_t> group = Range(record, group_at.offset, group_at.size);
  for (const auto& [at, width] : texts) {
    bool ended = false;
    for (size_t k = 0; k < width; ++k) {
      if (ended) group[at + k] = 0;
      if (group[at + k] == 0) ended = true;
    }
  }
  return group;
}

TEST(DocumentProfile, PackPutsEachFieldAtItsOffsetAndZerosEverySpareByte) {
  const SettingsBlock record = DistinctRecord(0xEE);
  const DocumentProfileRecord profile = PackDocumentProfile(record);
  const uint8_t* bytes = Bytes(profile);
  for (const Placed& field : kPlainFields) {
    EXPECT_EQ(Range(bytes, field.at, RecordWidth(field.name)),
              Range(record, RecordOffset(field.name), RecordWidth(field.name)))
        << field.name;
  }
  EXPECT_EQ(Range(bytes, 206, 64), TextBytes("C:\\PS\\TESTATA.PS", 64));
  EXPECT_EQ(Range(bytes, 280, 64), TextBytes("ufficio@stampanti.example", 64));
  EXPECT_EQ(Range(bytes, kColorsAt, 152), GroupCleared(record, kColorGroup, kColorTexts));
  EXPECT_EQ(Range(bytes, kWatermarkAt, 148), GroupCleared(record, kWatermarkGroup, kWatermarkTexts));
  EXPECT_EQ(Range(bytes, kWatermarkAt + 32, 64), TextBytes("USO INTERNO", 64));
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE("overlay row " + std::to_string(row));
    const size_t at = kOverlaysAt + row * kOverlayRowSize;
    EXPECT_EQ(Range(bytes, at, 2), Range(record, 601 + row * 17, 2));
    EXPECT_EQ(Range(bytes, at + 2, 14), TextBytes("FORM" + std::to_string(row) + ".OVL", 14));
    EXPECT_EQ(Range(bytes, at + 16, 2), Range(record, 601 + row * 17 + 15, 2));
  }
  EXPECT_EQ(Range(bytes, kReservedAt, 20), std::vector<uint8_t>(20, 0));
}

TEST(DocumentProfile, TextsWithoutTerminatorArePackedAsTheirFirstBytes) {
  SettingsBlock record = DistinctRecord(0);
  std::memset(record.emailAddress, 'm', sizeof record.emailAddress);
  std::memset(record.overlays[2].fileName, 'o', sizeof record.overlays[2].fileName);
  std::memset(record.watermarkText, 'w', sizeof record.watermarkText);
  const DocumentProfileRecord profile = PackDocumentProfile(record);
  EXPECT_EQ(Range(Bytes(profile), kWatermarkAt + 32, 64), TextBytes(std::string(63, 'w'), 64));
  EXPECT_EQ(Range(Bytes(profile), 280, 64), TextBytes(std::string(63, 'm'), 64));
  EXPECT_EQ(Range(Bytes(profile), kOverlaysAt + 2 * kOverlayRowSize + 2, 14), TextBytes(std::string(12, 'o'), 14));
}

// The record ranges the profile holds; everything else must stay.
std::vector<bool> HeldByProfile() {
  std::vector<bool> held(kSettingsBlockSize, false);
  auto mark = [&](size_t at, size_t size) {
    for (size_t k = 0; k < size; ++k) held[at + k] = true;
  };
  for (const Placed& field : kPlainFields) mark(RecordOffset(field.name), RecordWidth(field.name));
  for (const Placed& text : kTexts) mark(RecordOffset(text.name), RecordWidth(text.name));
  mark(kColorGroup.offset, kColorGroup.size);
  mark(kWatermarkGroup.offset, kWatermarkGroup.size);
  mark(RecordOffset("overlays"), RecordWidth("overlays"));
  return held;
}

TEST(DocumentProfile, UnpackWritesTheHeldFieldsOnlyAndReadsNoSpareByte) {
  // A profile packed from one record, with its spare bytes then filled.
  const SettingsBlock source = DistinctRecord(0);
  DocumentProfileRecord profile = PackDocumentProfile(source);
  uint8_t* bytes = reinterpret_cast<uint8_t*>(&profile);
  std::memset(bytes + kReservedAt, 0x77, 20);
  std::memset(bytes + 206 + std::strlen("C:\\PS\\TESTATA.PS") + 1, 0x77, 10);
  for (int row = 0; row < 5; ++row) bytes[kOverlaysAt + row * kOverlayRowSize + 15] = 0x77;
  std::memset(bytes + kWatermarkAt + 32 + std::strlen("USO INTERNO") + 1, 0x77, 10);

  SettingsBlock record;
  std::memset(&record, 0x5A, sizeof record);
  const SettingsBlock before = record;
  UnpackDocumentProfile(record, profile);

  const std::vector<bool> held = HeldByProfile();
  const uint8_t* now = reinterpret_cast<const uint8_t*>(&record);
  const uint8_t* was = reinterpret_cast<const uint8_t*>(&before);
  for (size_t at = 0; at < kSettingsBlockSize; ++at) {
    if (!held[at]) {
      EXPECT_EQ(now[at], was[at]) << "record byte " << at << " is not the profile's";
    }
  }
  EXPECT_EQ(FieldText(record.documentProfileName), FieldText(before.documentProfileName));
  for (const Placed& field : kPlainFields) {
    EXPECT_EQ(Range(record, RecordOffset(field.name), RecordWidth(field.name)),
              Range(source, RecordOffset(field.name), RecordWidth(field.name)))
        << field.name;
  }
  EXPECT_EQ(FieldText(record.externalHeaderFile), "C:\\PS\\TESTATA.PS");
  EXPECT_EQ(FieldText(record.emailAddress), "ufficio@stampanti.example");
  EXPECT_EQ(FieldText(record.destinationProfileName), "Carta lucida");
  EXPECT_EQ(int{record.rgbSourceMode}, 1);
  EXPECT_EQ(FieldText(record.overlays[3].fileName), "FORM3.OVL");
  EXPECT_EQ(int{record.overlays[4].placement}, 104);
  EXPECT_EQ(FieldText(record.watermarkName), "Riservato");
  EXPECT_EQ(FieldText(record.watermarkText), "USO INTERNO");
  EXPECT_EQ(FieldText(record.watermarkFont), "Arial");
  EXPECT_EQ(Range(record, kWatermarkGroup.offset + 128, 20), Range(source, kWatermarkGroup.offset + 128, 20))
      << "the watermark's numbers";
  // The spare bytes reached nothing: the record's bytes after a text's
  // terminator are its own.
  EXPECT_EQ(uint8_t(record.externalHeaderFile[20]), 0x5A);
  EXPECT_EQ(uint8_t(record.overlays[0].fileName[12]), 0x5A);
  EXPECT_EQ(uint8_t(record.watermarkText[15]), 0x5A);
}

TEST(DocumentProfile, RoundTripGivesTheSameProfile) {
  const SettingsBlock source = DistinctRecord(0x3C);
  const DocumentProfileRecord first = PackDocumentProfile(source);
  SettingsBlock other;
  std::memset(&other, 0, sizeof other);
  UnpackDocumentProfile(other, first);
  const DocumentProfileRecord second = PackDocumentProfile(other);
  EXPECT_EQ(std::memcmp(&first, &second, sizeof first), 0);
}

TEST(DocumentProfile, StoredTextsWithoutTerminatorGiveTheirFirstBytesAndNothingBeyond) {
  DocumentProfileRecord profile = PackDocumentProfile(DistinctRecord(0));
  std::memset(profile.externalHeaderFile, 'h', sizeof profile.externalHeaderFile);
  std::memset(profile.emailAddress, 'e', sizeof profile.emailAddress);
  std::memset(profile.colors.colorProfileName, 'c', sizeof profile.colors.colorProfileName);
  std::memset(profile.colors.destinationProfileName, 'd', sizeof profile.colors.destinationProfileName);
  for (DocumentProfileOverlay& overlay : profile.overlays) std::memset(overlay.fileName, 'f', sizeof overlay.fileName);
  std::memset(profile.watermark.watermarkFont, 'w', sizeof profile.watermark.watermarkFont);
  profile.jobTimeout = 120;

  SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  UnpackDocumentProfile(record, profile);
  EXPECT_EQ(FieldText(record.externalHeaderFile), std::string(63, 'h'));
  EXPECT_EQ(FieldText(record.emailAddress), std::string(63, 'e'));
  EXPECT_EQ(FieldText(record.colorProfileName), std::string(31, 'c'));
  EXPECT_EQ(FieldText(record.destinationProfileName), std::string(31, 'd'));
  for (const OverlayEntry& overlay : record.overlays) EXPECT_EQ(FieldText(overlay.fileName), std::string(12, 'f'));
  EXPECT_EQ(FieldText(record.watermarkFont), std::string(31, 'w'));
  EXPECT_EQ(int{record.jobTimeout}, 120) << "the field after the header path is the profile's own";
  EXPECT_EQ(int{record.watermarkFontData}, 0x1234) << "the field after the font is the profile's own";
  EXPECT_EQ(int{record.overlays[1].placement}, 101);
}

TEST(DocumentProfile, NoProfileIsNessunoInAnyCaseOrNothing) {
  EXPECT_TRUE(IsNoDocumentProfile(""));
  EXPECT_TRUE(IsNoDocumentProfile("Nessuno"));
  EXPECT_TRUE(IsNoDocumentProfile("NESSUNO"));
  EXPECT_TRUE(IsNoDocumentProfile("nessUNO"));
  EXPECT_FALSE(IsNoDocumentProfile("Nessuno "));
  EXPECT_FALSE(IsNoDocumentProfile("Nessun"));
  EXPECT_FALSE(IsNoDocumentProfile("Alfa"));
}

// ---------------------------------------------------------------- the store

class DocumentProfileStore : public ::testing::Test {
 protected:
  DocumentProfileStore()
      : printer(std::string("PSUI Profili ") + ::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    record() = DistinctRecord(0);
    SetFieldText(record().printerName, printer.record.printerName);
  }
  SettingsBlock& record() { return record_; }
  std::vector<uint8_t> Stored(const std::string& name) {
    platform::RegistryValue value;
    EXPECT_TRUE(printer.Read("Custom Document Profiles", name, &value)) << name;
    EXPECT_EQ(value.type, platform::kRegBinary);
    return value.data;
  }
  std::vector<uint8_t> Packed() {
    const DocumentProfileRecord profile = PackDocumentProfile(record());
    return Range(Bytes(profile), 0, sizeof profile);
  }

  PrinterScope printer;
  SettingsBlock record_;
};

TEST_F(DocumentProfileStore, SaveWritesThePackedBytesAndReplacesAnEarlierValue) {
  ASSERT_TRUE(SaveDocumentProfile(record(), "Lettere"));
  EXPECT_EQ(Stored("Lettere"), Packed());
  record().copies = 7;
  ASSERT_TRUE(SaveDocumentProfile(record(), "Lettere"));
  EXPECT_EQ(Stored("Lettere"), Packed());
  EXPECT_EQ(DocumentProfileNames(record()), std::vector<std::string>{"Lettere"});
  EXPECT_FALSE(SaveDocumentProfile(record(), "")) << "the key's default value is no profile";
}

TEST_F(DocumentProfileStore, OnlyABinaryValueOfExactly612BytesIsAProfile) {
  ASSERT_TRUE(SaveDocumentProfile(record(), "Buono"));
  std::vector<uint8_t> bytes = Stored("Buono");
  ASSERT_TRUE(printer.Write("Custom Document Profiles", "Corto", platform::kRegBinary,
                            std::vector<uint8_t>(bytes.begin(), bytes.end() - 1)));
  std::vector<uint8_t> longer = bytes;
  longer.push_back(0);
  ASSERT_TRUE(printer.Write("Custom Document Profiles", "Lungo", platform::kRegBinary, longer));
  ASSERT_TRUE(printer.Write("Custom Document Profiles", "Testo", platform::kRegString, bytes));

  DocumentProfileRecord profile;
  EXPECT_TRUE(ReadDocumentProfile(record(), "Buono", &profile));
  EXPECT_FALSE(ReadDocumentProfile(record(), "Corto", &profile));
  EXPECT_FALSE(ReadDocumentProfile(record(), "Lungo", &profile));
  EXPECT_FALSE(ReadDocumentProfile(record(), "Testo", &profile));
  EXPECT_FALSE(ReadDocumentProfile(record(), "Assente", &profile));

  // Every value is listed, whatever it holds.
  std::vector<std::string> names = DocumentProfileNames(record());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Buono", "Corto", "Lungo", "Testo"}));
}

TEST_F(DocumentProfileStore, OkAppliesAStoredProfileAndStoresANewName) {
  ASSERT_TRUE(SaveDocumentProfile(record(), "Ufficio"));
  const SettingsBlock stored = record();
  record().copies = 42;
  record().orientation = 2;
  SetFieldText(record().emailAddress, "altro@stampanti.example");

  EXPECT_EQ(ApplyOrSaveDocumentProfile(record(), "Ufficio"), ProfileChoice::kApplied);
  EXPECT_EQ(int{record().copies}, int{stored.copies});
  EXPECT_EQ(int{record().orientation}, int{stored.orientation});
  EXPECT_EQ(FieldText(record().emailAddress), "ufficio@stampanti.example");

  record().copies = 9;
  const SettingsBlock current = record();
  EXPECT_EQ(ApplyOrSaveDocumentProfile(record(), "Nuovo"), ProfileChoice::kSaved);
  EXPECT_EQ(std::memcmp(&record(), &current, sizeof current), 0) << "the current settings stay";
  EXPECT_EQ(Stored("Nuovo"), Packed());
}

TEST_F(DocumentProfileStore, NessunoInAnyCaseChoosesNothingAndStoresNothing) {
  const SettingsBlock current = record();
  EXPECT_EQ(ApplyOrSaveDocumentProfile(record(), "NESSUNO"), ProfileChoice::kNone);
  EXPECT_EQ(ApplyOrSaveDocumentProfile(record(), ""), ProfileChoice::kNone);
  EXPECT_EQ(std::memcmp(&record(), &current, sizeof current), 0);
  EXPECT_TRUE(DocumentProfileNames(record()).empty());
}

TEST_F(DocumentProfileStore, AValueOfAnotherSizeIsNeverUnpackedAndOkStoresOverIt) {
  ASSERT_TRUE(printer.Write("Custom Document Profiles", "Rotto", platform::kRegBinary, std::vector<uint8_t>(300, 0xFF)));
  const SettingsBlock current = record();
  EXPECT_EQ(ApplyOrSaveDocumentProfile(record(), "Rotto"), ProfileChoice::kSaved);
  EXPECT_EQ(std::memcmp(&record(), &current, sizeof current), 0);
  EXPECT_EQ(Stored("Rotto"), Packed());
}

TEST_F(DocumentProfileStore, DeleteRemovesOnlyThatValue) {
  ASSERT_TRUE(SaveDocumentProfile(record(), "Alfa"));
  ASSERT_TRUE(SaveDocumentProfile(record(), "Beta"));
  EXPECT_TRUE(DeleteDocumentProfile(record(), "Alfa"));
  EXPECT_FALSE(DeleteDocumentProfile(record(), "Alfa"));
  EXPECT_EQ(DocumentProfileNames(record()), std::vector<std::string>{"Beta"});
}

}  // namespace
}  // namespace psui
