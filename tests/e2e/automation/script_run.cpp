#include "tests/e2e/automation/script_run.h"

#include <gtest/gtest.h>

#include "exchange/frames.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"
#include "tools/common/json_value.h"
#include "tools/settings_tool/record_json.h"

namespace psui::test {

std::string WindowsPath(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : c;
  return "Z:" + path;
}

std::string SamplePath(const std::string& name) {
  return WindowsPath(std::string(PSUI_SOURCE_DIR) + "/samples/" + name);
}

void PlaceSamplePpd() {
  CreateDirectoryA("C:\\psui-e2e", nullptr);
  CopyFileA(SamplePath("psui-color.ppd").c_str(), "C:\\psui-e2e\\PSUICLR.ppd", FALSE);
}

bool RecordFromSample(const std::string& name, SettingsBlock* record, std::string* error) {
  std::string json_text;
  if (!ReadFileBytes(std::string(PSUI_SOURCE_DIR) + "/samples/" + name, &json_text)) {
    *error = "cannot read samples/" + name;
    return false;
  }
  JsonValue json;
  if (!ParseJson(json_text, &json, error)) return false;
  uint8_t zero[kSettingsBlockSize] = {};
  return JsonToRecord(json, zero, reinterpret_cast<uint8_t*>(record), error);
}

ScriptRun RunDriverScript(const SettingsBlock& record, const std::string& windowsScriptPath,
                          const std::string& extraArguments) {
  const std::string record_file = UniqueFileName("record", ".bin");
  const std::string answer_file = UniqueFileName("answer", ".bin");
  WriteFileBytes(record_file, &record, sizeof record);
  std::string args = "--record " + record_file + " --answer " + answer_file + " --launch " +
                     ProgramBeside("psui.exe");
  if (!extraArguments.empty()) args += " " + extraArguments;
  args += " --script " + windowsScriptPath;
  ScriptRun run;
  ChildProcess driver;
  EXPECT_TRUE(driver.Start(ProgramBeside("driver_sim.exe"), args, UniqueFileName("sim", ".log")));
  EXPECT_TRUE(driver.Wait(180000, &run.exitCode)) << "driver_sim did not end";
  run.output = driver.Output();
  run.answer = ReadFileVector(answer_file);
  if (run.answer.size() == kStartFrameSize) {
    ChildProcess diff;
    DWORD diff_code = 999;
    EXPECT_TRUE(diff.Start(ProgramBeside("settings_tool.exe"), "diff " + record_file + " " + answer_file,
                           UniqueFileName("diff", ".log")));
    EXPECT_TRUE(diff.Wait(30000, &diff_code)) << "settings_tool did not end";
    run.changed = TextLines(diff.Output());
  } else {
    run.changed = {"(no record)"};
  }
  DeleteFileA(record_file.c_str());
  DeleteFileA(answer_file.c_str());
  return run;
}

}  // namespace psui::test
