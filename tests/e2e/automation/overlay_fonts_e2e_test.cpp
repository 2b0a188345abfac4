// The Overlay page, the watermark dialog and the Fonts page end to end: the
// sample scripts run by driver_sim --script against the live psui.exe, each
// with its record (samples/NAME.json) and its registry seed (samples/NAME.reg,
// imported with regedit /S); the answer is checked field by field as
// settings_tool diff reports it, and the stores' bytes as reg query shows
// them. The printers with a disk and without one are snmpd agents.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "exchange/settings_block.h"
#include "tests/e2e/automation/script_run.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

namespace psui {
namespace {

using namespace std::string_literals;
using test::ChildProcess;
using test::UniqueFileName;
using test::WindowsPath;
using Lines = std::vector<std::string>;

constexpr char kPrinters[] = "HKLM\\System\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr char kFullAgent[] = "127.0.0.40";    // snmpd "full"
constexpr char kNoDiskAgent[] = "127.0.0.41";  // snmpd "nodisk"


// Paths of the system's own regedit and reg.
std::string WindowsProgram(const char* name) {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\" + name;
}
std::string SystemProgram(const char* name) {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\" + name;
}

// Runs a program of the system (regedit, reg) and returns its output.
std::string RunTool(const std::string& program, const std::string& arguments, DWORD* exitCode) {
  ChildProcess tool;
  EXPECT_TRUE(tool.Start(program, arguments, UniqueFileName("tool", ".log"))) << program;
  EXPECT_TRUE(tool.Wait(60000, exitCode)) << program << " did not end";
  return tool.Output();
}

// The bytes of a binary value as "reg query" shows them (hex digits); empty
// when reg finds no such value.
std::vector<uint8_t> RegQueryBytes(const std::string& key, const std::string& name) {
  DWORD code = 0;
  const std::string output = RunTool(SystemProgram("reg.exe"), "query \"" + key + "\" /v \"" + name + "\"", &code);
  const std::string marker = "REG_BINARY";
  size_t at = output.find(marker);
  if (code != 0 || at == std::string::npos) return {};
  at = output.find_first_not_of(' ', at + marker.size());
  std::vector<uint8_t> bytes;
  while (at + 1 < output.size() && isxdigit(static_cast<unsigned char>(output[at])) &&
         isxdigit(static_cast<unsigned char>(output[at + 1]))) {
    bytes.push_back(static_cast<uint8_t>(std::stoi(output.substr(at, 2), nullptr, 16)));
    at += 2;
  }
  return bytes;
}

std::string Text(const std::vector<uint8_t>& bytes, size_t offset, size_t width) {
  if (bytes.size() < offset + width) return "(too short)";
  return std::string(FieldText(reinterpret_cast<const char*>(bytes.data()) + offset, width));
}

int16_t Int16(const std::vector<uint8_t>& bytes, size_t offset) {
  return bytes.size() < offset + 2 ? -9999 : static_cast<int16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

class SampleScripts : public ::testing::Test {
 protected:
  using Run = test::ScriptRun;  // hides testing::Test::Run

  SampleScripts() { test::PlaceSamplePpd(); }
  ~SampleScripts() override {
    if (!printer_.empty()) DeletePrinter();
  }

  // The record of samples/NAME.json over an empty one; its printer's key is
  // deleted now and after the test, then seeded from samples/NAME.reg.
  void Prepare(const std::string& name) {
    std::string error;
    ASSERT_TRUE(test::RecordFromSample(name + ".json", &record_, &error)) << error;
    printer_ = std::string(FieldText(record_.printerName));
    DeletePrinter();
    DWORD code = 999;
    RunTool(WindowsProgram("regedit.exe"), "/S " + test::SamplePath(name + ".reg"), &code);
    ASSERT_EQ(code, 0u) << "regedit did not import " << name << ".reg";
  }

  // Runs a script against psui with the prepared record; with an address,
  // in device mode with the printer there.
  Run RunScript(const std::string& script, const std::string& address = "") {
    SettingsBlock sent = record_;
    if (!address.empty()) {
      sent.deviceMode = 1;
      SetFieldText(sent.snmpCommunity, "public");
    }
    return test::RunDriverScript(sent, script,
                                 address.empty() ? "" : "--printer-port IP_SAMPLES --printer-address " + address);
  }
  Run RunSample(const std::string& name) { return RunScript(test::SamplePath(name + ".script")); }

  std::string Key(const std::string& subKey) const { return kPrinters + printer_ + "\\" + subKey; }
  void DeletePrinter() {
    DWORD code = 0;
    RunTool(SystemProgram("reg.exe"), "delete \"" + std::string(kPrinters) + printer_ + "\" /f", &code);
  }

  SettingsBlock record_{};
  std::string printer_;
};

TEST_F(SampleScripts, OverlayRowsCycleAndStoredWatermarks) {
  Prepare("overlay");
  Run run = RunSample("overlay");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_FALSE(run.output.find("FAIL") != std::string::npos) << run.output;
  EXPECT_EQ(run.changed, (Lines{"overlays[3].enabled: 0 -> 1", "overlays[3].fileName: \"\" -> \"DISPARI.OVL\"",
                                "overlays[4].enabled: 0 -> 1", "overlays[4].fileName: \"\" -> \"CICLO.OVL\"",
                                "complexOverlayFirst: 1 -> 2", "complexOverlayCycle: 1 -> 3",
                                "watermarkFirstPageOnly: 0 -> 1"}))
      << run.output;
  EXPECT_TRUE(RegQueryBytes(Key("Watermark Profiles"), "Bozza interna").empty()) << "deleted";
  const std::vector<uint8_t> kept = RegQueryBytes(Key("Watermark Profiles"), "Interno");
  ASSERT_EQ(kept.size(), 148u);
  EXPECT_EQ(Text(kept, 32, 64), "Solo uso interno");
}

TEST_F(SampleScripts, WatermarkDialogRefusesThenSavesAndEdits) {
  Prepare("watermark");
  Run run = RunSample("watermark");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  const Lines expected = {"watermarkCode: 1 -> 8",
                          "watermarkName: \"Nessuno\" -> \"Ufficio\"",
                          "watermarkText: \"Nessuno\" -> \"Solo per l'ufficio\"",
                          "watermarkStyle: 0 -> 1",
                          "watermarkSize: 72 -> 96",
                          "watermarkAngle: 45 -> 60",
                          "watermarkColor: 0 -> 4",
                          "watermarkPosition: 0 -> 1",
                          "watermarkX: 0 -> -40",
                          "watermarkY: 0 -> 25"};
  Lines changed;
  // The font is the record's "Courier New" where the system has it, else
  // the first TrueType family the dialog lists.
  for (const std::string& line : run.changed) {
    if (line.rfind("watermarkFont:", 0) != 0) changed.push_back(line);
  }
  EXPECT_EQ(changed, expected) << run.output;
  const std::vector<uint8_t> stored = RegQueryBytes(Key("Watermark Profiles"), "Ufficio");
  ASSERT_EQ(stored.size(), 148u) << run.output;
  EXPECT_EQ(Text(stored, 0, 32), "Ufficio");
  EXPECT_EQ(Text(stored, 32, 64), "Solo per l'ufficio");
  EXPECT_EQ(Int16(stored, 132), 96);   // size
  EXPECT_EQ(Int16(stored, 134), 60);   // angle, changed while editing
  EXPECT_EQ(Int16(stored, 144), -40);  // x
  EXPECT_TRUE(RegQueryBytes(Key("Watermark Profiles"), "Scartata").empty());
  EXPECT_EQ(RegQueryBytes(Key("Watermark Profiles"), "Archivio").size(), 148u);
}

TEST_F(SampleScripts, FontsFirstVisitMappingsAndTheDefaultTable) {
  Prepare("fonts");
  Run run = RunSample("fonts");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(run.changed, (Lines{"fontSubstitution: 1 -> 0"})) << run.output;
  const std::string table = "Tahoma\0Helvetica\0Liberation Sans\0Helvetica\0Liberation Serif\0Times-Roman\0\0"s;
  EXPECT_EQ(RegQueryBytes(Key("PrinterDriverData"), "FontSub"), std::vector<uint8_t>(table.begin(), table.end()))
      << "the default table, stored again on OK";
}

// The printer reports its options: with the disk the rows stay, without it
// the first show clears them and the answer carries the cleared rows.
TEST_F(SampleScripts, APrinterWithADiskKeepsTheOverlayRows) {
  Prepare("overlay");
  Run run = RunScript(WindowsPath(std::string(PSUI_SCRIPT_DIR) + "/overlay_disk.script"), kFullAgent);
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  for (const std::string& line : run.changed) {
    EXPECT_EQ(line.find("overlays"), std::string::npos) << line;
  }
}

TEST_F(SampleScripts, APrinterWithoutADiskClearsTheOverlayRows) {
  Prepare("overlay");
  Run run = RunScript(WindowsPath(std::string(PSUI_SCRIPT_DIR) + "/overlay_nodisk.script"), kNoDiskAgent);
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  Lines overlays;
  for (const std::string& line : run.changed) {
    if (line.rfind("overlays", 0) == 0 || line.rfind("hardDisk", 0) == 0) overlays.push_back(line);
  }
  EXPECT_EQ(overlays, (Lines{"overlays[0].enabled: 1 -> 0", "overlays[0].fileName: \"LOGO.OVL\" -> \"\"",
                             "hardDiskInstalled: 1 -> 0"}))
      << run.output;
}

}  // namespace
}  // namespace psui
