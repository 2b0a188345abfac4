// The Paper page on its real template in a real sheet: the cascade of the
// four lists, what the constraints and the installed units remove, the
// custom size, leaving the page, and how each kind of user choice reaches
// the record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/pages/paper_fixture.h"

namespace psui::test {
namespace {

using Items = std::vector<std::string>;
using Codes = std::vector<LRESULT>;

class PaperPage : public PaperPagesTest {
 protected:
  void Choose(int id, const std::string& text) { ASSERT_TRUE(ChooseComboEntry(Page(), id, text)); }
};

TEST_F(PaperPage, ShowsTheCustomSizeFirstAndEveryTranslatedOption) {
  Open(1);
  EXPECT_EQ(ComboItems(Page(), 1030),
            (Items{"Formato carta personalizzato", "A4", "Letter", "Busta n. 10", "Formato strano uno",
                   "Formato strano due", "Legal"}));
  EXPECT_EQ(ComboCodes(Page(), 1030), (Codes{257, 9, 1, 20, 0, 0, 5}));
  EXPECT_EQ(ComboSelection(Page(), 1030), "A4");
  // "Adatta formato carta" leads the ordinary sources; the untranslated
  // source and the one the missing OptionalBin rules out are not there.
  EXPECT_EQ(ComboItems(Page(), 1031),
            (Items{"Adatta formato carta", "Cassetto superiore", "Vassoio 1", "Vassoio multiuso",
                   "Alimentazione manuale", "Cassetto opzionale A", "Cassetto opzionale B"}));
  EXPECT_EQ(ComboSelection(Page(), 1031), "Adatta formato carta");
  EXPECT_EQ(ComboSelection(Page(), 1032), "Carta normale");
  // Stacker and mailbox are not installed: their trays are gone.
  EXPECT_EQ(ComboItems(Page(), 1033), (Items{"Raccoglitore superiore", "Raccoglitore posteriore"}));
  EXPECT_FALSE(IsVisible(Page(), 1036));
  EXPECT_FALSE(IsEnabled(Page(), 1036));
  EXPECT_TRUE(IsEnabled(Page(), 1034));
}

TEST_F(PaperPage, AStoredCodeTheListLacksBecomesTheFirstEntry) {
  record().paperSize = 8;  // A3: this PPD has none
  record().inputSlot = 2;  // Lower: ruled out without OptionalBin
  record().mediaType = 248;
  Open(1);
  EXPECT_EQ(ComboSelection(Page(), 1030), "Formato carta personalizzato");
  EXPECT_EQ(record().paperSize, 257);
  EXPECT_TRUE(IsVisible(Page(), 1036));
  EXPECT_TRUE(IsEnabled(Page(), 1036));
  EXPECT_EQ(record().mediaType, 1) << "the first of the custom size's types";
}

TEST_F(PaperPage, TheSizeListSelectsTheFirstEntryWithTheStoredCode) {
  // Both unknown sizes carry code 0: the list helper picks the last, the
  // page then the first.
  record().paperSize = 0;
  record().inputSlot = 258;  // "Optional" and "OptionalBin" both have it
  Open(1);
  EXPECT_EQ(ComboSelection(Page(), 1030), "Formato strano uno");
  EXPECT_EQ(ComboSelection(Page(), 1031), "Cassetto opzionale A");
}

TEST_F(PaperPage, EachChoiceNarrowsTheListsBelowByTheFirstPairOfItsConstraints) {
  record().inputSlot = 1;  // Upper
  Open(1);
  Choose(1030, "Busta n. 10");
  EXPECT_EQ(record().paperSize, 20);
  // Upper is ruled out for envelopes; the selected entry went, so the first
  // entry is selected and stored.
  EXPECT_EQ(ComboItems(Page(), 1031)[1], "Vassoio 1");
  EXPECT_EQ(ComboSelection(Page(), 1031), "Adatta formato carta");
  EXPECT_EQ(record().inputSlot, 7);
  Choose(1030, "Letter");
  EXPECT_EQ(ComboItems(Page(), 1032),
            (Items{"Carta normale", "Etichette", "Carta spessa", "Impostazione della stampante"}));
  Choose(1031, "Vassoio 1");
  EXPECT_EQ(record().inputSlot, 271);
  EXPECT_EQ(ComboItems(Page(), 1032), (Items{"Carta normale", "Carta spessa", "Impostazione della stampante"}));
  // Legal rules out the multipurpose tray (Multipurpose is the first pair of
  // its constraint) but not Tray1 (Legal is the first pair of that one).
  Choose(1030, "Legal");
  Items sources = ComboItems(Page(), 1031);
  EXPECT_EQ(std::count(sources.begin(), sources.end(), "Vassoio multiuso"), 0);
  EXPECT_EQ(std::count(sources.begin(), sources.end(), "Vassoio 1"), 1);
}

TEST_F(PaperPage, ATrayRemovedByTheTypeChangesTheStoredTray) {
  record().outputBin = 3;  // Rear
  Open(1);
  EXPECT_EQ(ComboSelection(Page(), 1033), "Raccoglitore posteriore");
  Choose(1032, "Etichette");
  EXPECT_EQ(record().mediaType, 254);
  EXPECT_EQ(ComboItems(Page(), 1033), (Items{"Raccoglitore superiore"}));
  EXPECT_EQ(record().outputBin, 1);
}

TEST_F(PaperPage, InstalledUnitsKeepTheirSourcesAndTrays) {
  record().bin1Installed = 1;
  record().stackerInstalled = 1;
  record().mailboxInstalled = 1;
  Open(1);
  Items sources = ComboItems(Page(), 1031);
  EXPECT_EQ(std::count(sources.begin(), sources.end(), "Cassetto inferiore"), 1);
  EXPECT_EQ(ComboItems(Page(), 1033), (Items{"Raccoglitore superiore", "Raccoglitore posteriore", "Impilatore",
                                             "Casella postale 1"}));
}

TEST_F(PaperPage, TheCustomSizeOffersItsFixedCodesWithoutRemovals) {
  record().paperSize = 257;
  record().inputSlot = 271;
  record().mediaType = 254;
  Open(1);
  EXPECT_EQ(ComboSelection(Page(), 1030), "Formato carta personalizzato");
  EXPECT_TRUE(IsVisible(Page(), 1036));
  EXPECT_EQ(ComboItems(Page(), 1031), (Items{"Vassoio 1", "Vassoio multiuso", "Alimentazione manuale"}));
  EXPECT_EQ(ComboSelection(Page(), 1031), "Vassoio 1");
  // Tray1 rules out labels for ordinary sizes only.
  EXPECT_EQ(ComboItems(Page(), 1032),
            (Items{"Carta normale", "Etichette", "Carta spessa", "Impostazione della stampante"}));
  EXPECT_EQ(ComboSelection(Page(), 1032), "Etichette");
  EXPECT_EQ(ComboItems(Page(), 1033), (Items{"Raccoglitore superiore"}));
  EXPECT_EQ(record().outputBin, 1);
  // Back to an ordinary size: Tray1 now removes the labels again.
  Choose(1030, "A4");
  EXPECT_FALSE(IsVisible(Page(), 1036));
  EXPECT_FALSE(IsEnabled(Page(), 1036));
  EXPECT_EQ(ComboSelection(Page(), 1031), "Vassoio 1");
  EXPECT_EQ(ComboSelection(Page(), 1032), "Carta normale");
  EXPECT_EQ(record().mediaType, 1);
}

// A PPD with few sources and trays, for the lists that end empty.
constexpr char kSparsePpd[] = R"(*PPD-Adobe: "4.3"
*CustomPageSize True: "pop"
*OpenUI *PageSize/Formato carta: PickOne
*PageSize A4/A4: "a4"
*PageSize A5/A5: "a5"
*CloseUI: *PageSize
*OpenUI *InputSlot/Fonte carta: PickOne
*InputSlot Upper/Cassetto superiore: "u"
*CloseUI: *InputSlot
*OpenUI *OutputBin/Ripiano di uscita: PickOne
*OutputBin Rear/Raccoglitore posteriore: "rear"
*CloseUI: *OutputBin
)";

TEST_F(PaperPage, EmptyListsStoreMinusOneAndAreDisabledUntilTheyHaveEntriesAgain) {
  UsePpd(kSparsePpd);
  record().paperSize = 257;
  Open(1);
  EXPECT_EQ(ComboItems(Page(), 1031), Items{});
  EXPECT_FALSE(IsEnabled(Page(), 1031));
  EXPECT_EQ(record().inputSlot, -1);
  EXPECT_EQ(record().mediaType, -1) << "the custom size adds no printer default";
  EXPECT_FALSE(IsEnabled(Page(), 1033));
  EXPECT_FALSE(IsEnabled(Page(), 1034));
  EXPECT_EQ(record().outputBin, -1);
  Choose(1030, "A5");
  EXPECT_TRUE(IsEnabled(Page(), 1031));
  EXPECT_EQ(ComboItems(Page(), 1031), (Items{"Adatta formato carta", "Cassetto superiore"}));
  // Without MediaType the printer's default stands in.
  EXPECT_EQ(ComboItems(Page(), 1032), (Items{"Default stampante"}));
  EXPECT_EQ(record().mediaType, 247);
  EXPECT_TRUE(IsEnabled(Page(), 1033));
  EXPECT_TRUE(IsEnabled(Page(), 1034));
  EXPECT_EQ(record().outputBin, 3);
}

TEST_F(PaperPage, AListWithEntriesAlwaysShowsAndStoresOne) {
  // No InputSlot keyword: the list holds only "Adatta formato carta", and a
  // stored source it lacks must not leave it without a selection.
  UsePpd(R"(*PPD-Adobe: "4.3"
*OpenUI *PageSize/Formato carta: PickOne
*PageSize A4/A4: "a4"
*CloseUI: *PageSize
)");
  record().inputSlot = 271;
  Open(1);
  EXPECT_EQ(ComboSelection(Page(), 1031), "Adatta formato carta");
  EXPECT_EQ(record().inputSlot, 7);
  EXPECT_TRUE(IsEnabled(Page(), 1031));
}

TEST_F(PaperPage, LeavingForcesOneSidedWhenTheSizeOrTypeRulesOutAnyDuplexOption) {
  record().duplex = 3;
  Open(1);
  ASSERT_TRUE(sheet->SelectPage(0));
  EXPECT_EQ(record().duplex, 3) << "A4 on plain paper allows duplex";
  record().duplex = 2;
  ASSERT_TRUE(sheet->SelectPage(1));
  Choose(1030, "Busta n. 10");
  ASSERT_TRUE(sheet->SelectPage(0));
  EXPECT_EQ(record().duplex, 1);
  ASSERT_TRUE(sheet->SelectPage(1));
  Choose(1030, "A4");
  Choose(1032, "Carta spessa");  // rules out Duplex "None" only: it still counts
  record().duplex = 2;
  ASSERT_TRUE(sheet->SelectPage(0));
  EXPECT_EQ(record().duplex, 1);
}

TEST_F(PaperPage, OkLeavesThePageAndWritesCustomSizesCancelWritesNothing) {
  record().duplex = 2;
  Open(1);
  Choose(1030, "Busta n. 10");
  sheet->PressButton(PSBTN_CANCEL);
  EXPECT_TRUE(sheet->ended());
  EXPECT_GT(sheet->cancelled, 0);
  EXPECT_EQ(record().duplex, 2);
  EXPECT_TRUE(CustomSizesValue().empty());

  record().customWidth = 100.5f;
  Open(1);
  Choose(1030, "Busta n. 10");
  sheet->PressButton(PSBTN_OK);
  EXPECT_GT(sheet->applied, 0);
  EXPECT_EQ(record().duplex, 1) << "OK runs the page's kill-active first";
  std::vector<uint8_t> value = CustomSizesValue();
  ASSERT_EQ(value.size(), 80u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(value.data())), "Formato carta personalizzato");
  EXPECT_EQ(value[64] | value[65] << 8 | value[66] << 16, 10050);
  EXPECT_EQ(value[68] | value[69] << 8 | value[70] << 16, 29700);
}

// ---------------------------------------------------------------- user choices

class PaperChoices : public PaperPage {
 protected:
  void SetUp() override {
    Open(1);
    size_ = GetDlgItem(Page(), 1030);
    resets_ = std::make_unique<MessageCounter>(GetDlgItem(Page(), 1031), CB_RESETCONTENT);
  }
  void Key(HWND control, WPARAM key) {
    SendMessageA(control, WM_KEYDOWN, key, 1);
    SendMessageA(control, WM_KEYUP, key, 0xC0000001);
    PumpMessages();
  }
  void Drop(bool open) {
    SendMessageA(size_, CB_SHOWDROPDOWN, open ? TRUE : FALSE, 0);
    PumpMessages();
  }

  HWND size_ = nullptr;
  std::unique_ptr<MessageCounter> resets_;
};

TEST_F(PaperChoices, AMouseChoiceRunsTheCascadeOnce) {
  ASSERT_TRUE(ChooseComboEntry(Page(), 1030, "Letter"));
  EXPECT_EQ(resets_->count(), 1);
  EXPECT_EQ(record().paperSize, 1);
}

TEST_F(PaperChoices, AKeyboardChoiceInTheClosedListRunsTheCascadeOnce) {
  SetFocus(size_);
  Key(size_, VK_DOWN);
  EXPECT_EQ(ComboSelection(Page(), 1030), "Letter");
  EXPECT_EQ(resets_->count(), 1);
  EXPECT_EQ(record().paperSize, 1) << "the record follows what the list shows";
  Key(size_, VK_DOWN);
  EXPECT_EQ(resets_->count(), 2);
  EXPECT_EQ(record().paperSize, 20);
}

TEST_F(PaperChoices, ArrowsInTheOpenListChooseWhenItClosesWithEnter) {
  SetFocus(size_);
  Drop(true);
  Key(size_, VK_DOWN);
  Key(size_, VK_DOWN);
  EXPECT_EQ(resets_->count(), 0) << "nothing is chosen while the list is open";
  EXPECT_EQ(record().paperSize, 9);
  Key(size_, VK_RETURN);
  EXPECT_EQ(ComboSelection(Page(), 1030), "Busta n. 10");
  EXPECT_EQ(resets_->count(), 1);
  EXPECT_EQ(record().paperSize, 20);
}

TEST_F(PaperChoices, TheRecordFollowsWhatTheListShowsAfterEscape) {
  // Wine keeps the entry the arrows reached when Escape closes the list.
  SetFocus(size_);
  Drop(true);
  Key(size_, VK_DOWN);
  Key(size_, VK_ESCAPE);
  EXPECT_EQ(ComboSelection(Page(), 1030), "Letter");
  EXPECT_EQ(resets_->count(), 1);
  EXPECT_EQ(record().paperSize, 1);
}

TEST_F(PaperChoices, OpeningAndClosingWithoutAChangeRunsNothing) {
  SetFocus(size_);
  Drop(true);
  Drop(false);
  Drop(true);
  Key(size_, VK_RETURN);
  EXPECT_EQ(resets_->count(), 0);
}

}  // namespace
}  // namespace psui::test
