// The Features page, its dialogs and the About page end to end: the sample
// scripts run by driver_sim --script against the live psui.exe in document
// mode, the answer checked field by field (settings_tool diff) and the
// printer's stores read back from the real registry.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "exchange/frames.h"
#include "exchange/settings_block.h"
#include "platform/registry.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

namespace psui {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;
using test::ChildProcess;
using test::ProgramBeside;
using test::UniqueFileName;

constexpr char kFolder[] = "C:\\psui-e2e";

std::string WindowsPath(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : c;
  return "Z:" + path;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Deletes a key with everything under it.
void DeleteTree(const std::string& path) {
  RegistryKey key;
  if (RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, path, key) != platform::kRegOk) return;
  std::vector<std::string> children;
  std::string name;
  for (uint32_t i = 0; key.EnumSubKey(i, name) == platform::kRegOk; ++i) children.push_back(name);
  key.Close();
  for (const std::string& child : children) DeleteTree(path + "\\" + child);
  RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, path);
}

class FeaturesScript : public ::testing::Test {
 protected:
  FeaturesScript() {
    CreateDirectoryA(kFolder, nullptr);
    CopyFileA(WindowsPath(std::string(PSUI_SOURCE_DIR) + "/samples/psui-color.ppd").c_str(),
              "C:\\psui-e2e\\PSUICLR.ppd", FALSE);
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
    DeleteTree(PrinterKey());
  }
  ~FeaturesScript() override { DeleteTree(PrinterKey()); }

  static std::string Name() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }
  std::string PrinterKey() const { return platform::PrinterKeyPath(FieldText(record_.printerName)); }

  struct Run {
    DWORD exitCode = 999;
    std::string output;
    std::vector<uint8_t> answer;
    std::vector<std::string> changed;  // settings_tool diff of record and answer (OK frames)
  };

  Run RunScript(const char* name) {
    std::string record_file = UniqueFileName("features-record", ".bin");
    std::string answer_file = UniqueFileName("features-answer", ".bin");
    test::WriteFileBytes(record_file, &record_, sizeof record_);
    std::string args = "--record " + record_file + " --answer " + answer_file + " --launch " +
                       ProgramBeside("psui.exe") + " --script " +
                       WindowsPath(std::string(PSUI_SOURCE_DIR) + "/samples/" + name);
    Run run;
    ChildProcess driver;
    EXPECT_TRUE(driver.Start(ProgramBeside("driver_sim.exe"), args, UniqueFileName("features-sim", ".log")));
    EXPECT_TRUE(driver.Wait(180000, &run.exitCode)) << "driver_sim did not end";
    run.output = driver.Output();
    run.answer = test::ReadFileVector(answer_file);
    if (run.answer.size() == kStartFrameSize) {
      ChildProcess diff;
      DWORD diff_code = 999;
      EXPECT_TRUE(diff.Start(ProgramBeside("settings_tool.exe"), "diff " + record_file + " " + answer_file,
                             UniqueFileName("features-diff", ".log")));
      EXPECT_TRUE(diff.Wait(30000, &diff_code));
      run.changed = Lines(diff.Output());
    }
    DeleteFileA(record_file.c_str());
    DeleteFileA(answer_file.c_str());
    return run;
  }

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

}  // namespace
}  // namespace psui
