// Restoring the driver's defaults on a record where every field differs from
// its default, with PPDs whose defaults differ.
#include "pages/restore_defaults.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "exchange/settings_fields.h"
#include "tests/core/pages/printer_scope.h"
#include "tests/core/ppd/ppd_test_util.h"

namespace psui {
namespace {

using test::Compile;
using test::ImagePtr;

// The PPD keywords restore reads; each test replaces the part it is about.
struct PpdParts {
  std::string pageSize = "*OpenUI *PageSize/Formato: PickOne\n*DefaultPageSize: A4\n"
                         "*PageSize Letter/Letter: \"l\"\n*PageSize A4/A4: \"a\"\n*CloseUI: *PageSize\n";
  std::string mediaType = "*OpenUI *MediaType/Tipo: PickOne\n*DefaultMediaType: OHP\n"
                          "*MediaType PlainPaper/Normale: \"p\"\n*MediaType OHP/Lucidi: \"o\"\n*CloseUI: *MediaType\n";
  std::string outputBin = "*OpenUI *OutputBin/Uscita: PickOne\n*DefaultOutputBin: Rear\n"
                          "*OutputBin Upper/Sopra: \"u\"\n*OutputBin Rear/Retro: \"r\"\n*CloseUI: *OutputBin\n";
  std::string resolution = "*OpenUI *Resolution/Risoluzione: PickOne\n*DefaultResolution: 1200dpi\n"
                           "*Resolution 600dpi/600 dpi: \"6\"\n*Resolution 1200dpi/1200 dpi: \"12\"\n"
                           "*CloseUI: *Resolution\n";
  std::string Text() const { return "*PPD-Adobe: \"4.3\"\n" + pageSize + mediaType + outputBin + resolution; }
};

std::string Keyword(const std::string& name, const std::string& defaultLine, const std::string& options) {
  return "*OpenUI *" + name + "/" + name + ": PickOne\n" + defaultLine + options + "*CloseUI: *" + name + "\n";
}

// Every byte 0x5C (so every field differs from its default), texts set.
SettingsBlock ChangedRecord() {
  SettingsBlock record;
  std::memset(&record, 0x5C, sizeof record);
  SetFieldText(record.printerName, "PSUI Ripristino");
  SetFieldText(record.colorProfileName, "Brochure");
  SetFieldText(record.externalHeaderFile, "C:\\PS\\TESTATA.PS");
  SetFieldText(record.emailAddress, "ufficio@stampanti.example");
  SetFieldText(record.watermarkName, "Bozza interna");
  SetFieldText(record.documentProfileName, "Lettere");
  for (OverlayEntry& overlay : record.overlays) SetFieldText(overlay.fileName, "LOGO.OVL");
  record.hardDiskInstalled = 1;
  return record;
}

// The fields restore leaves alone, by name: every byte of them must stay.
const char* const kUntouched[] = {
    "deviceMode",        "printerName",        "driverFileName",    "reserved233",       "driverWord2",
    "reserved243",       "colorDevice",        "reserved249",       "watermarkFontData", "hardDiskInstalled",
    "duplexerInstalled", "bin1Installed",      "bin2Installed",     "bin3Installed",     "bin4Installed",
    "bin5Installed",     "spareOptions",       "envelopeFeederInstalled", "stackerInstalled",
    "finisherInstalled", "mailboxInstalled",   "multiResInstalled", "manualFeedInstalled", "authorUtf8",
    "hostUtf8",          "accountNumberUtf8",  "author",            "host",              "accountNumber",
    "snmpCommunity",     "printerAddress",     "portName",          "customLimit1",      "customLimit2",
    "customLimit3",      "customLimit4",       "customWidth",       "customHeight",      "customUnits",
    "customFeedDirection", "documentProfileName", "collateDefaulted",
};

::testing::AssertionResult SameField(const SettingsBlock& a, const SettingsBlock& b, const char* name) {
  const FieldInfo* field = FindSettingsField(name);
  if (!field) return ::testing::AssertionFailure() << "no field " << name;
  const auto* x = reinterpret_cast<const uint8_t*>(&a) + field->offset;
  const auto* y = reinterpret_cast<const uint8_t*>(&b) + field->offset;
  if (std::memcmp(x, y, field->width) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << name << " changed";
}

class RestoreDefaults : public ::testing::Test {
 protected:
  SettingsBlock Restored(const PpdParts& parts) {
    ImagePtr image = Compile(parts.Text());
    EXPECT_NE(image, nullptr);
    SettingsBlock record = ChangedRecord();
    RestoreDriverDefaults(record, image.get());
    return record;
  }
};

TEST_F(RestoreDefaults, EveryDocumentSettingTakesItsDefault) {
  const SettingsBlock before = ChangedRecord();
  SettingsBlock record = Restored(PpdParts());

  for (int i = 0; i < 16; ++i) EXPECT_EQ(uint32_t{record.customColors[i]}, kDefaultCustomColors[i]) << i;
  EXPECT_EQ(uint32_t{record.customColors[0]}, 0x0000FFu) << "red";
  EXPECT_EQ(uint32_t{record.customColors[15]}, 0x800000u) << "blue 128";
  EXPECT_EQ(int{record.driverWord1}, -1);
  EXPECT_EQ(int{record.orientation}, 1);
  EXPECT_EQ(int{record.duplex}, 1);
  EXPECT_EQ(int{record.pagesPerSheet}, 1);
  EXPECT_EQ(int{record.pageBorders}, 0);
  EXPECT_EQ(int{record.inputSlot}, 7);
  EXPECT_EQ(int{record.bannerPage}, 0);
  EXPECT_EQ(int{record.bannerPageSource}, 7);
  EXPECT_EQ(int{record.firstPageSourceOn}, 0);
  EXPECT_EQ(int{record.firstPageSource}, 7);
  EXPECT_EQ(int{record.trailerPage}, 0);
  EXPECT_EQ(int{record.trailerPageSource}, 7);
  EXPECT_EQ(int{record.autoContinue}, 1);
  for (int16_t value : {record.smoothing, record.tonerSave, record.negativeImage, record.mirrorImage, record.rotation}) {
    EXPECT_EQ(int{value}, 0);
  }

  EXPECT_EQ(int{record.colorPreset}, 1);
  EXPECT_EQ(FieldText(record.colorProfileName), "2023010");
  EXPECT_EQ(int{record.graphicsHalftone}, 2);
  EXPECT_EQ(int{record.imageHalftone}, 0);
  EXPECT_EQ(int{record.graphicsIntent}, 2);
  EXPECT_EQ(int{record.imageIntent}, 3);
  EXPECT_EQ(int{record.graphicsProcessGray}, 0);
  EXPECT_EQ(int{record.imageProcessGray}, 1);
  EXPECT_EQ(int{record.colorModel}, 0);
  EXPECT_EQ(int{record.rgbSourceMode}, 0);
  EXPECT_EQ(int{record.rgbSourceProfileId}, 0);
  EXPECT_EQ(int{record.simulationProfileId}, 0);
  EXPECT_EQ(int{record.destinationProfileId}, 0);
  EXPECT_EQ(FieldText(record.rgbSourceProfileName), "Nessuno");
  EXPECT_EQ(FieldText(record.simulationProfileName), "Nessuno");
  EXPECT_EQ(FieldText(record.destinationProfileName), "Nessuno");

  EXPECT_EQ(int{record.allowAppPostScript}, 1);
  EXPECT_EQ(int{record.printPsErrors}, 0);
  EXPECT_EQ(int{record.useExternalHeader}, 0);
  EXPECT_EQ(FieldText(record.externalHeaderFile), "");
  EXPECT_EQ(int{record.collate}, 1) << "the hard disk is installed";
  EXPECT_EQ(int{record.jobTimeout}, 0);
  EXPECT_EQ(int{record.copies}, 1);
  EXPECT_EQ(int{record.scaling}, 100);
  EXPECT_EQ(int{record.emailNotify}, 0);
  EXPECT_EQ(FieldText(record.emailAddress), "");

  for (const OverlayEntry& overlay : record.overlays) {
    EXPECT_EQ(int{overlay.enabled}, 0);
    EXPECT_EQ(FieldText(overlay.fileName), "");
    EXPECT_EQ(int{overlay.placement}, 0);
  }
  EXPECT_EQ(int{record.complexOverlayFirst}, 1);
  EXPECT_EQ(int{record.complexOverlayCycle}, 1);
  EXPECT_EQ(int{record.watermarkCode}, 1);
  EXPECT_EQ(FieldText(record.watermarkName), "Nessuno");
  EXPECT_EQ(int{record.watermarkFirstPageOnly}, 0);
  EXPECT_EQ(FieldText(record.watermarkText), "Filigrana");
  EXPECT_EQ(FieldText(record.watermarkFont), "Courier New");
  EXPECT_EQ(int{record.watermarkStyle}, 0);
  EXPECT_EQ(int{record.watermarkSize}, 72);
  EXPECT_EQ(int{record.watermarkAngle}, 45);
  EXPECT_EQ(int{record.watermarkColor}, 0);
  EXPECT_EQ(int{record.watermarkIntensity}, 50);
  EXPECT_EQ(int{record.watermarkBehind}, 1);
  EXPECT_EQ(int{record.watermarkOutline}, 0);
  EXPECT_EQ(int{record.watermarkPosition}, 0);
  EXPECT_EQ(int{record.watermarkX}, 0);
  EXPECT_EQ(int{record.watermarkY}, 0);
  EXPECT_EQ(int{record.fontSubstitution}, 1);

  EXPECT_EQ(int{record.paperSize}, 9) << "A4";
  EXPECT_EQ(int{record.mediaType}, 2) << "OHP";
  EXPECT_EQ(int{record.outputBin}, 3) << "Rear";
  EXPECT_EQ(int{record.resolution}, 3);
  EXPECT_EQ(int32_t{record.resolutionDpi}, 1200);

  for (const char* name : kUntouched) EXPECT_TRUE(SameField(record, before, name));
}

TEST_F(RestoreDefaults, CollatesOnlyWithAHardDisk) {
  ImagePtr image = Compile(PpdParts().Text());
  SettingsBlock record = ChangedRecord();
  record.hardDiskInstalled = 0;
  RestoreDriverDefaults(record, image.get());
  EXPECT_EQ(int{record.collate}, 0);
}

TEST_F(RestoreDefaults, PaperSizeFollowsThePpdDefault) {
  struct Case {
    const char* what;
    std::string keyword;
    int code;
  } cases[] = {
      {"A4", Keyword("PageSize", "*DefaultPageSize: A4\n", "*PageSize Letter/L: \"l\"\n*PageSize A4/A: \"a\"\n"), 9},
      {"Letter", Keyword("PageSize", "*DefaultPageSize: Letter\n", "*PageSize A4/A: \"a\"\n*PageSize Letter/L: \"l\"\n"),
       1},
      {"a name the table lacks", Keyword("PageSize", "*DefaultPageSize: Strano\n", "*PageSize Strano/S: \"s\"\n"), 0},
      {"no default line: the first option",
       Keyword("PageSize", "", "*PageSize A5/A5: \"5\"\n*PageSize A4/A4: \"4\"\n"), 11},
      {"a default no option has: the first option",
       Keyword("PageSize", "*DefaultPageSize: A3\n", "*PageSize Letter/L: \"l\"\n*PageSize A4/A: \"a\"\n"), 1},
      {"no options", Keyword("PageSize", "*DefaultPageSize: A4\n", ""), 1},
      {"no keyword", "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PpdParts parts;
    parts.pageSize = c.keyword;
    EXPECT_EQ(int{Restored(parts).paperSize}, c.code);
  }
}

TEST_F(RestoreDefaults, MediaTypeAndOutputBinFollowThePpdDefaultsAlike) {
  PpdParts parts;
  parts.mediaType = Keyword("MediaType", "*DefaultMediaType: Carta\n", "*MediaType Carta/Carta: \"c\"\n");
  parts.outputBin = "";
  SettingsBlock record = Restored(parts);
  EXPECT_EQ(int{record.mediaType}, 0) << "a default the table lacks";
  EXPECT_EQ(int{record.outputBin}, 1) << "no keyword";

  parts.mediaType = "";
  parts.outputBin = Keyword("OutputBin", "*DefaultOutputBin: Default\n", "*OutputBin Default/Predefinito: \"d\"\n");
  record = Restored(parts);
  EXPECT_EQ(int{record.mediaType}, 1) << "no keyword";
  EXPECT_EQ(int{record.outputBin}, 0) << "\"Default\" is code 0";
}

TEST_F(RestoreDefaults, ResolutionFollowsThePpdDefaultAnd600DpiWithoutOne) {
  struct Case {
    const char* what;
    std::string keyword;
    int code;
    int dpi;
  } cases[] = {
      {"1200dpi", Keyword("Resolution", "*DefaultResolution: 1200dpi\n", "*Resolution 1200dpi/1200: \"x\"\n"), 3, 1200},
      {"600dpi",
       Keyword("Resolution", "*DefaultResolution: 600dpi\n",
               "*Resolution 1200dpi/1200: \"x\"\n*Resolution 600dpi/600: \"y\"\n"),
       2, 600},
      {"300dpi", Keyword("Resolution", "*DefaultResolution: 300dpi\n", "*Resolution 300dpi/300: \"x\"\n"), 1, 300},
      {"no keyword", "", 2, 600},
      {"no options", Keyword("Resolution", "*DefaultResolution: 1200dpi\n", ""), 2, 600},
      {"a default the table lacks", Keyword("Resolution", "*DefaultResolution: 720dpi\n", "*Resolution 720dpi/720: \"x\"\n"),
       0, 600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PpdParts parts;
    parts.resolution = c.keyword;
    SettingsBlock record = Restored(parts);
    EXPECT_EQ(int{record.resolution}, c.code);
    EXPECT_EQ(int32_t{record.resolutionDpi}, c.dpi);
  }
}

TEST_F(RestoreDefaults, WithoutAnImageThePpdFieldsKeepTheirValuesAndTheOutputBinIsOne) {
  SettingsBlock record = ChangedRecord();
  const SettingsBlock before = record;
  RestoreDriverDefaults(record, nullptr);
  EXPECT_EQ(int{record.outputBin}, 1);
  EXPECT_TRUE(SameField(record, before, "paperSize"));
  EXPECT_TRUE(SameField(record, before, "mediaType"));
  EXPECT_TRUE(SameField(record, before, "resolution"));
  EXPECT_TRUE(SameField(record, before, "resolutionDpi"));
  EXPECT_EQ(int{record.copies}, 1) << "the steps before the PPD's ran";
  EXPECT_EQ(int{record.fontSubstitution}, 1);
}

TEST_F(RestoreDefaults, TheWatermarkTextIsFiligranaWhateverTheNameWas) {
  // A built-in name would give its own text to a watermark being edited;
  // restore resets as for a new one.
  SettingsBlock record = ChangedRecord();
  SetFieldText(record.watermarkName, "Bozza");
  SetFieldText(record.watermarkText, "Bozza");
  RestoreDriverDefaults(record, nullptr);
  EXPECT_EQ(FieldText(record.watermarkName), "Nessuno");
  EXPECT_EQ(FieldText(record.watermarkText), "Filigrana");
}

using namespace std::string_literals;

TEST(RestoreFontTable, TheDefaultTableBecomesTheOneInForceWithOrWithoutAnImage) {
  constexpr char kDriverData[] = "PrinterDriverData";
  const std::vector<uint8_t> defaults = test::Bytes("Arial\0Helvetica\0\0"s);
  for (bool withImage : {true, false}) {
    SCOPED_TRACE(withImage ? "with an image" : "without an image");
    test::PrinterScope printer("PSUI Ripristino caratteri");
    ASSERT_TRUE(printer.Write(kDriverData, "DfltFontSub", platform::kRegBinary, defaults));
    ASSERT_TRUE(printer.Write(kDriverData, "FontSub", platform::kRegBinary, test::Bytes("Times\0Courier\0\0"s)));
    SettingsBlock record = ChangedRecord();
    SetFieldText(record.printerName, FieldText(printer.record.printerName));
    ImagePtr image = Compile(PpdParts().Text());
    RestoreDriverDefaults(record, withImage ? image.get() : nullptr);
    platform::RegistryValue value;
    ASSERT_TRUE(printer.Read(kDriverData, "FontSub", &value));
    EXPECT_EQ(value.type, platform::kRegBinary);
    EXPECT_EQ(value.data, defaults);
  }

  // No default table: the one in force stays as it was.
  test::PrinterScope printer("PSUI Ripristino caratteri");
  const std::vector<uint8_t> inForce = test::Bytes("Times\0Courier\0\0"s);
  ASSERT_TRUE(printer.Write(kDriverData, "FontSub", platform::kRegBinary, inForce));
  SettingsBlock record = ChangedRecord();
  SetFieldText(record.printerName, FieldText(printer.record.printerName));
  RestoreDriverDefaults(record, nullptr);
  platform::RegistryValue value;
  ASSERT_TRUE(printer.Read(kDriverData, "FontSub", &value));
  EXPECT_EQ(value.data, inForce);
}

}  // namespace
}  // namespace psui
