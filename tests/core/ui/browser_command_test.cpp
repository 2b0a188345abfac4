// The browser's command line: the registered open command of HTML files with
// the address put in (natively the in-memory registry, under Wine the real
// one; the value is put back afterwards).
#include "ui/browser_command.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/registry_value_guard.h"
#ifndef _WIN32
#include "platform/memory_registry.h"
#endif

namespace psui {
namespace {

TEST(BrowserCommand, TheAddressTakesThePlaceOfEveryArgumentMark) {
  EXPECT_EQ(BrowserCommandFor("\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"", "http://a.example/"),
            "\"C:\\windows\\system32\\winebrowser.exe\" \"http://a.example/\"");
  EXPECT_EQ(BrowserCommandFor("open %1 --title %1", "x"), "open x --title x");
  EXPECT_EQ(BrowserCommandFor("%1", "127.0.0.1"), "127.0.0.1");
  // A lone "%" or another number is no mark.
  EXPECT_EQ(BrowserCommandFor("b.exe %2 50%", "x"), "b.exe %2 50% x");
}

TEST(BrowserCommand, WithoutAMarkTheAddressFollowsAfterOneBlank) {
  EXPECT_EQ(BrowserCommandFor("C:\\IEXPLORE.EXE -nohome", "10.0.0.9"), "C:\\IEXPLORE.EXE -nohome 10.0.0.9");
  EXPECT_EQ(BrowserCommandFor("", "10.0.0.9"), " 10.0.0.9");
}

class RegisteredBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef _WIN32
    platform::ResetMemoryRegistry();
#endif
  }
  test::RegistryValueGuard command_{platform::RegistryRoot::kLocalMachine,
                                     "SOFTWARE\\CLASSES\\htmlfile\\shell\\open\\command", ""};
};

TEST_F(RegisteredBrowser, TheRegisteredCommandOpensTheAddress) {
  ASSERT_EQ(command_.WriteString("C:\\browser.exe \"%1\""), 0u);
  EXPECT_EQ(BrowserCommandLine("http://negozio.example/"), "C:\\browser.exe \"http://negozio.example/\"");
}

TEST_F(RegisteredBrowser, NoCommandWithoutAStringValue) {
  ASSERT_EQ(command_.Delete(), 0u);
  EXPECT_EQ(BrowserCommandLine("x"), std::nullopt);
  const uint8_t binary[] = {'C', ':', '\\', 'b', '.', 'e', 'x', 'e', 0};
  ASSERT_EQ(command_.Write(platform::kRegBinary, binary, sizeof binary), 0u);
  EXPECT_EQ(BrowserCommandLine("x"), std::nullopt);
}

TEST_F(RegisteredBrowser, ACommandMustFitWithItsTerminatorAndTheLineIsNeverCut) {
  std::string command = "C:\\" + std::string(248, 'b') + ".exe";  // 255 bytes
  ASSERT_EQ(command_.WriteString(command), 0u);
  std::string address(200, 'a');
  std::optional<std::string> line = BrowserCommandLine(address);
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(*line, command + " " + address);
  // One byte more and the command is not used at all rather than cut.
  ASSERT_EQ(command_.WriteString(command + "x"), 0u);
  EXPECT_EQ(BrowserCommandLine("x"), std::nullopt);
}

}  // namespace
}  // namespace psui
