// One run of a driver_sim script against the real psui.exe, shared by the
// end-to-end tests of the sample scripts: the record goes in a file, the
// answer comes back in one, and an OK answer is compared with the record by
// settings_tool diff, as a developer would look at it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "exchange/settings_block.h"

namespace psui::test {

// A Linux path as Wine's Z: drive names it.
std::string WindowsPath(std::string path);
// A file of samples/ by its Windows path.
std::string SamplePath(const std::string& name);
// Copies samples/psui-color.ppd to C:\psui-e2e\PSUICLR.ppd, where the test
// records' driver file (C:\psui-e2e\PSUICLR.DRV) finds its PPD.
void PlaceSamplePpd();
// samples/NAME.json over a record of zeros; false (with the reason) when it
// does not read.
bool RecordFromSample(const std::string& name, SettingsBlock* record, std::string* error);

struct ScriptRun {
  DWORD exitCode = 999;
  std::string output;
  std::vector<uint8_t> answer;
  // settings_tool diff of the record and an OK answer ("name: old -> new");
  // "(no record)" when the answer holds none.
  std::vector<std::string> changed;

  bool Printed(const std::string& text) const { return output.find(text) != std::string::npos; }
};

// driver_sim --record --answer --launch psui.exe EXTRA --script SCRIPT, where
// EXTRA holds further driver_sim options (the printer's port and address).
ScriptRun RunDriverScript(const SettingsBlock& record, const std::string& windowsScriptPath,
                          const std::string& extraArguments = "");

}  // namespace psui::test
