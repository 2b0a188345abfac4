// The list helpers on real drop-down lists, with a compiled PPD as the
// application's image.
#include "ui/list_helpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/application.h"
#include "tests/ui/harness/ui_actions.h"

namespace psui {
namespace {

using test::ComboItems;
using test::ComboSelection;

constexpr char kPpd[] = R"(*PPD-Adobe: "4.3"
*OpenUI *PageSize/Formato: PickOne
*DefaultPageSize: A4
*PageSize A4/A4 210 x 297 mm: "a4"
*PageSize Letter/Letter 8.5 x 11: "letter"
*PageSize Odd/Formato strano: "odd"
*PageSize NoText: "notext"
*CloseUI: *PageSize
*OpenUI *InputSlot/Fonte: PickOne
*InputSlot Upper/Cassetto superiore: "u"
*InputSlot Lower/Cassetto inferiore: "l"
*InputSlot Optional/Cassetto opzionale: "o"
*InputSlot OptionalBin/Cassetto aggiuntivo: "ob"
*InputSlot ManualFeed/Alimentazione manuale: "m"
*CloseUI: *InputSlot
*OpenUI *Empty/Vuoto: PickOne
*CloseUI: *Empty
*OpenGroup: InstallableOptions
*OpenUI *OptionalBin/Cassetto opzionale: Boolean
*OptionalBin True/Installato: ""
*OptionalBin False/Non installato: ""
*CloseUI: *OptionalBin
*CloseGroup: InstallableOptions
*UIConstraints: *InputSlot OptionalBin *OptionalBin False
*UIConstraints: *OptionalBin False *InputSlot OptionalBin
*UIConstraints: *InputSlot Lower *PageSize Letter
*UIConstraints: *InputSlot Upper *PageSize Letter
*UIConstraints: *InputSlot *PageSize Odd
*UIConstraints: *Missing Thing *PageSize Letter
)";

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class ListHelpersTest : public ::testing::Test {
 protected:
  ListHelpersTest() {
    std::memset(&app.settings, 0, sizeof app.settings);
    app.ppdImage = PpdCompileBuffer(reinterpret_cast<const uint8_t*>(kPpd), sizeof kPpd - 1, "helpers.ppd");
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(9101), nullptr, PlainDialog, 0);
    list = ComboBox(dialog, 100);
  }
  ~ListHelpersTest() override { DestroyWindow(dialog); }

  std::vector<LRESULT> Codes() const {
    std::vector<LRESULT> codes;
    for (int i = 0; i < list.Count(); ++i) codes.push_back(list.ItemData(i));
    return codes;
  }
  void AddEntries(const std::vector<std::string>& texts) {
    for (const auto& text : texts) list.AddString(text.c_str());
  }

  Application app;
  HWND dialog = nullptr;
  ComboBox list;
};

TEST_F(ListHelpersTest, TheImageCompiled) { ASSERT_NE(app.ppdImage, nullptr); }

TEST_F(ListHelpersTest, FillListFromTableAppendsEveryRowAndSelectsTheLastWithTheCode) {
  FillListFromTable(list, kInputSlotCodes, 258);
  ASSERT_EQ(list.Count(), 33);
  EXPECT_EQ(list.ItemText(0), "Upper");
  EXPECT_EQ(list.ItemData(32), 274);
  // "Optional" and "OptionalBin" both carry 258: the later one is chosen.
  EXPECT_EQ(ComboSelection(dialog, 100), "OptionalBin");
}

TEST_F(ListHelpersTest, FillListFromTableWithAnUnknownCodeSelectsTheFirstEntry) {
  FillListFromTable(list, kMediaTypeCodes, 9999);
  EXPECT_EQ(list.CurSel(), 0);
}

TEST_F(ListHelpersTest, FillListFromTableFirstNTakesAtMostNRows) {
  FillListFromTableFirstN(list, kPagesPerSheetCodes, 4, 3);
  EXPECT_EQ(ComboItems(dialog, 100), (std::vector<std::string>{"1", "2", "4"}));
  EXPECT_EQ(ComboSelection(dialog, 100), "4");
  ComboBox none(dialog, 101);
  FillListFromTableFirstN(none, kPagesPerSheetCodes, 1, 0);
  EXPECT_EQ(none.Count(), 0);
  ComboBox all(dialog, 102);
  FillListFromTableFirstN(all, kPagesPerSheetCodes, 99, 50);
  EXPECT_EQ(all.Count(), 7);
  EXPECT_EQ(ComboSelection(dialog, 102), "Libretto");
}

TEST_F(ListHelpersTest, FillListFromTableFirstNWithNoRowsLeavesAFilledListAsItWas) {
  AddEntries({"gia' qui", "anche questa"});
  list.SetCurSel(1);
  FillListFromTableFirstN(list, kPagesPerSheetCodes, 1, 0);
  EXPECT_EQ(ComboItems(dialog, 100), (std::vector<std::string>{"gia' qui", "anche questa"}));
  EXPECT_EQ(list.CurSel(), 1);
}

TEST_F(ListHelpersTest, FillListFromPpdListsTranslationsWithTheCodesOfTheirNames) {
  ASSERT_TRUE(FillListFromPpd(list, "PageSize", kPageSizeCodes, 1));
  // The option without a translation is left out; "Odd" is no PageSize name: 0.
  EXPECT_EQ(ComboItems(dialog, 100),
            (std::vector<std::string>{"A4 210 x 297 mm", "Letter 8.5 x 11", "Formato strano"}));
  EXPECT_EQ(Codes(), (std::vector<LRESULT>{9, 1, 0}));
  EXPECT_EQ(ComboSelection(dialog, 100), "Letter 8.5 x 11");
}

TEST_F(ListHelpersTest, FillListFromPpdSelectsTheLastMatchWhileSelectListCodeSelectsTheFirst) {
  ASSERT_TRUE(FillListFromPpd(list, "InputSlot", kInputSlotCodes, 258));
  EXPECT_EQ(ComboSelection(dialog, 100), "Cassetto aggiuntivo");
  EXPECT_EQ(SelectListCode(list, 258), 1);
  EXPECT_EQ(ComboSelection(dialog, 100), "Cassetto opzionale");
}

TEST_F(ListHelpersTest, FillListFromPpdLeavesTheListAloneWithoutOptionsOrImage) {
  AddEntries({"gia' qui"});
  list.SetCurSel(0);
  EXPECT_FALSE(FillListFromPpd(list, "Empty", kPageSizeCodes, 1));
  EXPECT_FALSE(FillListFromPpd(list, "NoSuchKeyword", kPageSizeCodes, 1));
  PpdImage* image = app.ppdImage;
  app.ppdImage = nullptr;
  EXPECT_FALSE(FillListFromPpd(list, "PageSize", kPageSizeCodes, 1));
  app.ppdImage = image;
  EXPECT_EQ(ComboItems(dialog, 100), (std::vector<std::string>{"gia' qui"}));
  EXPECT_EQ(list.CurSel(), 0);
}

TEST_F(ListHelpersTest, SelectionReadersAndSelectListCode) {
  EXPECT_EQ(SelectedListIndex(list), -1);
  EXPECT_EQ(SelectedListCode(list), -1);
  FillListFromTable(list, kResolutionCodes, 3);
  EXPECT_EQ(SelectedListIndex(list), 2);
  EXPECT_EQ(SelectedListCode(list), 3);
  EXPECT_EQ(SelectListCode(list, 42), 0);
  EXPECT_EQ(SelectedListCode(list), 3) << "the selection stays";
  EXPECT_EQ(SelectListCode(list, 6), 1);
  EXPECT_EQ(ComboSelection(dialog, 100), "Standard");
}

TEST_F(ListHelpersTest, RemoveConstrainedItemsTakesOutWhatTheSecondPairExcludes) {
  ASSERT_TRUE(FillListFromPpd(list, "InputSlot", kInputSlotCodes, 3));
  list.SetCurSel(4);  // "Alimentazione manuale"
  // PageSize Letter is the second pair of the Lower and Upper constraints
  // (and of one naming a keyword the file lacks, which delivers nothing).
  EXPECT_EQ(RemoveConstrainedItems("PageSize", "Letter 8.5 x 11", list, "InputSlot"), 2);
  EXPECT_EQ(ComboItems(dialog, 100),
            (std::vector<std::string>{"Cassetto opzionale", "Cassetto aggiuntivo", "Alimentazione manuale"}));
  EXPECT_EQ(ComboSelection(dialog, 100), "Alimentazione manuale") << "an unselected entry went";
  EXPECT_EQ(RemoveConstrainedItems("PageSize", "Letter 8.5 x 11", list, "MediaType"), 0)
      << "only pairs of the list's own keyword count";
}

TEST_F(ListHelpersTest, RemovingTheSelectedEntrySelectsTheFirst) {
  ASSERT_TRUE(FillListFromPpd(list, "InputSlot", kInputSlotCodes, 2));
  EXPECT_EQ(ComboSelection(dialog, 100), "Cassetto inferiore");
  RemoveConstrainedItems("PageSize", "Letter 8.5 x 11", list, "InputSlot");
  EXPECT_EQ(list.CurSel(), 0);
}

TEST_F(ListHelpersTest, TheSearchIsACaseInsensitivePrefixSearchFromTheFirstEntry) {
  // The delivered text "Cassetto superiore" prefixes no entry here, but
  // "cassetto superiore e altro" and "CASSETTO SUPERIORE" both begin with it,
  // ignoring case: the first of them goes.
  AddEntries({"Altro", "cassetto superiore e altro", "CASSETTO SUPERIORE"});
  EXPECT_EQ(RemoveConstrainedItems("PageSize", "Letter 8.5 x 11", list, "InputSlot"), 1);
  EXPECT_EQ(ComboItems(dialog, 100), (std::vector<std::string>{"Altro", "CASSETTO SUPERIORE"}));
}

TEST_F(ListHelpersTest, AConstraintOnAWholeKeywordRemovesNothing) {
  // "*InputSlot *PageSize Odd" names no InputSlot option: no entry can be
  // found by its text, and none is taken out in its place.
  ASSERT_TRUE(FillListFromPpd(list, "InputSlot", kInputSlotCodes, 1));
  EXPECT_EQ(RemoveConstrainedItems("PageSize", "Formato strano", list, "InputSlot"), 0);
  EXPECT_EQ(list.Count(), 5);
}

TEST_F(ListHelpersTest, RemoveConstrainedItemsWithoutImageRemovesNothing) {
  AddEntries({"Cassetto inferiore"});
  PpdImage* image = app.ppdImage;
  app.ppdImage = nullptr;
  EXPECT_EQ(RemoveConstrainedItems("PageSize", "Letter 8.5 x 11", list, "InputSlot"), 0);
  app.ppdImage = image;
  EXPECT_EQ(list.Count(), 1);
}

TEST_F(ListHelpersTest, AMissingOptionalBinTakesItsTrayOutOfTheList) {
  app.settings.bin1Installed = 0;
  ASSERT_TRUE(FillListFromPpd(list, "InputSlot", kInputSlotCodes, 1));
  RemoveItemsForMissingOptions(list, "InputSlot");
  EXPECT_EQ(list.FindStringExact(-1, "Cassetto aggiuntivo"), CB_ERR);
  EXPECT_EQ(list.Count(), 4);

  ComboBox fitted(dialog, 101);
  app.settings.bin1Installed = 1;
  ASSERT_TRUE(FillListFromPpd(fitted, "InputSlot", kInputSlotCodes, 1));
  RemoveItemsForMissingOptions(fitted, "InputSlot");
  EXPECT_EQ(fitted.Count(), 5);
}

// Code that runs before the application object exists (or in a program
// without one) finds no image and no record: the helpers change nothing.
TEST(ListHelpersWithoutApplication, BehaveAsWithoutAnImage) {
  ASSERT_EQ(CurrentApp(), nullptr);
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(9101), nullptr, PlainDialog, 0);
  ASSERT_NE(dialog, nullptr);
  ComboBox list(dialog, 100);
  list.AddString("Cassetto inferiore");
  list.SetCurSel(0);
  EXPECT_FALSE(FillListFromPpd(list, "PageSize", kPageSizeCodes, 1));
  EXPECT_EQ(RemoveConstrainedItems("PageSize", "Letter 8.5 x 11", list, "InputSlot"), 0);
  RemoveItemsForMissingOptions(list, "InputSlot");
  EXPECT_EQ(ComboItems(dialog, 100), (std::vector<std::string>{"Cassetto inferiore"}));
  EXPECT_EQ(list.CurSel(), 0);
  DestroyWindow(dialog);
}

}  // namespace
}  // namespace psui
