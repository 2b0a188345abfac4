// The Paper page's two dialogs, opened from its buttons and driven inside
// their modal loops: advanced paper handling (201) and the custom paper size
// (204), with their message boxes, focus moves, help and what Cancel keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/ui/pages/paper_fixture.h"

namespace psui::test {
namespace {

using Items = std::vector<std::string>;

constexpr char kAdvancedCaption[] = "Gestione avanzata carta";
constexpr char kCustomCaption[] = "Finestra di dialogo Formato di carta personalizzato PostScript";
constexpr char kNotDigits[] = "Voce non valida, i caratteri devo essere cifre";

std::string RangeBox(const char* low, const char* high) {
  return std::string("Valore fuori intervallo; deve essere tra ") + low + " e " + high;
}

class PaperDialogs : public PaperPagesTest {
 protected:
  // Opens the dialog behind `button` on the Paper page; `script` drives it
  // and must end it. Boxes the script meets are expected in `boxes`, in order.
  void Run(int button, const char* caption, std::function<void(HWND)> script,
           const std::vector<std::string>& boxes = {}) {
    responder.ExpectDialog(caption, std::move(script));
    for (const std::string& box : boxes) responder.ExpectMessageBox(box, IDOK);
    ASSERT_TRUE(Click(Page(), button));
    responder.VerifyAllMet();
  }
  static int FocusedId() { return GetDlgCtrlID(GetFocus()); }
};

// ---------------------------------------------------------------- 201

const Items kSourcesWithoutUpper = {"Adatta formato carta", "Vassoio 1", "Vassoio multiuso",
                                        "Alimentazione manuale", "Cassetto opzionale A", "Cassetto opzionale B"};

TEST_F(PaperDialogs, AdvancedHandlingNarrowsEverySourceListByThePaper) {
  record().paperSize = 20;  // Env10 rules out the upper cassette
  record().bannerPage = 1;
  record().bannerPageSource = 271;
  record().trailerPageSource = 1;
  record().autoContinue = 1;
  Open(1);
  Run(1035, kAdvancedCaption, [&](HWND dialog) {
    for (int list : {1041, 1043, 1045}) EXPECT_EQ(ComboItems(dialog, list), kSourcesWithoutUpper) << list;
    EXPECT_EQ(ComboSelection(dialog, 1041), "Vassoio 1");
    EXPECT_EQ(ComboSelection(dialog, 1045), "Adatta formato carta") << "its source was removed";
    EXPECT_TRUE(IsChecked(dialog, 1040));
    EXPECT_TRUE(IsEnabled(dialog, 1041));
    EXPECT_FALSE(IsChecked(dialog, 1044));
    EXPECT_FALSE(IsEnabled(dialog, 1045));
    EXPECT_TRUE(IsChecked(dialog, 1046));
    EXPECT_TRUE(IsVisible(dialog, 1043));
    EXPECT_TRUE(IsVisible(dialog, 1317));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(record().bannerPageSource, 271);
  EXPECT_EQ(record().trailerPageSource, 7) << "a disabled list still stores its selection";
  EXPECT_EQ(record().trailerPage, 0);
  EXPECT_EQ(record().firstPageSource, 7);
}

TEST_F(PaperDialogs, TheCheckBoxesEnableTheirListsAndOkStoresAllSeven) {
  Open(1);
  Run(1035, kAdvancedCaption, [&](HWND dialog) {
    EXPECT_FALSE(IsEnabled(dialog, 1041));
    EXPECT_TRUE(Click(dialog, 1040));
    EXPECT_TRUE(IsEnabled(dialog, 1041));
    EXPECT_TRUE(ChooseComboEntry(dialog, 1041, "Vassoio multiuso"));
    EXPECT_TRUE(Click(dialog, 1042));
    EXPECT_TRUE(ChooseComboEntry(dialog, 1043, "Alimentazione manuale"));
    EXPECT_TRUE(Click(dialog, 1044));
    EXPECT_TRUE(ChooseComboEntry(dialog, 1045, "Cassetto superiore"));
    EXPECT_TRUE(Click(dialog, 1044));
    EXPECT_FALSE(IsEnabled(dialog, 1045));
    EXPECT_TRUE(Click(dialog, 1046));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(record().bannerPage, 1);
  EXPECT_EQ(record().bannerPageSource, 257);
  EXPECT_EQ(record().firstPageSourceOn, 1);
  EXPECT_EQ(record().firstPageSource, 4);
  EXPECT_EQ(record().trailerPage, 0);
  EXPECT_EQ(record().trailerPageSource, 1);
  EXPECT_EQ(record().autoContinue, 1);
}

TEST_F(PaperDialogs, CancelKeepsTheSevenFieldsWhateverTheDialogShowed) {
  record().bannerPageSource = 1;
  record().firstPageSource = 271;
  record().trailerPage = 1;
  record().trailerPageSource = 257;
  Open(1);
  SettingsBlock before = record();
  Run(1035, kAdvancedCaption, [&](HWND dialog) {
    EXPECT_TRUE(Click(dialog, 1040));
    EXPECT_TRUE(ChooseComboEntry(dialog, 1041, "Vassoio 1"));
    EXPECT_TRUE(Click(dialog, 1044));
    EXPECT_TRUE(Click(dialog, 1046));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(std::memcmp(&before, &record(), sizeof before), 0);
}

TEST_F(PaperDialogs, TheDeviceSettingsHideTheFirstPageButStillStoreIt) {
  record().deviceMode = 1;
  record().paperSize = 20;
  record().firstPageSourceOn = 1;
  record().firstPageSource = 1;  // Upper: ruled out by the envelope
  Open(1);
  Run(1035, kAdvancedCaption, [&](HWND dialog) {
    for (int id : {1042, 1043, 1317}) EXPECT_FALSE(IsVisible(dialog, id)) << id;
    EXPECT_TRUE(IsVisible(dialog, 1041));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(record().firstPageSourceOn, 1);
  EXPECT_EQ(record().firstPageSource, 7);
}

TEST_F(PaperDialogs, TheCustomSizeTakesItsConstraintsFromTheLastTranslatedSize) {
  // Legal, the last size with a translation, rules out the multipurpose tray.
  record().paperSize = 257;
  record().bannerPageSource = 257;
  Open(1);
  Run(1035, kAdvancedCaption, [&](HWND dialog) {
    Items sources = ComboItems(dialog, 1041);
    EXPECT_EQ(std::count(sources.begin(), sources.end(), "Vassoio multiuso"), 0);
    EXPECT_EQ(std::count(sources.begin(), sources.end(), "Cassetto superiore"), 1);
    EXPECT_EQ(ComboSelection(dialog, 1041), "Adatta formato carta");
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(record().bannerPageSource, 257);
}

TEST_F(PaperDialogs, AdvancedHandlingHelp) {
  Open(1);
  Run(1035, kAdvancedCaption, [&](HWND dialog) {
    EXPECT_TRUE(Click(dialog, 1047));
    SetFocus(GetDlgItem(dialog, 1040));
    SendMessageA(dialog, WM_HELP, 0, 0);
    SetFocus(GetDlgItem(dialog, IDOK));
    SendMessageA(dialog, WM_HELP, 0, 0);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  ASSERT_EQ(external.helpCalls.size(), 3u);
  EXPECT_EQ(external.helpCalls[0].command, static_cast<UINT>(HELP_CONTEXT));
  EXPECT_EQ(external.helpCalls[0].data, 201u);
  EXPECT_EQ(external.helpCalls[1].data, 1040u);
  EXPECT_EQ(external.helpCalls[2].command, static_cast<UINT>(HELP_CONTENTS));
}

// ---------------------------------------------------------------- 204

class CustomSizeDialogTest : public PaperDialogs {
 protected:
  void SetUp() override { record().paperSize = 257; }
  void RunCustom(std::function<void(HWND)> script, const std::vector<std::string>& boxes = {}) {
    Run(1036, kCustomCaption, std::move(script), boxes);
  }
};

TEST_F(CustomSizeDialogTest, ShowsTheSizesAndRangesInTheStoredUnit) {
  Open(1);
  RunCustom([&](HWND dialog) {
    EXPECT_EQ(Text(dialog, 1050), "210.00");
    EXPECT_EQ(Text(dialog, 1052), "297.00");
    EXPECT_EQ(Text(dialog, 1051), "(76.21,215.90)");
    EXPECT_EQ(Text(dialog, 1053), "(127.00,355.60)");
    EXPECT_TRUE(IsChecked(dialog, 1055));
    EXPECT_FALSE(IsChecked(dialog, 1054));
    EXPECT_EQ(ComboItems(dialog, 1058), (Items{"Lato lungo", "Lato corto"}));
    EXPECT_EQ(ComboSelection(dialog, 1058), "Lato lungo");
    EXPECT_EQ(SendDlgItemMessageA(dialog, 1050, EM_GETLIMITTEXT, 0, 0), 8);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 1052, EM_GETLIMITTEXT, 0, 0), 8);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(CustomSizeDialogTest, EachUnitChangeStoresTheTypedValuesFirst) {
  record().customWidth = 200;
  record().customHeight = 150;
  Open(1);
  RunCustom([&](HWND dialog) {
    EXPECT_TRUE(Click(dialog, 1054));
    EXPECT_EQ(Text(dialog, 1050), "7.87");
    EXPECT_EQ(Text(dialog, 1052), "5.91");
    EXPECT_EQ(Text(dialog, 1051), "(3.01,8.50)");
    EXPECT_EQ(Text(dialog, 1053), "(5.01,14.00)");
    EXPECT_TRUE(Click(dialog, 1056));
    EXPECT_EQ(Text(dialog, 1050), "566.64");
    EXPECT_EQ(Text(dialog, 1052), "425.52");
    EXPECT_EQ(Text(dialog, 1051), "(216.01,612.00)");
    EXPECT_EQ(Text(dialog, 1053), "(360.01,1008.00)");
    EXPECT_TRUE(Click(dialog, 1055));
    EXPECT_EQ(Text(dialog, 1050), "199.90");
    EXPECT_EQ(Text(dialog, 1052), "150.11");
    EXPECT_EQ(record().customUnits, 1);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  // Cancel puts back what the unit changes stored.
  EXPECT_FLOAT_EQ(record().customWidth, 200.0f);
  EXPECT_FLOAT_EQ(record().customHeight, 150.0f);
  EXPECT_EQ(record().customUnits, 1);
}

TEST_F(CustomSizeDialogTest, AFailedUnitChangeShowsOneBoxAndKeepsTheUnit) {
  Open(1);
  RunCustom(
      [&](HWND dialog) {
        EXPECT_TRUE(Type(dialog, 1050, "50"));
        EXPECT_TRUE(Click(dialog, 1054));
        EXPECT_TRUE(IsChecked(dialog, 1055));
        EXPECT_FALSE(IsChecked(dialog, 1054));
        EXPECT_EQ(FocusedId(), 1050);
        EXPECT_EQ(Text(dialog, 1050), "50") << "the text stays for the user to mend";
        // An arrow key moves the focus to the next radio button, which the
        // dialog manager then clicks: still one box.
        EXPECT_TRUE(Type(dialog, 1050, "1,5"));
        SetFocus(GetDlgItem(dialog, 1055));
        MSG key = {GetDlgItem(dialog, 1055), WM_KEYDOWN, VK_DOWN, 1, 0, {0, 0}};
        EXPECT_TRUE(IsDialogMessageA(dialog, &key));
        PumpMessages();
        EXPECT_TRUE(IsChecked(dialog, 1055));
        EXPECT_EQ(FocusedId(), 1050);
        EXPECT_TRUE(Click(dialog, IDCANCEL));
      },
      {RangeBox("76.21", "215.90"), kNotDigits});
  EXPECT_EQ(record().customUnits, 1);
  EXPECT_FLOAT_EQ(record().customWidth, 210.0f);
}

TEST_F(CustomSizeDialogTest, TheFeedDirectionSwapsTheSizesOrComesBackOnAFailure) {
  Open(1);
  RunCustom(
      [&](HWND dialog) {
        EXPECT_TRUE(Type(dialog, 1052, "400"));
        EXPECT_TRUE(ChooseComboEntry(dialog, 1058, "Lato corto"));
        EXPECT_EQ(ComboSelection(dialog, 1058), "Lato lungo");
        EXPECT_EQ(ComboItems(dialog, 1058), (Items{"Lato lungo", "Lato corto"}));
        EXPECT_EQ(FocusedId(), 1052);
        EXPECT_EQ(record().customFeedDirection, 8);
        EXPECT_TRUE(Type(dialog, 1052, "290"));
        EXPECT_TRUE(ChooseComboEntry(dialog, 1058, "Lato corto"));
        EXPECT_EQ(Text(dialog, 1050), "290.00");
        EXPECT_EQ(Text(dialog, 1052), "210.00");
        EXPECT_EQ(record().customFeedDirection, 9);
        EXPECT_FLOAT_EQ(record().customWidth, 290.0f);
        EXPECT_TRUE(Click(dialog, IDCANCEL));
      },
      {RangeBox("127.00", "355.60")});
  EXPECT_EQ(record().customFeedDirection, 8);
  EXPECT_FLOAT_EQ(record().customWidth, 210.0f);
  EXPECT_FLOAT_EQ(record().customHeight, 297.0f);
}

TEST_F(CustomSizeDialogTest, SaveChecksTheFeedDirectionWidthFirst) {
  Open(1);
  RunCustom(
      [&](HWND dialog) {
        // Long edge first: a height above the width is refused, the width
        // that passed is already stored.
        EXPECT_TRUE(Type(dialog, 1050, "200"));
        EXPECT_TRUE(Type(dialog, 1052, "250"));
        EXPECT_TRUE(Click(dialog, IDOK));
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_EQ(FocusedId(), 1052);
        EXPECT_FLOAT_EQ(record().customWidth, 200.0f);
        EXPECT_FLOAT_EQ(record().customHeight, 297.0f);
        // A width below the shortest height: the range names widths that pass.
        EXPECT_TRUE(Type(dialog, 1050, "100"));
        EXPECT_TRUE(Click(dialog, IDOK));
        EXPECT_EQ(FocusedId(), 1050);
        EXPECT_TRUE(Type(dialog, 1050, ""));
        EXPECT_TRUE(Click(dialog, IDOK));  // empty: refused without a box
        EXPECT_EQ(FocusedId(), 1050);
        EXPECT_TRUE(Click(dialog, IDCANCEL));
      },
      {RangeBox("127.00", "200.00"), RangeBox("127.00", "215.90")});
  EXPECT_FLOAT_EQ(record().customWidth, 210.0f) << "Cancel puts the stored width back";
  // The range box is task-modal: it belongs to no window.
  ASSERT_EQ(responder.boxes().size(), 2u);
  EXPECT_EQ(responder.boxes()[0].owner, nullptr);
  EXPECT_EQ(responder.boxes()[0].caption, "Propriet\xE0 della stampante");
}

TEST_F(CustomSizeDialogTest, SaveStoresWritesCustomSizesAndCloses) {
  record().customFeedDirection = 9;
  Open(1);
  RunCustom([&](HWND dialog) {
    EXPECT_TRUE(Type(dialog, 1050, "+150.5"));
    EXPECT_TRUE(Type(dialog, 1052, "300"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_FLOAT_EQ(record().customWidth, 150.5f);
  EXPECT_FLOAT_EQ(record().customHeight, 300.0f);
  std::vector<uint8_t> value = CustomSizesValue();
  ASSERT_EQ(value.size(), 80u);
  EXPECT_EQ(value[64] | value[65] << 8, 15050);
  EXPECT_EQ(value[68] | value[69] << 8, 30000);
}

TEST_F(CustomSizeDialogTest, AnUnknownUnitAndDirectionShowAndStoreAsMillimetresAndLongEdge) {
  record().customUnits = 5;
  record().customFeedDirection = 0;
  Open(1);
  RunCustom([&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 1055));
    EXPECT_EQ(Text(dialog, 1050), "210.00");
    EXPECT_EQ(ComboSelection(dialog, 1058), "Lato lungo");
    EXPECT_TRUE(Type(dialog, 1052, "200"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(record().customUnits, 1);
  EXPECT_EQ(record().customFeedDirection, 8);
  EXPECT_FLOAT_EQ(record().customHeight, 200.0f);
}

TEST_F(CustomSizeDialogTest, CustomSizeHelp) {
  Open(1);
  RunCustom([&](HWND dialog) {
    EXPECT_TRUE(Click(dialog, 1059));
    SetFocus(GetDlgItem(dialog, 1052));
    SendMessageA(dialog, WM_HELP, 0, 0);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  ASSERT_EQ(external.helpCalls.size(), 2u);
  EXPECT_EQ(external.helpCalls[0].data, 204u);
  EXPECT_EQ(external.helpCalls[1].data, 1052u);
}

}  // namespace
}  // namespace psui::test
