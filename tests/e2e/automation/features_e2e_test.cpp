// The Features page, its dialogs and the About page end to end: the sample
// scripts run by driver_sim --script against the live psui.exe in document
// mode, the answer checked field by field (settings_tool diff) and the
// printer's stores read back from the real registry.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "exchange/settings_block.h"
#include "platform/registry.h"
#include "tests/e2e/automation/browser_recorder.h"
#include "tests/e2e/automation/script_run.h"
#include "tests/support/registry_value_guard.h"
#include "tests/support/test_files.h"

namespace psui {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

constexpr char kFolder[] = "C:\\psui-e2e";

class FeaturesScript : public ::testing::Test {
 protected:
  using Run = test::ScriptRun;  // hides testing::Test::Run

  FeaturesScript() {
    test::PlaceSamplePpd();
    // What the driver holds for a colour printer with a hard disk, in
    // document mode; no community, so the printer is not asked.
    std::memset(&record_, 0, sizeof record_);
    SetFieldText(record_.printerName, std::string("PSUI ") + Name());
    SetFieldText(record_.driverFileName, "C:\\psui-e2e\\PSUICLR.DRV");
    record_.colorDevice = 1;
    record_.hardDiskInstalled = 1;
    record_.orientation = 1;
    record_.duplex = 1;
    record_.pagesPerSheet = 1;
    record_.paperSize = 9;
    record_.inputSlot = 7;
    record_.mediaType = 246;
    record_.resolution = 2;
    record_.resolutionDpi = 600;
    record_.colorPreset = 1;
    SetFieldText(record_.colorProfileName, "Auto");
    record_.graphicsHalftone = 2;
    record_.graphicsIntent = 2;
    record_.imageIntent = 3;
    record_.imageProcessGray = 1;
    SetFieldText(record_.rgbSourceProfileName, "Nessuno");
    SetFieldText(record_.simulationProfileName, "Nessuno");
    SetFieldText(record_.destinationProfileName, "Nessuno");
    record_.allowAppPostScript = 1;
    record_.collate = 1;
    record_.copies = 1;
    record_.scaling = 100;
    record_.complexOverlayFirst = 1;
    record_.complexOverlayCycle = 1;
    record_.watermarkCode = 1;
    SetFieldText(record_.watermarkName, "Nessuno");
    record_.fontSubstitution = 1;
    SetFieldText(record_.documentProfileName, "Nessuno");
    test::DeleteRegistryTree(RegistryRoot::kLocalMachine, PrinterKey());
  }
  ~FeaturesScript() override { test::DeleteRegistryTree(RegistryRoot::kLocalMachine, PrinterKey()); }

  static std::string Name() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }
  std::string PrinterKey() const { return platform::PrinterKeyPath(FieldText(record_.printerName)); }

  Run RunScript(const char* name) { return test::RunDriverScript(record_, test::SamplePath(name)); }

  SettingsBlock record_;
};

TEST_F(FeaturesScript, ResolutionTonerSavingColourAndTheDialogsMessages) {
  const std::string header = std::string(kFolder) + "\\intestazione aziendale.eps";
  test::WriteFileBytes(header, "%!PS\n", 5);
  Run run = RunScript("features.script");
  DeleteFileA(header.c_str());
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  // Toner saving went on and off again; every dialog was cancelled.
  const std::vector<std::string> expected = {
      "resolutionDpi: 600 -> 1200",
      "resolution: 2 -> 3",
      "colorPreset: 1 -> 4",
      "colorProfileName: \"Auto\" -> \"Foto\"",
      "graphicsHalftone: 2 -> 0",
      "graphicsIntent: 2 -> 1",
      "imageIntent: 3 -> 1",
      "graphicsProcessGray: 0 -> 1",
  };
  EXPECT_EQ(run.changed, expected) << run.output;
}

// The bytes of a stored value, or none.
std::vector<uint8_t> StoredValue(const std::string& keyPath, const std::string& name, uint32_t* type = nullptr) {
  RegistryKey key;
  platform::RegistryValue value;
  if (RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, keyPath, key) != platform::kRegOk ||
      key.ReadAnyValue(name, value) != platform::kRegOk) {
    return {};
  }
  if (type) *type = value.type;
  return value.data;
}

std::string TextAt(const std::vector<uint8_t>& bytes, size_t at, size_t width) {
  if (bytes.size() < at + width) return "(short value)";
  return std::string(FieldText(reinterpret_cast<const char*>(bytes.data() + at), width));
}
int Int16At(const std::vector<uint8_t>& bytes, size_t at) {
  if (bytes.size() < at + 2) return -99999;
  return static_cast<int16_t>(bytes[at] | bytes[at + 1] << 8);
}

TEST_F(FeaturesScript, ColourDialogsThroughTheFeaturesPage) {
  Run run = RunScript("colour.script");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  const std::vector<std::string> expected = {
      "colorPreset: 1 -> 0",
      "colorProfileName: \"Auto\" -> \"Personale\"",
      "graphicsHalftone: 2 -> 0",
      "graphicsIntent: 2 -> 1",
      "imageIntent: 3 -> 1",
      "graphicsProcessGray: 0 -> 1",
      "simulationProfileId: 0 -> 122",
      "simulationProfileName: \"Nessuno\" -> \"Euroscale\"",
  };
  EXPECT_EQ(run.changed, expected) << run.output;

  // "Ufficio" holds the settings of "Foto"; "Personale" the changed ones.
  const std::string profiles = PrinterKey() + "\\Color Profiles";
  uint32_t type = 0;
  std::vector<uint8_t> office = StoredValue(profiles, "Ufficio", &type);
  EXPECT_EQ(type, platform::kRegBinary);
  ASSERT_EQ(office.size(), 152u);
  EXPECT_EQ(Int16At(office, 0), 0) << "colorPreset";
  EXPECT_EQ(TextAt(office, 2, 32), "Ufficio");
  EXPECT_EQ(Int16At(office, 38), 1) << "graphicsIntent of Foto";
  EXPECT_EQ(TextAt(office, 84, 32), "Nessuno");
  std::vector<uint8_t> personal = StoredValue(profiles, "Personale");
  ASSERT_EQ(personal.size(), 152u);
  EXPECT_EQ(TextAt(personal, 2, 32), "Personale");
  EXPECT_EQ(Int16At(personal, 48), 122) << "simulationProfileId";
  EXPECT_EQ(TextAt(personal, 84, 32), "Euroscale");

  std::vector<uint8_t> registration = StoredValue(PrinterKey() + "\\Printer Resident\\Simulation Profiles", "Euroscale");
  ASSERT_EQ(registration.size(), 362u);
  EXPECT_EQ(TextAt(registration, 6, 96), "Euroscale");
  EXPECT_EQ(TextAt(registration, 102, 260), "EURO.ICC");
}

TEST_F(FeaturesScript, DocumentProfilesSavedAppliedAndDeleted) {
  Run run = RunScript("document-profiles.script");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  // The copies changed and came back with the profile.
  EXPECT_EQ(run.changed, std::vector<std::string>{"documentProfileName: \"Nessuno\" -> \"Lettere\""}) << run.output;

  const std::string store = PrinterKey() + "\\Custom Document Profiles";
  uint32_t type = 0;
  std::vector<uint8_t> letters = StoredValue(store, "Lettere", &type);
  EXPECT_EQ(type, platform::kRegBinary);
  ASSERT_EQ(letters.size(), 612u);
  EXPECT_EQ(Int16At(letters, 274), 1) << "copies when saved";
  EXPECT_EQ(Int16At(letters, 36), 2) << "resolution";
  EXPECT_EQ(TextAt(letters, 48 + 2, 32), "Auto") << "colorProfileName in the colour group";
  EXPECT_EQ(Int16At(letters, 590), 1) << "fontSubstitution";
  EXPECT_EQ(std::vector<uint8_t>(letters.begin() + 592, letters.end()), std::vector<uint8_t>(20, 0));
  EXPECT_TRUE(StoredValue(store, "Bozze").empty()) << "deleted";
}

TEST_F(FeaturesScript, RestoreDefaultsFromTheAboutPage) {
  SettingsBlock& r = record_;
  r.outputBin = 5;
  r.driverWord1 = 7;
  r.driverWord2 = 9;
  r.orientation = 2;
  r.duplex = 2;
  r.pagesPerSheet = 4;
  r.pageBorders = 1;
  r.paperSize = 1;
  r.inputSlot = 1;
  r.mediaType = 1;
  r.bannerPage = 1;
  r.bannerPageSource = 1;
  r.firstPageSourceOn = 1;
  r.firstPageSource = 2;
  r.trailerPage = 1;
  r.trailerPageSource = 1;
  r.autoContinue = 0;
  r.resolution = 3;
  r.resolutionDpi = 1200;
  r.smoothing = 1;
  r.tonerSave = 1;
  r.negativeImage = 1;
  r.mirrorImage = 1;
  r.rotation = 2;
  r.colorPreset = 4;
  SetFieldText(r.colorProfileName, "Foto");
  r.graphicsHalftone = 0;
  r.graphicsIntent = 1;
  r.imageIntent = 1;
  r.graphicsProcessGray = 1;
  r.rgbSourceMode = 1;
  r.simulationProfileId = 122;
  SetFieldText(r.simulationProfileName, "Euroscale");
  r.allowAppPostScript = 0;
  r.printPsErrors = 1;
  r.useExternalHeader = 1;
  SetFieldText(r.externalHeaderFile, "C:\\PS\\TESTATA.PS");
  r.jobTimeout = 60;
  r.collate = 0;
  r.copies = 3;
  r.scaling = 50;
  r.emailNotify = 1;
  SetFieldText(r.emailAddress, "ufficio@stampanti.example");
  r.overlays[0].enabled = 1;
  SetFieldText(r.overlays[0].fileName, "LOGO.OVL");
  r.overlays[0].placement = 1;
  r.complexOverlayFirst = 2;
  r.complexOverlayCycle = 3;
  r.watermarkCode = 3;
  r.watermarkFirstPageOnly = 1;
  SetFieldText(r.watermarkName, "COPIA");
  SetFieldText(r.watermarkText, "COPIA");
  SetFieldText(r.watermarkFont, "Arial");
  r.watermarkFontData = 5;
  r.watermarkStyle = 1;
  r.watermarkSize = 96;
  r.watermarkAngle = 30;
  r.watermarkColor = 2;
  r.watermarkIntensity = 70;
  r.watermarkOutline = 1;
  r.watermarkPosition = 1;
  r.watermarkX = 10;
  r.watermarkY = -20;
  r.fontSubstitution = 0;
  SetFieldText(r.documentProfileName, "Lettere");
  // The printer's default font table and another one in force.
  const std::string driverData = PrinterKey() + "\\PrinterDriverData";
  const std::string defaults("Arial\0Helvetica\0Times New Roman\0Times\0\0", 39);
  {
    RegistryKey key;
    ASSERT_EQ(RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, driverData, key), platform::kRegOk);
    ASSERT_EQ(key.WriteValue("DfltFontSub", platform::kRegBinary, defaults.data(), defaults.size()), platform::kRegOk);
    const std::string inForce("Arial\0Courier\0\0", 16);
    ASSERT_EQ(key.WriteValue("FontSub", platform::kRegBinary, inForce.data(), inForce.size()), platform::kRegOk);
  }
  test::BrowserRecorder browser;

  Run run = RunScript("restore-defaults.script");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  // Each link opened the address it shows.
  EXPECT_EQ(browser.OpenedLinks(2),
            (std::vector<std::string>{"http://negozio.stampanti.example/", "http://www.stampanti.example/"}));
  uint32_t type = 0;
  EXPECT_EQ(StoredValue(driverData, "FontSub", &type), std::vector<uint8_t>(defaults.begin(), defaults.end()));
  EXPECT_EQ(type, platform::kRegBinary);
  // The PPD's defaults: A4 (9), PrinterDefault (246), Upper (1), 600dpi (2).
  // driverWord2, the option flags and documentProfileName stay.
  const std::vector<std::string> expected = {
      "customColors[0]: 0 -> 255",
      "customColors[1]: 0 -> 65280",
      "customColors[2]: 0 -> 16711680",
      "customColors[4]: 0 -> 16777215",
      "customColors[5]: 0 -> 192",
      "customColors[6]: 0 -> 128",
      "customColors[7]: 0 -> 64",
      "customColors[8]: 0 -> 4210943",
      "customColors[9]: 0 -> 8421631",
      "customColors[10]: 0 -> 12632319",
      "customColors[11]: 0 -> 12632256",
      "customColors[12]: 0 -> 8421504",
      "customColors[13]: 0 -> 4210752",
      "customColors[14]: 0 -> 12582912",
      "customColors[15]: 0 -> 8388608",
      "outputBin: 5 -> 1",
      "driverWord1: 7 -> -1",
      "orientation: 2 -> 1",
      "duplex: 2 -> 1",
      "pagesPerSheet: 4 -> 1",
      "pageBorders: 1 -> 0",
      "paperSize: 1 -> 9",
      "inputSlot: 1 -> 7",
      "mediaType: 1 -> 246",
      "bannerPage: 1 -> 0",
      "bannerPageSource: 1 -> 7",
      "firstPageSourceOn: 1 -> 0",
      "firstPageSource: 2 -> 7",
      "trailerPage: 1 -> 0",
      "trailerPageSource: 1 -> 7",
      "autoContinue: 0 -> 1",
      "resolutionDpi: 1200 -> 600",
      "resolution: 3 -> 2",
      "smoothing: 1 -> 0",
      "tonerSave: 1 -> 0",
      "negativeImage: 1 -> 0",
      "mirrorImage: 1 -> 0",
      "rotation: 2 -> 0",
      "colorPreset: 4 -> 1",
      "colorProfileName: \"Foto\" -> \"2023010\"",
      "graphicsHalftone: 0 -> 2",
      "graphicsIntent: 1 -> 2",
      "imageIntent: 1 -> 3",
      "graphicsProcessGray: 1 -> 0",
      "simulationProfileId: 122 -> 0",
      "simulationProfileName: \"Euroscale\" -> \"Nessuno\"",
      "rgbSourceMode: 1 -> 0",
      "allowAppPostScript: 0 -> 1",
      "printPsErrors: 1 -> 0",
      "useExternalHeader: 1 -> 0",
      "externalHeaderFile: \"C:\\\\PS\\\\TESTATA.PS\" -> \"\"",
      "jobTimeout: 60 -> 0",
      "collate: 0 -> 1",
      "copies: 3 -> 1",
      "scaling: 50 -> 100",
      "emailNotify: 1 -> 0",
      "emailAddress: \"ufficio@stampanti.example\" -> \"\"",
      "overlays[0].enabled: 1 -> 0",
      "overlays[0].fileName: \"LOGO.OVL\" -> \"\"",
      "overlays[0].placement: 1 -> 0",
      "complexOverlayFirst: 2 -> 1",
      "complexOverlayCycle: 3 -> 1",
      "watermarkCode: 3 -> 1",
      "watermarkFirstPageOnly: 1 -> 0",
      "watermarkName: \"COPIA\" -> \"Nessuno\"",
      "watermarkText: \"COPIA\" -> \"Filigrana\"",
      "watermarkFont: \"Arial\" -> \"Courier New\"",
      "watermarkStyle: 1 -> 0",
      "watermarkSize: 96 -> 72",
      "watermarkAngle: 30 -> 45",
      "watermarkColor: 2 -> 0",
      "watermarkIntensity: 70 -> 50",
      "watermarkBehind: 0 -> 1",
      "watermarkOutline: 1 -> 0",
      "watermarkPosition: 1 -> 0",
      "watermarkX: 10 -> 0",
      "watermarkY: -20 -> 0",
      "fontSubstitution: 0 -> 1",
  };
  EXPECT_EQ(run.changed, expected) << run.output;
}

}  // namespace
}  // namespace psui
