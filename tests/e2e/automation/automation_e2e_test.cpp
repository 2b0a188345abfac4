// driver_sim --script against the live psui.exe: scripts that pass, and
// scripts that must fail and still end the sheet.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "exchange/frames.h"
#include "exchange/settings_block.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"
#include "tools/settings_tool/record_json.h"

namespace psui {
namespace {

using test::ChildProcess;
using test::ProgramBeside;
using test::UniqueFileName;

std::string WindowsPath(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : c;
  return "Z:" + path;
}

struct ScriptRun {
  DWORD exitCode = 999;
  std::string output;
  SettingsBlock sent;
  std::vector<uint8_t> answer;

  bool Printed(const std::string& text) const { return output.find(text) != std::string::npos; }
  // The record fields the answer changed, as settings_tool diff names them
  // ("name: old -> new"); empty when the answer holds no record.
  std::vector<std::string> Changes() const {
    uint32_t window = 0;
    SettingsBlock answered;
    if (!ReadRecordFrame(answer.data(), answer.size(), &window, &answered)) return {"(no record)"};
    return DiffRecords(reinterpret_cast<const uint8_t*>(&sent), reinterpret_cast<const uint8_t*>(&answered));
  }
};

ScriptRun RunScript(const char* script, bool deviceMode,
                    const std::string& printer = "PSUI Automation " + std::to_string(GetCurrentProcessId())) {
  CreateDirectoryA("C:\\psui-e2e", nullptr);
  CopyFileA(WindowsPath(std::string(PSUI_SOURCE_DIR) + "/samples/psui-color.ppd").c_str(),
            "C:\\psui-e2e\\PSUICLR.ppd", FALSE);
  SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  record.deviceMode = deviceMode ? 1 : 0;
  SetFieldText(record.printerName, printer);
  SetFieldText(record.driverFileName, "C:\\psui-e2e\\PSUICLR.DRV");
  SetFieldText(record.snmpCommunity, "public");
  std::string record_file = UniqueFileName("record", ".bin");
  std::string answer_file = UniqueFileName("answer", ".bin");
  test::WriteFileBytes(record_file, &record, sizeof record);
  std::string args = "--record " + record_file + " --answer " + answer_file + " --launch " +
                     ProgramBeside("psui.exe") + " --printer-port IP_AUTOMATION --printer-address 127.0.0.40" +
                     " --script " + WindowsPath(std::string(PSUI_SCRIPT_DIR) + "/" + script);
  ScriptRun run;
  run.sent = record;
  ChildProcess driver;
  EXPECT_TRUE(driver.Start(ProgramBeside("driver_sim.exe"), args, UniqueFileName("sim", ".log")));
  EXPECT_TRUE(driver.Wait(120000, &run.exitCode)) << "driver_sim did not end";
  run.output = driver.Output();
  run.answer = test::ReadFileVector(answer_file);
  DeleteFileA(record_file.c_str());
  DeleteFileA(answer_file.c_str());
  return run;
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
  // Start-up's changes, and the Features page's colour list settling the
  // preset of a record of zeros (no preset) on "Auto".
  std::vector<std::string> expected = kStartUpChanges;
  expected.insert(expected.begin() + 1, "colorPreset: 0 -> 1");
  EXPECT_EQ(run.Changes(), expected) << run.output;
}

TEST(Automation, TheVerbsWorkOnThePagesControls) {
  ScriptRun run = RunScript("verbs.script", true, "PSUI Automation Verbs");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_FALSE(run.Printed("FAIL")) << run.output;
  EXPECT_TRUE(run.Printed("ok     10: expect-text 1185 \"12\"")) << run.output;
  EXPECT_EQ(run.Changes(), kStartUpChanges) << run.output;
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

}  // namespace
}  // namespace psui
