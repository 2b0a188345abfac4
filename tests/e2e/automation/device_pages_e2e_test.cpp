// The device pages end to end: the sample scripts of the Settings and
// Consumables pages run by driver_sim --script against the live psui.exe,
// with the printer a real snmpd (or an address where nobody answers), the
// logged-on user and the browser command seeded in the registry, and the
// answer checked with settings_tool diff.
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

namespace psui {
namespace {

using platform::RegistryRoot;

constexpr char kLevelsAgent[] = "127.0.0.110";    // snmpd "levels"
constexpr char kSilentPrinter[] = "127.0.0.111";  // nobody listening

class DevicePagesScript : public ::testing::Test {
 protected:
  using Run = test::ScriptRun;  // hides testing::Test::Run

  DevicePagesScript() {
    test::PlaceSamplePpd();
    std::memset(&record_, 0, sizeof record_);
    record_.deviceMode = 1;
    // The Layout page (the sheet's first) stores these when it finds 0.
    record_.duplex = 1;
    record_.pagesPerSheet = 1;
    SetFieldText(record_.driverFileName, "C:\\psui-e2e\\PSUICLR.DRV");
    SetFieldText(record_.snmpCommunity, "public");
    user_.WriteString("Giuseppe Verdi");
  }

  // Runs samples/NAME with the printer behind `port` at `address` (none: the
  // port names no address).
  Run RunScript(const char* name, const std::string& port, const std::string& address) {
    return test::RunDriverScript(record_, test::SamplePath(name),
                                 "--printer-port " + port + (address.empty() ? "" : " --printer-address " + address));
  }

  SettingsBlock record_;
  test::RegistryValueGuard user_{RegistryRoot::kLocalMachine, "Network\\Logon", "username"};
};

TEST_F(DevicePagesScript, SettingsOptionsWithoutAnAddress) {
  SetFieldText(record_.printerName, "PSUI Impostazioni");
  record_.hardDiskInstalled = 1;
  record_.collate = 0;  // switched off by the user once the disk was known
  record_.collateDefaulted = 1;
  record_.overlays[0].enabled = 1;
  Run run = RunScript("settings-options.script", "IP_SETTINGS", "");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  // The disk went and came back: collating is on again, and the settings
  // that need the disk (the overlay) were never reset. The twins decode to
  // the same texts as their fields.
  const std::vector<std::string> expected = {
      "colorDevice: 0 -> 1",
      "collate: 0 -> 1",
      "bin1Installed: 0 -> 1",
      "bin2Installed: 0 -> 1",
      "authorUtf8: \"\" -> \"Giuseppe Verdi\"",
      "hostUtf8: \"\" -> \"Città\"",
      "accountNumberUtf8: \"\" -> \"N°7\"",
      "author: \"\" -> \"Giuseppe Verdi\"",
      "host: \"\" -> \"Città\"",
      "accountNumber: \"\" -> \"N°7\"",
      "portName: \"\" -> \"IP_SETTINGS\"",
  };
  EXPECT_EQ(run.changed, expected) << run.output;
}

class ConsumablesScript : public DevicePagesScript {
 protected:
  test::BrowserRecorder browser_;
};

TEST_F(ConsumablesScript, LevelsOfAPrinterThatAnswers) {
  SetFieldText(record_.printerName, "PSUI Consumabili");
  Run run = RunScript("consumables.script", "IP_CONSUMABLES", kLevelsAgent);
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(browser_.OpenedLinks(2), (std::vector<std::string>{kLevelsAgent, "http://negozio.stampanti.example/"}));
  // The printer's own report set the options; the page showed them read-only.
  const std::vector<std::string> expected = {
      "colorDevice: 0 -> 1",
      "collate: 0 -> 1",
      "hardDiskInstalled: 0 -> 1",
      "duplexerInstalled: 0 -> 1",
      "bin1Installed: 0 -> 1",
      "bin2Installed: 0 -> 1",
      "authorUtf8: \"\" -> \"Giuseppe Verdi\"",
      "author: \"\" -> \"Giuseppe Verdi\"",
      "printerAddress: \"\" -> \"127.0.0.110\"",
      "portName: \"\" -> \"IP_CONSUMABLES\"",
      "collateDefaulted: 0 -> 1",
  };
  EXPECT_EQ(run.changed, expected) << run.output;
}

TEST_F(ConsumablesScript, APrinterThatDoesNotAnswer) {
  SetFieldText(record_.printerName, "PSUI Silenziosa");
  Run run = RunScript("consumables-offline.script", "IP_SILENT", kSilentPrinter);
  EXPECT_EQ(run.exitCode, 2u) << run.output;  // the script cancels
  EXPECT_EQ(run.answer, (std::vector<uint8_t>{8, 0, 0, 0, 2, 0, 0, 0})) << run.output;
}

}  // namespace
}  // namespace psui
