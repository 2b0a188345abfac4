// The page tests' starting point itself: real pages in a sheet the
// application answers for, the chosen PPD, and no registry trace afterwards.
#include "tests/ui/harness/page_fixture.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/ui/harness/ui_actions.h"

namespace psui::test {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

constexpr char kPpd[] = R"(*PPD-Adobe: "4.3"
*ColorDevice: True
*OpenUI *PageSize/Formato: PickOne
*DefaultPageSize: A4
*PageSize A4/A4 210 x 297 mm: "a4"
*CloseUI: *PageSize
)";

using FixtureTest = PageTest;

TEST_F(FixtureTest, TheSheetHoldsTheProgramsPagesAndTheApplicationAnswersForThem) {
  ASSERT_TRUE(UsePpdText(kPpd));
  EXPECT_TRUE(app.ppdImage->colorDevice);
  TestSheet& shown = OpenSheet({IDD_PAPER, IDD_LAYOUT});
  EXPECT_EQ(app.mainWindow(), shown.hwnd());
  EXPECT_EQ(CurrentApp(), &app);
  ASSERT_NE(PageWindow(IDD_PAPER), nullptr) << "the first page is shown";
  EXPECT_EQ(PageWindow(IDD_LAYOUT), nullptr) << "created when first shown";
  EXPECT_EQ(Text(PageWindow(IDD_PAPER), IDC_PAPER_ADVANCED), "Gestione avanzata carta");
  ASSERT_TRUE(ShowPage(IDD_LAYOUT));
  EXPECT_EQ(Text(PageWindow(IDD_LAYOUT), IDC_LAYOUT_PORTRAIT), "Verticale");
  EXPECT_EQ(Page(IDD_FONTS), nullptr);
  EXPECT_EQ(WindowText(shown.hwnd()).find("Stampante di prova"), 0u);
  CloseSheet();
  EXPECT_EQ(app.mainWindow(), nullptr);
  EXPECT_EQ(Page(IDD_PAPER), nullptr);
}

TEST_F(FixtureTest, APpdFileOfTheSourceTreeLoads) {
  ASSERT_TRUE(UsePpdFile(SourceFile("samples/psui-color.ppd")));
  EXPECT_TRUE(app.ppdImage->colorDevice);
  EXPECT_FALSE(UsePpdFile(SourceFile("samples/no-such.ppd")));
}

TEST(PageFixtureRegistry, ThePrintersKeyAndTheNamedKeysAreGoneAfterTheTest) {
  std::string printer_key, other_key = "Software\\psui-tests\\fixture";
  {
    PageFixture fixture;
    printer_key = fixture.PrinterKey();
    fixture.DeleteAfterTest(RegistryRoot::kCurrentUser, other_key);
    for (const auto& [root, path] :
         {std::make_pair(RegistryRoot::kLocalMachine, printer_key + "\\PrinterDriverData\\Deeper"),
          std::make_pair(RegistryRoot::kCurrentUser, other_key)}) {
      RegistryKey key;
      ASSERT_EQ(RegistryKey::OpenOrCreate(root, path, key), 0u);
      ASSERT_EQ(key.WriteBinary("Valore", "\x01\x02", 2), 0u);
    }
    EXPECT_TRUE(RegistryBytesAre(printer_key + "\\PrinterDriverData\\Deeper", "Valore", {1, 2}));
    EXPECT_TRUE(RegistryValueIs(printer_key + "\\PrinterDriverData\\Deeper", "Valore", platform::kRegBinary, {1, 2}));
    EXPECT_FALSE(RegistryBytesAre(printer_key + "\\PrinterDriverData\\Deeper", "Valore", {1}));
    EXPECT_FALSE(RegistryBytesAre(printer_key, "Nessuno", {}));
  }
  RegistryKey key;
  EXPECT_EQ(RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, printer_key, key), platform::kRegNotFound);
  EXPECT_EQ(RegistryKey::OpenForReading(RegistryRoot::kCurrentUser, other_key, key), platform::kRegNotFound);
  RegistryKey::DeleteKey(RegistryRoot::kCurrentUser, "Software\\psui-tests");
}

TEST(PageFixtureRegistry, WhatAnEarlierRunLeftIsDeletedBeforeTheTest) {
  std::string printer_key = PageFixture().PrinterKey();
  RegistryKey key;
  ASSERT_EQ(RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, printer_key, key), 0u);
  ASSERT_EQ(key.WriteString("Port", "vecchio"), 0u);
  key.Close();
  PageFixture fixture;
  EXPECT_EQ(RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, printer_key, key), platform::kRegNotFound);
}

TEST(PageFixtureFormat, BytesAreShownAsHexPairs) {
  EXPECT_EQ(HexBytes({0x00, 0xAB, 0x10}), "00 ab 10");
  EXPECT_EQ(HexBytes({}), "");
}

}  // namespace
}  // namespace psui::test
