// The Fonts page in a real sheet, with the printer's driver data in the real
// registry: the lists it fills, the mappings it shows and sets, the default
// table, and the table it stores on leaving.
#include "pages/fonts_page.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tests/ui/harness/page_fixture.h"
#include "tests/ui/harness/ui_actions.h"

namespace psui::test {
namespace {

using namespace std::string_literals;
using Items = std::vector<std::string>;

constexpr char kTemporary[] = "Scarica come carattere temporaneo";
const Items kPrinterFonts = {kTemporary, "Courier", "Helvetica", "Symbol"};

int CALLBACK AddTrueType(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM names) {
  if (type & TRUETYPE_FONTTYPE) reinterpret_cast<std::set<std::string>*>(names)->insert(font->lfFaceName);
  return 1;
}

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

class FontsPageTest : public PageTest {
 protected:
  FontsPageTest() {
    EXPECT_TRUE(UsePpdFile(SourceFile("samples/psui-color.ppd")));
    record().fontSubstitution = 1;
    // The system's TrueType families, asked here rather than written down.
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesA(dc, nullptr, AddTrueType, reinterpret_cast<LPARAM>(&families));
    ReleaseDC(nullptr, dc);
    Write("RESFONT", platform::kRegMultiString, "Courier\0Helvetica\0Courier\0Symbol\0\0"s);
  }

  // The sheet with the page first and a page to leave it for; needs two
  // TrueType families to map.
  void Show() {
    ASSERT_GE(families.size(), 2u) << "the system offers too few TrueType families";
    OpenSheet({IDD_FONTS, IDD_ABOUT});
    page = PageWindow(IDD_FONTS);
    ASSERT_NE(page, nullptr);
  }
  bool LeaveThePage() { return ShowPage(IDD_ABOUT); }
  void ComeBack() { ASSERT_TRUE(ShowPage(IDD_FONTS)); }

  std::string DriverData() const { return PrinterKey() + "\\PrinterDriverData"; }
  void Write(const char* name, uint32_t type, const std::string& bytes) {
    platform::RegistryKey key;
    ASSERT_EQ(platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, DriverData(), key), 0u);
    ASSERT_EQ(key.WriteValue(name, type, bytes.data(), bytes.size()), 0u);
  }
  ::testing::AssertionResult FontSubIs(const std::string& bytes) {
    return RegistryValueIs(DriverData(), "FontSub", platform::kRegBinary, Bytes(bytes));
  }
  std::string Mapped() { return ListSelection(page, IDC_FONTS_PRINTER_FONTS); }
  void ChooseSystem(const std::string& name) { ASSERT_TRUE(ChooseListEntry(page, IDC_FONTS_SYSTEM_FONTS, name)); }
  void ChoosePrinter(const std::string& name) { ASSERT_TRUE(ChooseListEntry(page, IDC_FONTS_PRINTER_FONTS, name)); }
  // Two families of the system, and the one the list shows first (whose
  // mapping the page shows at once).
  std::string First() const { return *families.begin(); }
  std::string Second() const { return *std::next(families.begin()); }
  std::string Top() { return ListItems(page, IDC_FONTS_SYSTEM_FONTS).at(0); }

  std::set<std::string> families;
  HWND page = nullptr;
};

TEST_F(FontsPageTest, TheListsHoldTheSystemsFamiliesAndThePrintersFontsEachOnce) {
  Show();
  const Items system = ListItems(page, IDC_FONTS_SYSTEM_FONTS);
  EXPECT_EQ(std::set<std::string>(system.begin(), system.end()), families);
  EXPECT_EQ(system.size(), families.size());
  EXPECT_EQ(ListItems(page, IDC_FONTS_PRINTER_FONTS), kPrinterFonts);
  EXPECT_EQ(ListSelection(page, IDC_FONTS_SYSTEM_FONTS), system[0]);
  EXPECT_EQ(Mapped(), kTemporary);
  EXPECT_TRUE(IsChecked(page, IDC_FONTS_USE_SUBSTITUTION));
  for (int id : {IDC_FONTS_SYSTEM_FONTS, IDC_FONTS_PRINTER_FONTS, IDC_FONTS_DEFAULT_TABLE}) {
    EXPECT_TRUE(IsEnabled(page, id)) << id;
  }
  EXPECT_FALSE(IsVisible(page, IDC_FONTS_DOWNLOAD_MANAGER));
}

TEST_F(FontsPageTest, WithoutResidentFontsOnlyTheTemporaryDownloadIsOffered) {
  DeleteAfterTest(platform::RegistryRoot::kLocalMachine, DriverData());
  record().fontSubstitution = 0;
  Show();
  EXPECT_EQ(ListItems(page, IDC_FONTS_PRINTER_FONTS), Items{kTemporary});
  EXPECT_TRUE(IsChecked(page, IDC_FONTS_DOWNLOAD_TRUETYPE));
  for (int id : {IDC_FONTS_SYSTEM_FONTS, IDC_FONTS_PRINTER_FONTS, IDC_FONTS_DEFAULT_TABLE}) {
    EXPECT_FALSE(IsEnabled(page, id)) << id;
  }
}

TEST_F(FontsPageTest, AFirstVisitCopiesTheDefaultTableAndShowsItsMappings) {
  const std::string dflt = First() + "\0Helvetica\0"s + Second() + "\0Symbol\0\0\x7F"s;
  Write("DfltFontSub", platform::kRegBinary, dflt);
  Show();
  EXPECT_TRUE(FontSubIs(dflt)) << "copied byte for byte";
  ChooseSystem(First());
  EXPECT_EQ(Mapped(), "Helvetica") << "the copy is this visit's table";
  ChooseSystem(Second());
  EXPECT_EQ(Mapped(), "Symbol");
  ASSERT_TRUE(LeaveThePage());
  EXPECT_TRUE(FontSubIs(First() + "\0Helvetica\0"s + Second() + "\0Symbol\0\0"s))
      << "leaving keeps the driver's default substitutions";
  ComeBack();
  ChooseSystem(First());
  EXPECT_EQ(Mapped(), "Helvetica");
}

TEST_F(FontsPageTest, PairsMatchByteForByteAndAnUnknownPrinterFontShowsNoSelection) {
  std::string other_case = First();
  CharLowerBuffA(other_case.data(), static_cast<DWORD>(other_case.size()));
  if (other_case == First()) CharUpperBuffA(other_case.data(), static_cast<DWORD>(other_case.size()));
  Write("FontSub", platform::kRegBinary, other_case + "\0Helvetica\0"s + Second() + "\0Univers\0\0"s);
  Show();
  ChooseSystem(First());
  EXPECT_EQ(Mapped(), kTemporary) << "\"" << other_case << "\" is not \"" << First() << "\"";
  ChooseSystem(Second());
  EXPECT_EQ(Mapped(), "") << "Univers is not a printer font here";
}

TEST_F(FontsPageTest, PickingAddsAPairThenReplacesItAndLeavingStoresTheTable) {
  Write("FontSub", platform::kRegBinary, "\0"s);
  Show();
  const std::string first = First(), second = Second();
  ChooseSystem(first);
  ChoosePrinter("Courier");
  ChoosePrinter("Helvetica");
  ChooseSystem(second);
  EXPECT_EQ(Mapped(), kTemporary);
  ChoosePrinter("Symbol");
  ChoosePrinter(kTemporary);
  ChooseSystem(first);
  EXPECT_EQ(Mapped(), "Helvetica");
  EXPECT_TRUE(FontSubIs("\0"s)) << "nothing is stored before leaving";
  ASSERT_TRUE(LeaveThePage());
  EXPECT_TRUE(FontSubIs(first + "\0Helvetica\0"s + second + "\0"s + kTemporary + "\0\0"s));
  EXPECT_EQ(+record().fontSubstitution, 1);
}

TEST_F(FontsPageTest, TrueTypeModeDisablesTheListsButLeavingStillStoresTheTable) {
  // A table stored as another type is read, and written back as binary.
  Write("FontSub", platform::kRegMultiString, "Arial\0Helvetica\0\0"s);
  Show();
  ASSERT_TRUE(Click(page, IDC_FONTS_DOWNLOAD_TRUETYPE));
  EXPECT_EQ(+record().fontSubstitution, 0);
  EXPECT_FALSE(IsEnabled(page, IDC_FONTS_SYSTEM_FONTS));
  EXPECT_FALSE(IsEnabled(page, IDC_FONTS_PRINTER_FONTS));
  EXPECT_FALSE(IsEnabled(page, IDC_FONTS_DEFAULT_TABLE));
  ASSERT_TRUE(LeaveThePage());
  EXPECT_TRUE(FontSubIs("Arial\0Helvetica\0\0"s));
  EXPECT_EQ(+record().fontSubstitution, 0);
}

TEST_F(FontsPageTest, TheDefaultTableReplacesTheTableAndIsShownAtOnce) {
  Write("FontSub", platform::kRegBinary, First() + "\0Courier\0\0"s);
  Write("DfltFontSub", platform::kRegBinary, First() + "\0Helvetica\0\0"s);
  Show();
  const std::string first = First();
  ChooseSystem(first);
  EXPECT_EQ(Mapped(), "Courier");
  ChooseSystem(Second());
  ChoosePrinter("Symbol");
  ASSERT_TRUE(Click(page, IDC_FONTS_DEFAULT_TABLE));
  EXPECT_TRUE(FontSubIs(first + "\0Helvetica\0\0"s)) << "written at once";
  EXPECT_EQ(ListSelection(page, IDC_FONTS_SYSTEM_FONTS), Top()) << "back on the first entry";
  ChooseSystem(first);
  EXPECT_EQ(Mapped(), "Helvetica");
  ASSERT_TRUE(LeaveThePage());
  EXPECT_TRUE(FontSubIs(first + "\0Helvetica\0\0"s)) << "this visit's own pair went with the old table";
}

TEST_F(FontsPageTest, WithoutAnyTableLeavingStoresTheEmptyTable) {
  Show();
  EXPECT_EQ(Mapped(), kTemporary);
  ASSERT_TRUE(LeaveThePage());
  EXPECT_TRUE(FontSubIs("\0"s));
}

TEST_F(FontsPageTest, APrinterFontPickedWithoutASystemFontChangesNothing) {
  Write("FontSub", platform::kRegBinary, "\0"s);
  Show();
  SendDlgItemMessageA(page, IDC_FONTS_SYSTEM_FONTS, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ChoosePrinter("Courier");
  ASSERT_TRUE(LeaveThePage());
  EXPECT_TRUE(FontSubIs("\0"s));
}

}  // namespace
}  // namespace psui::test
