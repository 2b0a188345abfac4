// psui as the driver starts it: driver_sim seeds the printer's registry
// entries, launches psui.exe, pokes the start frame over real DDE; the test
// looks at the sheet from outside and ends it as a user would.
#include <gtest/gtest.h>

#include <cstdio>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <random>
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

constexpr char kFolder[] = "C:\\psui-e2e";
constexpr char kColorDriver[] = "C:\\psui-e2e\\PSUICLR.DRV";
constexpr char kMonoDriver[] = "C:\\psui-e2e\\PSUIMONO.DRV";
constexpr char kAgent[] = "127.0.0.40";  // the snmpd "full" profile of the Wine tests
constexpr int kLayout = 211, kPaper = 214, kFeatures = 208, kOverlay = 213, kFonts = 209,
              kConsumables = 203, kSettings = 216, kAbout = 200;

std::string SampleFile(const char* name) {
  std::string path = std::string("Z:") + PSUI_SOURCE_DIR + "/samples/" + name;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

class StartupTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CreateDirectoryA(kFolder, nullptr);
    ASSERT_TRUE(CopyFileA(SampleFile("psui-color.ppd").c_str(), "C:\\psui-e2e\\PSUICLR.ppd", FALSE));
    ASSERT_TRUE(CopyFileA(SampleFile("psui-mono.ppd").c_str(), "C:\\psui-e2e\\PSUIMONO.ppd", FALSE));
    // A 41-byte main keyword breaks a limit of the grammar: the compile fails.
    std::string broken = "*PPD-Adobe: \"4.3\"\n*" + std::string(41, 'K') + ": x\n";
    test::WriteFileBytes("C:\\psui-e2e\\BROKEN.ppd", broken.data(), broken.size());
  }

  StartupTest() {
    // Whatever the driver sends beyond the fields set below must come back
    // unchanged; the bytes are random, with the seed printed to repeat a run.
    unsigned seed = GetTickCount();
    std::printf("record seed %u\n", seed);
    std::mt19937 random(seed);
    uint8_t* bytes = reinterpret_cast<uint8_t*>(&record);
    for (size_t i = 0; i < sizeof record; ++i) bytes[i] = static_cast<uint8_t>(random());
    caption = "PSUI E2E " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    SetFieldText(record.printerName, caption);
    SetFieldText(record.driverFileName, kColorDriver);
    SetFieldText(record.snmpCommunity, "");
    SetFieldText(record.printerAddress, "");
    SetFieldText(record.portName, "");
    record.deviceMode = 0;
    record.colorDevice = 0;
    record.collateDefaulted = 0;
    record.collate = 0;
  }

  // Starts driver_sim, which starts psui.
  void Launch(const std::string& extra) {
    record_file = UniqueFileName("record", ".bin");
    answer_file = UniqueFileName("answer", ".bin");
    test::WriteFileBytes(record_file, &record, sizeof record);
    std::string args = "--record " + record_file + " --answer " + answer_file + " --timeout-ms 60000 --launch " +
                       ProgramBeside("psui.exe") + " " + extra;
    ASSERT_TRUE(driver.Start(ProgramBeside("driver_sim.exe"), args, UniqueFileName("sim", ".log")));
  }

  // psui's sheet, found by its caption once it is shown.
  HWND WaitForSheet() {
    for (int i = 0; i < 600; ++i) {
      HWND sheet = FindWindowA(nullptr, caption.c_str());
      if (sheet && IsWindowVisible(sheet)) return sheet;
      DWORD code;
      if (driver.Wait(50, &code)) return nullptr;
    }
    return nullptr;
  }

  // The dialog ids of the sheet's pages, in tab order.
  static std::vector<int> Pages(HWND sheet) {
    HWND tabs = FindWindowExA(sheet, nullptr, "SysTabControl32", nullptr);
    LRESULT count = SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
    std::vector<int> pages(count, 0);
    for (int id : {kLayout, kPaper, kFeatures, kOverlay, kFonts, kConsumables, kSettings, kAbout}) {
      LRESULT index = SendMessageA(sheet, PSM_IDTOINDEX, 0, id);
      if (index >= 0 && index < count) pages[index] = id;
    }
    return pages;
  }

  DWORD Finish() {
    DWORD code = 999;
    EXPECT_TRUE(driver.Wait(60000, &code)) << "driver_sim did not end";
    output = driver.Output();
    answer = test::ReadFileVector(answer_file);
    DeleteFileA(record_file.c_str());
    DeleteFileA(answer_file.c_str());
    return code;
  }

  SettingsBlock Answered() const {
    SettingsBlock back;
    std::memset(&back, 0, sizeof back);
    if (answer.size() == 12 + sizeof back) std::memcpy(&back, answer.data() + 12, sizeof back);
    return back;
  }

  static int serial;
  SettingsBlock record;
  std::string caption, record_file, answer_file, output;
  std::vector<uint8_t> answer;
  ChildProcess driver;
};

int StartupTest::serial = 0;

using PageList = std::vector<int>;

TEST_F(StartupTest, DocumentModeShowsSixPagesAndOkReturnsTheRecord) {
  Launch("");
  HWND sheet = WaitForSheet();
  ASSERT_NE(sheet, nullptr) << driver.Output();
  EXPECT_EQ(Pages(sheet), (PageList{kLayout, kPaper, kFeatures, kOverlay, kFonts, kAbout}));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, 0x3021))) << "no Apply button";
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, IDHELP))) << "Help works";
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  ASSERT_EQ(Finish(), 0u) << output;
  ASSERT_EQ(answer.size(), 1446u);
  SettingsBlock back = Answered();
  EXPECT_EQ(back.colorDevice, 1) << "from the colour PPD";
  // What start-up sets aside, the record comes back byte for byte.
  back.colorDevice = record.colorDevice;
  EXPECT_EQ(std::memcmp(&back, &record, sizeof back), 0);
  EXPECT_NE(output.find("psui ended with exit code 0"), std::string::npos) << output;
}

TEST_F(StartupTest, AnOwnerHandleThatNamesNoWindowStillShowsTheSheet) {
  Launch("--owner 0x12345");
  HWND sheet = WaitForSheet();
  ASSERT_NE(sheet, nullptr) << driver.Output();
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  EXPECT_EQ(Finish(), 0u) << output;
}

TEST_F(StartupTest, CancelReturnsTheEightByteFrame) {
  Launch("");
  HWND sheet = WaitForSheet();
  ASSERT_NE(sheet, nullptr) << driver.Output();
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  EXPECT_EQ(Finish(), 2u) << output;
  EXPECT_EQ(answer, (std::vector<uint8_t>{8, 0, 0, 0, 2, 0, 0, 0}));
}

TEST_F(StartupTest, AMonochromePpdClearsColorDevice) {
  SetFieldText(record.driverFileName, kMonoDriver);
  record.colorDevice = 1;
  Launch("--press ok");
  ASSERT_EQ(Finish(), 0u) << output;
  EXPECT_EQ(Answered().colorDevice, 0);
}

TEST_F(StartupTest, DeviceModeWithoutAnAddressLeavesOutConsumables) {
  record.deviceMode = 1;
  SetFieldText(record.snmpCommunity, "public");
  SetFieldText(record.printerAddress, "10.9.8.7");  // a stale address is not kept
  Launch("");
  HWND sheet = WaitForSheet();
  ASSERT_NE(sheet, nullptr) << driver.Output();
  EXPECT_EQ(Pages(sheet), (PageList{kLayout, kPaper, kFeatures, kOverlay, kFonts, kSettings, kAbout}));
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  ASSERT_EQ(Finish(), 0u) << output;
  EXPECT_EQ(FieldText(Answered().printerAddress), "");
}

TEST_F(StartupTest, DeviceModeWithASilentPrinterShowsEightPagesAndKeepsTheFlags) {
  record.deviceMode = 1;
  SetFieldText(record.snmpCommunity, "secret");  // snmpd stays silent on a wrong community
  Launch(std::string("--printer-port IP_E2E_SILENT --printer-address ") + kAgent);
  HWND sheet = WaitForSheet();
  ASSERT_NE(sheet, nullptr) << driver.Output();
  EXPECT_EQ(Pages(sheet), (PageList{kLayout, kPaper, kFeatures, kOverlay, kFonts, kConsumables, kSettings, kAbout}));
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  ASSERT_EQ(Finish(), 0u) << output;
  SettingsBlock back = Answered();
  EXPECT_EQ(std::memcmp(&back.hardDiskInstalled, &record.hardDiskInstalled, kOptionFlagGroup.size), 0)
      << "the option flags stay as the driver sent them";
  EXPECT_EQ(FieldText(back.printerAddress), kAgent);
  EXPECT_EQ(FieldText(back.portName), "IP_E2E_SILENT");
}

TEST_F(StartupTest, DeviceModeWithAnAnsweringPrinterTakesItsOptions) {
  record.deviceMode = 1;
  SetFieldText(record.snmpCommunity, "public");
  std::memset(&record.hardDiskInstalled, 0, kOptionFlagGroup.size);
  Launch(std::string("--printer-port IP_E2E_AGENT --printer-address ") + kAgent);
  HWND sheet = WaitForSheet();
  ASSERT_NE(sheet, nullptr) << driver.Output();
  EXPECT_EQ(Pages(sheet).size(), 8u);
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  ASSERT_EQ(Finish(), 0u) << output;
  SettingsBlock back = Answered();
  // The "full" agent reports a disk, a duplexer, a stacker, the
  // multi-resolution option and inputs 3 to 5.
  EXPECT_EQ(back.hardDiskInstalled, 1);
  EXPECT_EQ(back.duplexerInstalled, 1);
  EXPECT_EQ(back.stackerInstalled, 1);
  EXPECT_EQ(back.multiResInstalled, 1);
  EXPECT_EQ(back.bin1Installed, 1);
  EXPECT_EQ(back.bin2Installed, 1);
  EXPECT_EQ(back.manualFeedInstalled, 1);
  EXPECT_EQ(back.collate, 1);
  EXPECT_EQ(back.collateDefaulted, 1);
}

TEST_F(StartupTest, AnEndOtherThanOkOrCancelSendsNothing) {
  Launch("--press quit");
  EXPECT_EQ(Finish(), 1u) << output;
  EXPECT_NE(output.find("sheet ended without OK or Cancel"), std::string::npos) << output;
  EXPECT_NE(output.find("no answer"), std::string::npos) << output;
  EXPECT_NE(output.find("psui ended with exit code 0"), std::string::npos) << output;
  EXPECT_TRUE(answer.empty());
}

TEST_F(StartupTest, APpdThatCannotBeCompiledEndsSilently) {
  for (const char* driver_file : {"C:\\psui-e2e\\MISSING.DRV", "C:\\psui-e2e\\BROKEN.DRV", "AB"}) {
    SCOPED_TRACE(driver_file);
    SetFieldText(record.driverFileName, driver_file);
    Launch("");
    EXPECT_EQ(Finish(), 1u) << output;
    EXPECT_NE(output.find("psui ended with exit code 0"), std::string::npos) << output;
    EXPECT_TRUE(answer.empty());
    EXPECT_EQ(FindWindowA(nullptr, caption.c_str()), nullptr);
    driver.Terminate();
  }
}

}  // namespace
}  // namespace psui
