// driver_sim --script against the live psui.exe: scripts that pass, and
// scripts that must fail and still end the sheet.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "exchange/frames.h"
#include "exchange/settings_block.h"
#include "platform/registry.h"
#include "pages/watermark_settings.h"
#include "tests/e2e/automation/script_run.h"

namespace psui {
namespace {

using test::ScriptRun;
using test::WindowsPath;

// Runs the script at `windowsScriptPath` against psui started on the sample
// PPD with `record`; the printer answers from `agent` (an snmpd of the test
// fixture).
ScriptRun RunScriptOn(const SettingsBlock& record, const std::string& windowsScriptPath, const char* agent) {
  test::PlaceSamplePpd();
  return test::RunDriverScript(record, windowsScriptPath,
                               std::string("--printer-port IP_AUTOMATION --printer-address ") + agent);
}

ScriptRun RunScript(const char* script, bool deviceMode,
                    const std::string& printer = "PSUI Automation " + std::to_string(GetCurrentProcessId())) {
  SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  record.deviceMode = deviceMode ? 1 : 0;
  SetFieldText(record.printerName, printer);
  SetFieldText(record.driverFileName, "C:\\psui-e2e\\PSUICLR.DRV");
  SetFieldText(record.snmpCommunity, "public");
  // What a driver sends for a printer never set up: no watermark, and the
  // complex overlay cycle at its start (the Overlay page refuses a cycle of 0).
  record.complexOverlayFirst = 1;
  record.complexOverlayCycle = 1;
  ChooseNoWatermark(record);
  ResetWatermarkDefaults(record, kWatermarkModeNone);
  SetFieldText(record.watermarkText, "Nessuno");
  return RunScriptOn(record, WindowsPath(std::string(PSUI_SCRIPT_DIR) + "/" + script), "127.0.0.40");
}

const std::vector<uint8_t> kCancelFrame = {8, 0, 0, 0, 2, 0, 0, 0};

// What start-up changes in a record of zeros: the colour of the sample PPD,
// and what the printer (the snmpd "full" profile) reports installed.
const std::vector<std::string> kStartUpChanges = {
    "colorDevice: 0 -> 1",       "collate: 0 -> 1",         "hardDiskInstalled: 0 -> 1",
    "duplexerInstalled: 0 -> 1", "bin1Installed: 0 -> 1",   "bin2Installed: 0 -> 1",
    "stackerInstalled: 0 -> 1",  "multiResInstalled: 0 -> 1", "manualFeedInstalled: 0 -> 1",
    "printerAddress: \"\" -> \"127.0.0.40\"", "portName: \"\" -> \"IP_AUTOMATION\"", "collateDefaulted: 0 -> 1"};

TEST(Automation, DeviceModeHasEightPagesWithTheirTemplates) {
  ScriptRun run = RunScript("device_templates.script", true);
  EXPECT_EQ(run.exitCode, 2u) << run.output;
  EXPECT_FALSE(run.Printed("FAIL")) << run.output;
  EXPECT_TRUE(run.Printed("ok      5: expect-text 1000 \"Verticale\"")) << run.output;
  EXPECT_TRUE(run.Printed("expect-text 1321 \"Quantità restante\"")) << run.output;
  EXPECT_EQ(run.answer, kCancelFrame);
}

TEST(Automation, DocumentModeHasSixPagesAndOkAnswersWithTheRecord) {
  ScriptRun run = RunScript("document_pages.script", false);
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_FALSE(run.Printed("FAIL")) << run.output;
  // Start-up's changes, the landscape click and what the pages store for a
  // record of zeros: the Paper page's first size (the custom one) with its
  // first source and type and the upper tray; back on Layout, the custom
  // size drops the booklet and the pages list's first code is stored; the
  // Features page's colour list settles the preset of a record of zeros (no
  // preset) on "Auto".
  std::vector<std::string> expected = {"outputBin: 0 -> 1",     "colorDevice: 0 -> 1", "orientation: 0 -> 2",
                                       "pagesPerSheet: 0 -> 1", "paperSize: 0 -> 257", "inputSlot: 0 -> 257",
                                       "mediaType: 0 -> 246",   "colorPreset: 0 -> 1"};
  expected.insert(expected.end(), kStartUpChanges.begin() + 1, kStartUpChanges.end());
  EXPECT_EQ(run.changed, expected) << run.output;
}

TEST(Automation, TheVerbsWorkOnThePagesControls) {
  ScriptRun run = RunScript("verbs.script", true, "PSUI Automation Verbs");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_FALSE(run.Printed("FAIL")) << run.output;
  EXPECT_TRUE(run.Printed("ok     11: expect-text 1185 \"12\"")) << run.output;
  // Start-up's changes and the host typed on the Settings page, with its twin.
  std::vector<std::string> expected = kStartUpChanges;
  auto host = std::find(expected.begin(), expected.end(), "printerAddress: \"\" -> \"127.0.0.40\"");
  expected.insert(host, {"hostUtf8: \"\" -> \"Server\"", "host: \"\" -> \"Server\""});
  EXPECT_EQ(run.changed, expected) << run.output;
}

TEST(Automation, LeaveKeptFailsWhenTheFocusMovesOn) {
  ScriptRun run = RunScript("leave_kept_refused.script", true);
  EXPECT_EQ(run.exitCode, 3u) << run.output;
  EXPECT_TRUE(run.Printed("FAIL    4: leave-kept 1241: the focus moved on to 1242 and stayed there")) << run.output;
  EXPECT_TRUE(run.Printed("skip    5: ok")) << run.output;
  EXPECT_EQ(run.answer, kCancelFrame);
}

TEST(Automation, AFailingLineSkipsTheRestAndCancelsTheSheet) {
  ScriptRun run = RunScript("fails_on_purpose.script", false);
  EXPECT_EQ(run.exitCode, 3u) << run.output;
  EXPECT_TRUE(run.Printed("FAIL    5: expect-text 1003 \"Duplex\": expected \"Duplex\", saw \"Simplex\""))
      << run.output;
  EXPECT_TRUE(run.Printed("skip    6: click 1001")) << run.output;
  EXPECT_TRUE(run.Printed("skip    7: ok")) << run.output;
  EXPECT_EQ(run.answer, kCancelFrame) << "the sheet was cancelled";
  EXPECT_TRUE(run.Printed("psui ended with exit code 0")) << run.output;
}

TEST(Automation, APageTheSheetDoesNotHaveFails) {
  ScriptRun run = RunScript("refused_actions.script", false);
  EXPECT_EQ(run.exitCode, 3u) << run.output;
  EXPECT_TRUE(run.Printed("FAIL    3: page-id 216: no page of dialog 216")) << run.output;
  EXPECT_EQ(run.answer, kCancelFrame);
}

TEST(Automation, AHiddenControlCannotBeUsed) {
  ScriptRun run = RunScript("refused_hidden.script", true);
  EXPECT_EQ(run.exitCode, 3u) << run.output;
  EXPECT_TRUE(run.Printed("select 1190 \"Flash\": control 1190 is hidden")) << run.output;
}

// ---------------------------------------------------------------- paper pages
// The samples' scripts of the Paper and Layout pages and their dialogs, on
// samples/settings.json, with the answer's fields and "CustomSizes".

constexpr char kFullAgent[] = "127.0.0.40";    // snmpd "full": everything fitted
constexpr char kNoDiskAgent[] = "127.0.0.41";  // snmpd "nodisk": no duplexer, no stacker

class PaperScripts : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(test::RecordFromSample("settings.json", &sent_, &error)) << error;
    // The scripts read "CustomSizes" under the sample's own printer name.
    printer_ = std::string(FieldText(sent_.printerName));
    SetFieldText(sent_.driverFileName, "C:\\psui-e2e\\PSUICLR.DRV");
    SetFieldText(sent_.portName, "");
    DeleteCustomSizes();
  }
  void TearDown() override { DeleteCustomSizes(); }

  // Runs a script; true when it passed and psui answered with a record.
  bool Run(const std::string& scriptPath, const char* agent) {
    run_ = RunScriptOn(sent_, scriptPath, agent);
    uint32_t window = 0;
    return run_.exitCode == 0 && !run_.Printed("FAIL") &&
           ReadRecordFrame(run_.answer.data(), run_.answer.size(), &window, &answered_);
  }
  std::vector<uint8_t> CustomSizes() const {
    platform::RegistryKey key;
    std::vector<uint8_t> value;
    if (platform::RegistryKey::OpenForReading(platform::RegistryRoot::kLocalMachine, DriverDataKey(), key) == 0) {
      key.ReadBinary("CustomSizes", value);
    }
    return value;
  }
  static int32_t Int32At(const std::vector<uint8_t>& value, size_t at) {
    return static_cast<int32_t>(value[at] | value[at + 1] << 8 | value[at + 2] << 16 |
                                static_cast<uint32_t>(value[at + 3]) << 24);
  }

  SettingsBlock sent_{};
  SettingsBlock answered_{};
  ScriptRun run_;

 private:
  std::string DriverDataKey() const { return platform::PrinterKeyPath(printer_) + "\\PrinterDriverData"; }
  void DeleteCustomSizes() {
    platform::RegistryKey key;
    if (platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, DriverDataKey(), key) == 0) {
      key.DeleteValue("CustomSizes");
    }
  }
  std::string printer_;
};

TEST_F(PaperScripts, TheCascadeTheDuplexConstraintAndTheCustomSize) {
  ASSERT_TRUE(Run(test::SamplePath("paper.script"), kFullAgent)) << run_.output;
  EXPECT_EQ(answered_.paperSize, 257);
  EXPECT_EQ(answered_.inputSlot, 271);
  EXPECT_EQ(answered_.mediaType, 254);
  EXPECT_EQ(answered_.outputBin, 1);
  EXPECT_EQ(answered_.duplex, 1);
  std::vector<uint8_t> value = CustomSizes();
  ASSERT_EQ(value.size(), 80u) << "OK leaves the Paper page, which writes CustomSizes";
  EXPECT_EQ(Int32At(value, 64), 21000);
  EXPECT_EQ(Int32At(value, 68), 29700);
}

TEST_F(PaperScripts, BookletThenSimplexThenTheShortEdge) {
  ASSERT_TRUE(Run(test::SamplePath("layout.script"), kFullAgent)) << run_.output;
  EXPECT_EQ(answered_.orientation, 2);
  EXPECT_EQ(answered_.duplex, 3);
  EXPECT_EQ(answered_.pagesPerSheet, 4);
  EXPECT_EQ(answered_.pageBorders, 1);
  EXPECT_EQ(CustomSizes().size(), 80u) << "the script passed through the Paper page";
}

TEST_F(PaperScripts, BothDialogsWithEveryBoxAndCancel) {
  ASSERT_TRUE(Run(test::SamplePath("paper-dialogs.script"), kFullAgent)) << run_.output;
  EXPECT_EQ(answered_.bannerPage, 1);
  EXPECT_EQ(answered_.bannerPageSource, 271);
  EXPECT_EQ(answered_.trailerPage, 0);
  EXPECT_EQ(answered_.trailerPageSource, 7);
  EXPECT_EQ(answered_.autoContinue, 0);
  EXPECT_EQ(answered_.paperSize, 257);
  EXPECT_FLOAT_EQ(answered_.customWidth, 200.0f);
  EXPECT_FLOAT_EQ(answered_.customHeight, 300.0f);
  EXPECT_EQ(answered_.customUnits, 1);
  EXPECT_EQ(answered_.customFeedDirection, 9);
  std::vector<uint8_t> value = CustomSizes();
  ASSERT_EQ(value.size(), 80u);
  EXPECT_EQ(Int32At(value, 64), 20000);
  EXPECT_EQ(Int32At(value, 68), 30000);
}

TEST_F(PaperScripts, APrinterWithoutDuplexUnitOffersNoBooklet) {
  sent_.duplex = 3;
  sent_.pagesPerSheet = 99;
  ASSERT_TRUE(Run(std::string(PSUI_SCRIPT_DIR) + "/layout_nodisk.script", kNoDiskAgent)) << run_.output;
  EXPECT_EQ(answered_.duplexerInstalled, 0);
  EXPECT_EQ(answered_.duplex, 1);
  EXPECT_EQ(answered_.pagesPerSheet, 1);
}

}  // namespace
}  // namespace psui
