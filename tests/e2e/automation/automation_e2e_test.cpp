// driver_sim --script against the live psui.exe: scripts that pass, and
// scripts that must fail and still end the sheet.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "exchange/settings_block.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

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
  std::vector<uint8_t> answer;

  bool Printed(const std::string& text) const { return output.find(text) != std::string::npos; }
};

ScriptRun RunScript(const char* script, bool deviceMode) {
  CreateDirectoryA("C:\\psui-e2e", nullptr);
  CopyFileA(WindowsPath(std::string(PSUI_SOURCE_DIR) + "/samples/psui-color.ppd").c_str(),
            "C:\\psui-e2e\\PSUICLR.ppd", FALSE);
  SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  record.deviceMode = deviceMode ? 1 : 0;
  SetFieldText(record.printerName, "PSUI Automation " + std::to_string(GetCurrentProcessId()));
  SetFieldText(record.driverFileName, "C:\\psui-e2e\\PSUICLR.DRV");
  SetFieldText(record.snmpCommunity, "public");
  std::string record_file = UniqueFileName("record", ".bin");
  std::string answer_file = UniqueFileName("answer", ".bin");
  test::WriteFileBytes(record_file, &record, sizeof record);
  std::string args = "--record " + record_file + " --answer " + answer_file + " --launch " +
                     ProgramBeside("psui.exe") + " --printer-port IP_AUTOMATION --printer-address 127.0.0.40" +
                     " --script " + WindowsPath(std::string(PSUI_SCRIPT_DIR) + "/" + script);
  ScriptRun run;
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
  EXPECT_EQ(run.answer.size(), 1446u);
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
