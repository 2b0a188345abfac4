// The Overlay page in a real sheet: what it loads, the one-shot checks of
// its edits, the order of the checks on leaving, and the watermark list with
// its buttons (the watermark dialog driven inside its modal loop).
#include <gtest/gtest.h>

#include "tests/ui/overlay/overlay_fixture.h"

namespace psui::test {
namespace {

using Items = std::vector<std::string>;

Items WithProfiles(const Items& profiles) {
  Items items = BuiltInWatermarks();
  items.insert(items.end(), profiles.begin(), profiles.end());
  return items;
}

// ---------------------------------------------------------------- loading

TEST_F(OverlayTest, WithADiskTheRowsAndTheCycleShowTheRecord) {
  SetRow(1, true, "LOGO.OVL");
  SetRow(2, false, "OLD.OVL");
  SetRow(5, true, "CICLO.OVL");
  record().complexOverlayFirst = 3;
  record().complexOverlayCycle = 7;
  Show();
  EXPECT_TRUE(IsChecked(page, IDC_OVERLAY_ALL_PAGES));
  EXPECT_EQ(Text(page, IDC_OVERLAY_ALL_PAGES_FILE), "LOGO.OVL");
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_ALL_PAGES_FILE));
  EXPECT_FALSE(IsChecked(page, IDC_OVERLAY_FIRST_PAGE));
  EXPECT_EQ(Text(page, IDC_OVERLAY_FIRST_PAGE_FILE), "OLD.OVL");
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_FIRST_PAGE_FILE));
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_FIRST_PAGE));
  EXPECT_EQ(SendDlgItemMessageA(page, IDC_OVERLAY_ODD_PAGES_FILE, EM_GETLIMITTEXT, 0, 0), 12);
  EXPECT_EQ(Text(page, IDC_OVERLAY_COMPLEX_FIRST), "3");
  EXPECT_EQ(Text(page, IDC_OVERLAY_COMPLEX_CYCLE), "7");
  for (int id : {IDC_OVERLAY_COMPLEX_FIRST, IDC_OVERLAY_COMPLEX_FIRST_SPIN, IDC_OVERLAY_COMPLEX_CYCLE,
                 IDC_OVERLAY_COMPLEX_CYCLE_SPIN, IDC_OVERLAY_DOWNLOAD_MANAGER}) {
    EXPECT_TRUE(IsEnabled(page, id)) << id;
  }
  EXPECT_EQ(Range(page, IDC_OVERLAY_COMPLEX_FIRST_SPIN), std::make_pair(1, 99));
  EXPECT_EQ(Range(page, IDC_OVERLAY_COMPLEX_CYCLE_SPIN), std::make_pair(1, 99));
  for (int id = IDC_OVERLAY_PLACEMENT_1; id <= IDC_OVERLAY_PLACEMENT_5; ++id) EXPECT_FALSE(IsVisible(page, id));
  EXPECT_EQ(FileName(2), "OLD.OVL") << "loading changes no row";
}

TEST_F(OverlayTest, WithoutADiskTheRowsAreClearedAndOnlyTheWatermarkStaysUsable) {
  SetRow(1, true, "LOGO.OVL");
  record().overlays[0].placement = 1;
  SetRow(5, true, "CICLO.OVL");
  record().hardDiskInstalled = 0;
  Show();
  for (int row = 1; row <= 5; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(+record().overlays[row - 1].enabled, 0);
    EXPECT_EQ(FileName(row), "");
    EXPECT_EQ(+record().overlays[row - 1].placement, 0);
    EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_ALL_PAGES + 2 * (row - 1)));
    EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_ALL_PAGES_FILE + 2 * (row - 1)));
    EXPECT_EQ(ComboItems(page, IDC_OVERLAY_PLACEMENT_1 + row - 1), Items{"Flash"});
  }
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_COMPLEX_FIRST));
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_DOWNLOAD_MANAGER));
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_WATERMARK));
  EXPECT_TRUE(sheet->PressOk()) << "the cleared rows go to the driver";
}

TEST_F(OverlayTest, ADiskRemovedBetweenVisitsClearsTheRowsOnTheNextOne) {
  SetRow(3, true, "PARI.OVL");
  Show();
  ASSERT_TRUE(LeaveThePage());
  record().hardDiskInstalled = 0;
  ComeBack();
  EXPECT_FALSE(IsChecked(page, IDC_OVERLAY_EVEN_PAGES));
  EXPECT_EQ(Text(page, IDC_OVERLAY_EVEN_PAGES_FILE), "");
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_EVEN_PAGES));
  EXPECT_EQ(FileName(3), "");
}

TEST_F(OverlayTest, TheListOffersTheBuiltInsThenTheProfilesAndShowingNessunoPrintsIt) {
  StoreProfile("zeta");
  StoreProfile("Alfa");
  SetFieldText(record().watermarkText, "Testo lasciato");
  Show();
  EXPECT_EQ(ComboItems(page, IDC_OVERLAY_WATERMARK), WithProfiles({"Alfa", "zeta"}));
  EXPECT_EQ(ComboSelection(page, IDC_OVERLAY_WATERMARK), "Nessuno");
  EXPECT_EQ(WatermarkText(), "Nessuno") << "every load rewrites the group";
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_EDIT_WATERMARK));
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_DELETE_WATERMARK));
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_ADD_WATERMARK));
}

TEST_F(OverlayTest, AWatermarkNotChosenOrNotListedFallsBackToNessunoWithItsCode) {
  InForce("BOZZA", kUnchosenWatermarkCode);
  Show();
  EXPECT_EQ(Name(), "Nessuno");
  EXPECT_EQ(+record().watermarkCode, 1);
  EXPECT_EQ(ComboSelection(page, IDC_OVERLAY_WATERMARK), "Nessuno");

  InForce("Sparito", kStoredWatermarkCode);
  ComeBack();
  EXPECT_EQ(Name(), "Nessuno");
  EXPECT_EQ(+record().watermarkCode, 1) << "a profile code with the name of none";
  EXPECT_EQ(ComboSelection(page, IDC_OVERLAY_WATERMARK), "Nessuno");

  record().watermarkName[0] = '\0';
  record().watermarkCode = 4;
  ComeBack();
  EXPECT_EQ(Name(), "Nessuno");
}

TEST_F(OverlayTest, AStoredWatermarkInForceIsLoadedFromItsProfile) {
  StoreProfile("Interno", [](SettingsBlock& r) {
    SetFieldText(r.watermarkText, "Solo uso interno");
    r.watermarkSize = 120;
  });
  const std::vector<uint8_t> stored = Stored("Interno");
  InForce("interno", kStoredWatermarkCode);  // found whatever its case
  Show();
  EXPECT_EQ(ComboSelection(page, IDC_OVERLAY_WATERMARK), "Interno");
  EXPECT_EQ(WatermarkGroup(), stored);
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_EDIT_WATERMARK));
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_DELETE_WATERMARK));
}

TEST_F(OverlayTest, ANegativeImageLeavesOnlyTheChosenWatermarkToSee) {
  InForce("BOZZA", 4);
  record().negativeImage = 1;
  Show();
  EXPECT_EQ(ComboSelection(page, IDC_OVERLAY_WATERMARK), "BOZZA");
  for (int id = IDC_OVERLAY_WATERMARK; id <= IDC_OVERLAY_DELETE_WATERMARK; ++id) {
    EXPECT_FALSE(IsEnabled(page, id)) << id;
  }
}

// ---------------------------------------------------------------- watermark list

TEST_F(OverlayTest, ChoosingAnEntrySetsNameCodeAndGroup) {
  StoreProfile("Interno", [](SettingsBlock& r) { r.watermarkAngle = 300; });
  Show();
  ASSERT_TRUE(ChooseComboEntry(page, IDC_OVERLAY_WATERMARK, "BOZZA"));
  EXPECT_EQ(Name(), "BOZZA");
  EXPECT_EQ(+record().watermarkCode, 4);
  EXPECT_EQ(WatermarkText(), "BOZZA");
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_EDIT_WATERMARK));
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_DELETE_WATERMARK));

  ASSERT_TRUE(ChooseComboEntryByKey(page, IDC_OVERLAY_WATERMARK, "Interno"));
  EXPECT_EQ(+record().watermarkCode, kStoredWatermarkCode);
  EXPECT_EQ(+record().watermarkAngle, 300);
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_DELETE_WATERMARK));

  ASSERT_TRUE(Click(page, IDC_OVERLAY_FIRST_PAGE_ONLY));
  EXPECT_EQ(+record().watermarkFirstPageOnly, 1);
}

TEST_F(OverlayTest, EliminaDeletesTheProfileAndReturnsToNessuno) {
  StoreProfile("Interno");
  InForce("Interno", kStoredWatermarkCode);
  Show();
  ASSERT_TRUE(Click(page, IDC_OVERLAY_DELETE_WATERMARK));
  EXPECT_TRUE(Stored("Interno").empty());
  EXPECT_EQ(ComboItems(page, IDC_OVERLAY_WATERMARK), BuiltInWatermarks());
  EXPECT_EQ(ComboSelection(page, IDC_OVERLAY_WATERMARK), "Nessuno");
  EXPECT_EQ(Name(), "Nessuno");
  EXPECT_EQ(+record().watermarkCode, 1);
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_DELETE_WATERMARK));
}

TEST_F(OverlayTest, AggiungiStoresANewProfileThatBecomesTheWatermark) {
  Show();
  responder.ExpectDialog(kWatermarkCaption, [](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_NAME), "Filigrana");
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_TEXT), "Filigrana");
    EXPECT_TRUE(IsEnabled(dialog, IDC_WATERMARK_NAME));
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_NAME, "Mia"));
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_TEXT, "Riservata a Mia"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  ASSERT_TRUE(Click(page, IDC_OVERLAY_ADD_WATERMARK));
  EXPECT_EQ(overlay().dialogMode(), kWatermarkModeAdd);
  EXPECT_EQ(Name(), "Mia");
  EXPECT_EQ(+record().watermarkCode, kStoredWatermarkCode);
  EXPECT_EQ(WatermarkText(), "Riservata a Mia");
  EXPECT_EQ(Stored("Mia"), WatermarkGroup());
  EXPECT_EQ(ComboItems(page, IDC_OVERLAY_WATERMARK), WithProfiles({"Mia"}));
  EXPECT_EQ(ComboSelection(page, IDC_OVERLAY_WATERMARK), "Mia");
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_DELETE_WATERMARK));
}

TEST_F(OverlayTest, CancellingTheDialogPutsTheWholeGroupBackNameIncluded) {
  StoreProfile("Interno", [](SettingsBlock& r) { r.watermarkColor = 2; });
  InForce("Interno", kStoredWatermarkCode);
  Show();
  const std::vector<uint8_t> before = WatermarkGroup();
  for (int button : {IDC_OVERLAY_ADD_WATERMARK, IDC_OVERLAY_EDIT_WATERMARK}) {
    SCOPED_TRACE(button);
    responder.ExpectDialog(kWatermarkCaption, [](HWND dialog) {
      EXPECT_TRUE(ChooseComboEntry(dialog, IDC_WATERMARK_STYLE, "Corsivo"));
      EXPECT_TRUE(Click(dialog, IDC_WATERMARK_OFFSET));
      EXPECT_TRUE(Click(dialog, IDCANCEL));
    });
    ASSERT_TRUE(Click(page, button));
    EXPECT_EQ(WatermarkGroup(), before);
    EXPECT_EQ(ComboSelection(page, IDC_OVERLAY_WATERMARK), "Interno");
    EXPECT_EQ(+record().watermarkCode, kStoredWatermarkCode);
  }
}

TEST_F(OverlayTest, ModificaOfABuiltInStoresAProfileUnderTheBuiltInEntry) {
  InForce("RISERVATO", 2);
  Show();
  responder.ExpectDialog(kWatermarkCaption, [](HWND dialog) {
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_NAME));
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_NAME), "RISERVATO");
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_TEXT), "RISERVATO");
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_SIZE, "100"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  ASSERT_TRUE(Click(page, IDC_OVERLAY_EDIT_WATERMARK));
  EXPECT_EQ(overlay().dialogMode(), kWatermarkModeEdit);
  EXPECT_EQ(Stored("RISERVATO").size(), 148u);
  EXPECT_EQ(ComboItems(page, IDC_OVERLAY_WATERMARK), BuiltInWatermarks());
  EXPECT_EQ(+record().watermarkCode, 2);
  EXPECT_EQ(+record().watermarkSize, 100) << "the profile is the watermark now";
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_DELETE_WATERMARK));
}

// ---------------------------------------------------------------- rows and one-shot checks

TEST_F(OverlayTest, ARowFollowsItsBoxAndAnUntickedRowKeepsItsName) {
  SetRow(2, true, "OLD.OVL");
  Show();
  ASSERT_TRUE(Click(page, IDC_OVERLAY_FIRST_PAGE));
  EXPECT_EQ(+record().overlays[1].enabled, 0);
  EXPECT_FALSE(IsEnabled(page, IDC_OVERLAY_FIRST_PAGE_FILE));
  ASSERT_TRUE(Click(page, IDC_OVERLAY_COMPLEX));
  EXPECT_EQ(+record().overlays[4].enabled, 1);
  EXPECT_TRUE(IsEnabled(page, IDC_OVERLAY_COMPLEX_CYCLE_SPIN));
  ASSERT_TRUE(LeaveThePage());
  EXPECT_EQ(FileName(2), "OLD.OVL");
  EXPECT_EQ(+record().overlays[1].enabled, 0);
}

TEST_F(OverlayTest, ABadFileNameIsReportedEachTimeTheUserMovesOnWithinThePage) {
  SetRow(1, true, "");
  Show();
  ASSERT_TRUE(Type(page, IDC_OVERLAY_ALL_PAGES_FILE, "NOMETROPPOLUNGO"));
  EXPECT_EQ(Text(page, IDC_OVERLAY_ALL_PAGES_FILE), "NOMETROPPOLU") << "12 characters at most";
  responder.ExpectMessageBox(kBadFileName, IDOK);
  EXPECT_TRUE(LeaveKept(page, IDC_OVERLAY_ALL_PAGES_FILE));
  responder.ExpectMessageBox(kBadFileName, IDOK);
  EXPECT_TRUE(LeaveKept(page, IDC_OVERLAY_ALL_PAGES_FILE));
  EXPECT_EQ(Boxes(), 2u);
  ASSERT_EQ(responder.boxes()[0].owner, nullptr) << "a box of no window";
  EXPECT_EQ(FileName(1), "");

  // Moving to OK or Cancel checks nothing: the sheet's own check follows.
  SetFocus(GetDlgItem(sheet->hwnd(), IDCANCEL));
  PumpMessages();
  EXPECT_EQ(Boxes(), 2u);

  ASSERT_TRUE(Type(page, IDC_OVERLAY_ALL_PAGES_FILE, "LOGO.OVL"));
  EXPECT_TRUE(Leave(page, IDC_OVERLAY_ALL_PAGES_FILE));
  EXPECT_EQ(FileName(1), "LOGO.OVL");
  EXPECT_EQ(Boxes(), 2u);
}

TEST_F(OverlayTest, AfterARefusedLeaveTheNextMoveOutOfTheEditIsSilentAndKeepsTheFocus) {
  SetRow(1, true, "NOMETROPPOLU");
  Show();
  responder.ExpectMessageBox(kBadFileName, IDOK);
  EXPECT_FALSE(LeaveThePage());
  EXPECT_TRUE(HasFocus(page, IDC_OVERLAY_ALL_PAGES_FILE));
  EXPECT_TRUE(LeaveKept(page, IDC_OVERLAY_ALL_PAGES_FILE));
  EXPECT_EQ(Boxes(), 1u) << "the leave's message stands for this move too";
  responder.ExpectMessageBox(kBadFileName, IDOK);
  EXPECT_TRUE(LeaveKept(page, IDC_OVERLAY_ALL_PAGES_FILE));
  EXPECT_EQ(Boxes(), 2u);
}

TEST_F(OverlayTest, TwoBadNamesDoNotPullTheFocusFromEachOther) {
  SetRow(1, true, "NOMETROPPOLU");
  SetRow(2, true, "ALTROTROPPOL");
  Show();
  SetFocus(GetDlgItem(page, IDC_OVERLAY_ALL_PAGES_FILE));
  PumpMessages();
  responder.ExpectMessageBox(kBadFileName, IDOK);
  // The user clicks into the second edit: the first one's check takes the
  // focus back, which runs no check of the second one.
  SetFocus(GetDlgItem(page, IDC_OVERLAY_FIRST_PAGE_FILE));
  PumpMessages();
  EXPECT_EQ(Boxes(), 1u);
  EXPECT_TRUE(HasFocus(page, IDC_OVERLAY_ALL_PAGES_FILE));
}

TEST_F(OverlayTest, TypedCycleNumbersReportThroughTheirOneShotFlags) {
  SetRow(5, true, "CICLO.OVL");
  Show();
  responder.ExpectMessageBox(kCycleRange, IDOK);
  ASSERT_TRUE(Paste(page, IDC_OVERLAY_COMPLEX_FIRST, "0"));
  ASSERT_TRUE(Paste(page, IDC_OVERLAY_COMPLEX_FIRST, "00"));
  EXPECT_EQ(Boxes(), 1u) << "the second fault is skipped";
  responder.ExpectMessageBox(kCycleRange, IDOK);
  ASSERT_TRUE(Paste(page, IDC_OVERLAY_COMPLEX_FIRST, "100"));
  EXPECT_EQ(Boxes(), 2u);
  EXPECT_TRUE(HasFocus(page, IDC_OVERLAY_COMPLEX_FIRST));
  EXPECT_EQ(+record().complexOverlayFirst, 1);
  ASSERT_TRUE(Paste(page, IDC_OVERLAY_COMPLEX_FIRST, "12"));
  EXPECT_EQ(+record().complexOverlayFirst, 12);

  // The cycle has a flag of its own; an empty text is out of range too.
  responder.ExpectMessageBox(kCycleRange, IDOK);
  ASSERT_TRUE(Type(page, IDC_OVERLAY_COMPLEX_CYCLE, ""));
  EXPECT_EQ(Boxes(), 3u);
  ASSERT_TRUE(Type(page, IDC_OVERLAY_COMPLEX_CYCLE, "4"));
  EXPECT_EQ(+record().complexOverlayCycle, 4);
}

TEST_F(OverlayTest, LeavingACycleNumberChecksBothAndSettlesTheComplexRow) {
  SetRow(5, true, "");
  record().complexOverlayFirst = 5;
  record().complexOverlayCycle = 4;
  Show();
  ASSERT_TRUE(Leave(page, IDC_OVERLAY_COMPLEX_CYCLE));
  EXPECT_EQ(Boxes(), 0u);
  EXPECT_EQ(+record().overlays[4].enabled, 0) << "ticked without a name";
  EXPECT_EQ(+record().complexOverlayFirst, 1);
  EXPECT_EQ(+record().complexOverlayCycle, 1);
  EXPECT_TRUE(IsChecked(page, IDC_OVERLAY_COMPLEX));
}

// ---------------------------------------------------------------- leaving the page

TEST_F(OverlayTest, LeavingChecksRowsOneTwoFourThreeAndKeepsWhatPassedBefore) {
  SetRow(1, true, "");
  SetRow(2, true, "");
  SetRow(3, true, "PARITROPPOLU");
  SetRow(4, true, "DISPARITROPP");
  Show();
  ASSERT_TRUE(Type(page, IDC_OVERLAY_FIRST_PAGE_FILE, "SECONDA.OVL"));
  responder.ExpectMessageBox(kBadFileName, IDOK);
  EXPECT_FALSE(LeaveThePage());
  EXPECT_TRUE(HasFocus(page, IDC_OVERLAY_ODD_PAGES_FILE)) << "odd pages before even pages";
  EXPECT_EQ(+record().overlays[0].enabled, 0) << "ticked without a name";
  EXPECT_TRUE(IsChecked(page, IDC_OVERLAY_ALL_PAGES));
  EXPECT_EQ(FileName(2), "SECONDA.OVL");

  ASSERT_TRUE(Paste(page, IDC_OVERLAY_ODD_PAGES_FILE, "DISPARI.OVL"));
  responder.ExpectMessageBox(kBadFileName, IDOK);
  EXPECT_FALSE(LeaveThePage());
  EXPECT_TRUE(HasFocus(page, IDC_OVERLAY_EVEN_PAGES_FILE));
  EXPECT_EQ(FileName(4), "DISPARI.OVL");

  ASSERT_TRUE(Paste(page, IDC_OVERLAY_EVEN_PAGES_FILE, "PARI.OVL"));
  EXPECT_TRUE(LeaveThePage());
  EXPECT_EQ(FileName(3), "PARI.OVL");
  EXPECT_EQ(Boxes(), 2u);
}

TEST_F(OverlayTest, LeavingChecksTheCycleBeforeTheComplexRowAndRestartsAnUnnamedOne) {
  SetRow(5, true, "");
  record().complexOverlayFirst = 0;
  Show();
  responder.ExpectMessageBox(kCycleRange, IDOK);
  EXPECT_FALSE(LeaveThePage());
  EXPECT_TRUE(HasFocus(page, IDC_OVERLAY_COMPLEX_FIRST));
  EXPECT_EQ(+record().overlays[4].enabled, 1) << "the complex row comes after the numbers";

  ASSERT_TRUE(Paste(page, IDC_OVERLAY_COMPLEX_FIRST, "5"));
  ASSERT_TRUE(Paste(page, IDC_OVERLAY_COMPLEX_CYCLE, "4"));
  EXPECT_EQ(+record().complexOverlayCycle, 4);
  EXPECT_TRUE(LeaveThePage());
  EXPECT_EQ(+record().complexOverlayFirst, 1);
  EXPECT_EQ(+record().complexOverlayCycle, 1);
  EXPECT_EQ(+record().overlays[4].enabled, 0);
}

TEST_F(OverlayTest, TheDownloadUtilityIsStartedForOverlays) {
  const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\DAVoduDo.exe";
  DeleteAfterTest(platform::RegistryRoot::kLocalMachine, key);
  platform::RegistryKey opened;
  ASSERT_EQ(platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, key, opened), 0u);
  ASSERT_EQ(opened.WriteString("", "C:\\Utility\\DAVoduDo.exe"), 0u);
  opened.Close();
  Show();
  ASSERT_TRUE(Click(page, IDC_OVERLAY_DOWNLOAD_MANAGER));
  ASSERT_EQ(external.execCalls.size(), 1u);
  EXPECT_EQ(external.execCalls[0].commandLine, "C:\\Utility\\DAVoduDo.exe 1");
}

}  // namespace
}  // namespace psui::test
