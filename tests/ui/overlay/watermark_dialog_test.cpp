// The watermark dialog opened from the Overlay page, driven inside its modal
// loop: what it shows for colour, mono and black-and-white printing, the
// checks while typing, the order of the checks of "Salva", "Predefinito"
// and help.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/ui/overlay/overlay_fixture.h"

namespace psui::test {
namespace {

int CALLBACK AddTrueType(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM names) {
  if (type & TRUETYPE_FONTTYPE) reinterpret_cast<std::set<std::string>*>(names)->insert(font->lfFaceName);
  return 1;
}

// The system's TrueType families, asked here rather than written down.
std::set<std::string> TrueTypeFamiliesOfTheSystem() {
  std::set<std::string> names;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesA(dc, nullptr, AddTrueType, reinterpret_cast<LPARAM>(&names));
  ReleaseDC(nullptr, dc);
  return names;
}

std::string RangeText(int low, int high) {
  return "Valore fuori intervallo; deve essere tra " + std::to_string(low) + " e " + std::to_string(high);
}

class WatermarkDialogTest : public OverlayTest {
 protected:
  // Opens the dialog with "Aggiungi" (or "Modifica") and runs `script` in it.
  void Open(int button, ModalResponder::Action script) {
    Show();
    responder.ExpectDialog(kWatermarkCaption, std::move(script));
    ASSERT_TRUE(Click(page, button));
  }
  void Add(ModalResponder::Action script) { Open(IDC_OVERLAY_ADD_WATERMARK, std::move(script)); }
  void Edit(ModalResponder::Action script) { Open(IDC_OVERLAY_EDIT_WATERMARK, std::move(script)); }
};

// ---------------------------------------------------------------- opening

TEST_F(WatermarkDialogTest, ANewWatermarkOpensWithTheDefaultsOnAColourDevice) {
  Add([](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_SIZE), "72");
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_ANGLE), "45");
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_INTENSITY), "50");
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_X), "0");
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_Y), "0");
    EXPECT_TRUE(IsChecked(dialog, IDC_WATERMARK_BEHIND));
    EXPECT_TRUE(IsChecked(dialog, IDC_WATERMARK_CENTRED));
    for (int id = IDC_WATERMARK_X_LABEL; id <= IDC_WATERMARK_Y_SPIN; ++id) EXPECT_FALSE(IsEnabled(dialog, id)) << id;
    EXPECT_EQ(ComboItems(dialog, IDC_WATERMARK_STYLE),
              (std::vector<std::string>{"Normale", "Grassetto", "Corsivo", "Grassetto & Corsivo"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_WATERMARK_STYLE), "Normale");
    EXPECT_EQ(ComboItems(dialog, IDC_WATERMARK_COLOR),
              (std::vector<std::string>{"Nero", "Rosso", "Verde", "Giallo", "Blu"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_WATERMARK_COLOR), "Nero");
    for (int id = IDC_WATERMARK_COLOR_LABEL; id <= IDC_WATERMARK_INTENSITY_SPIN; ++id) {
      EXPECT_TRUE(IsVisible(dialog, id) && IsEnabled(dialog, id)) << id;
    }
    EXPECT_FALSE(IsVisible(dialog, IDC_WATERMARK_OUTLINE));
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_OUTLINE));
    EXPECT_EQ(Range(dialog, IDC_WATERMARK_SIZE_SPIN), std::make_pair(4, 350));
    EXPECT_EQ(Range(dialog, IDC_WATERMARK_Y_SPIN), std::make_pair(-396, 396));
    for (int spin : {IDC_WATERMARK_SIZE_SPIN, IDC_WATERMARK_ANGLE_SPIN, IDC_WATERMARK_INTENSITY_SPIN,
                     IDC_WATERMARK_X_SPIN, IDC_WATERMARK_Y_SPIN}) {
      UDACCEL steps[4] = {};
      EXPECT_EQ(SendDlgItemMessageA(dialog, spin, UDM_GETACCEL, 4, reinterpret_cast<LPARAM>(steps)), 1) << spin;
      EXPECT_EQ(steps[0].nInc, 1u) << "one unit per step, held or not";
    }

    // Every TrueType family once, sorted by the list; "Courier New" when
    // the system has it, else the first.
    const std::set<std::string> families = TrueTypeFamiliesOfTheSystem();
    const std::vector<std::string> fonts = ComboItems(dialog, IDC_WATERMARK_FONT);
    EXPECT_EQ(std::set<std::string>(fonts.begin(), fonts.end()), families);
    EXPECT_EQ(fonts.size(), families.size());
    if (families.count("Courier New")) {
      EXPECT_EQ(ComboSelection(dialog, IDC_WATERMARK_FONT), "Courier New");
    } else if (!fonts.empty()) {
      EXPECT_EQ(ComboSelection(dialog, IDC_WATERMARK_FONT), fonts[0]);
    }
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(WatermarkDialogTest, TheIntensityFollowsTheColourTheDialogOpenedWith) {
  StoreProfile("Interno");
  InForce("Interno", kStoredWatermarkCode);
  Show();
  // The profile changes after the page loaded it: the dialog decides on the
  // colour in force before it loads the profile again.
  StoreProfile("Interno", [](SettingsBlock& r) { r.watermarkColor = 2; });
  responder.ExpectDialog(kWatermarkCaption, [](HWND dialog) {
    EXPECT_EQ(ComboSelection(dialog, IDC_WATERMARK_COLOR), "Verde");
    EXPECT_TRUE(IsEnabled(dialog, IDC_WATERMARK_INTENSITY));
    EXPECT_TRUE(ChooseComboEntry(dialog, IDC_WATERMARK_COLOR, "Blu"));
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_INTENSITY));
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_INTENSITY_LABEL));
    EXPECT_TRUE(ChooseComboEntry(dialog, IDC_WATERMARK_COLOR, "Nero"));
    EXPECT_TRUE(IsEnabled(dialog, IDC_WATERMARK_INTENSITY_SPIN));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  ASSERT_TRUE(Click(page, IDC_OVERLAY_EDIT_WATERMARK));

  // Opened on the stored colour, the intensity starts disabled.
  responder.ExpectDialog(kWatermarkCaption, [](HWND dialog) {
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_INTENSITY));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  ASSERT_TRUE(Click(page, IDC_OVERLAY_EDIT_WATERMARK));
}

TEST_F(WatermarkDialogTest, AMonoPrinterHidesTheColourAndBlackAndWhiteDisablesIt) {
  record().colorDevice = 0;
  Add([](HWND dialog) {
    EXPECT_FALSE(IsVisible(dialog, IDC_WATERMARK_COLOR_LABEL));
    EXPECT_FALSE(IsVisible(dialog, IDC_WATERMARK_COLOR));
    EXPECT_TRUE(IsVisible(dialog, IDC_WATERMARK_INTENSITY) && IsEnabled(dialog, IDC_WATERMARK_INTENSITY));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  record().colorDevice = 1;
  record().colorModel = 1;
  responder.ExpectDialog(kWatermarkCaption, [](HWND dialog) {
    EXPECT_TRUE(IsVisible(dialog, IDC_WATERMARK_COLOR));
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_COLOR));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  ASSERT_TRUE(Click(page, IDC_OVERLAY_ADD_WATERMARK));
}

TEST_F(WatermarkDialogTest, AStoredWatermarkOpensAsStoredWithAMissingFontReplaced) {
  StoreProfile("Interno", [](SettingsBlock& r) {
    SetFieldText(r.watermarkText, "Solo uso interno");
    SetFieldText(r.watermarkFont, "Carattere che nessun sistema ha");
    r.watermarkStyle = 3;
    r.watermarkSize = 999;  // out of range: shown, not reported while opening
    r.watermarkPosition = 1;
    r.watermarkX = -20;
  });
  InForce("Interno", kStoredWatermarkCode);
  std::string font;
  Edit([&](HWND dialog) {
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_NAME));
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_NAME), "Interno");
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_TEXT), "Solo uso interno");
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_SIZE), "999");
    EXPECT_EQ(ComboSelection(dialog, IDC_WATERMARK_STYLE), "Grassetto & Corsivo");
    EXPECT_TRUE(IsChecked(dialog, IDC_WATERMARK_OFFSET));
    EXPECT_TRUE(IsEnabled(dialog, IDC_WATERMARK_X));
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_X), "-20");
    font = ComboSelection(dialog, IDC_WATERMARK_FONT);
    EXPECT_EQ(std::string(FieldText(TheApp().settings.watermarkFont)), font);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(Boxes(), 0u);
  if (TrueTypeFamiliesOfTheSystem().count("Courier New")) {
    EXPECT_EQ(font, "Courier New");
  }
}

// ---------------------------------------------------------------- typing

TEST_F(WatermarkDialogTest, NumbersOutOfRangeAreReportedWhileTyping) {
  Add([this](HWND dialog) {
    // A single digit or sign is not reported for size and offsets.
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_SIZE, "3"));
    EXPECT_EQ(Boxes(), 0u);
    responder.ExpectMessageBox(RangeText(4, 350), IDOK);
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_SIZE, "351"));
    EXPECT_EQ(Boxes(), 1u);
    EXPECT_TRUE(HasFocus(dialog, IDC_WATERMARK_SIZE));

    // Angle and intensity are checked at every character.
    responder.ExpectMessageBox(RangeText(0, 360), IDOK);
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_ANGLE, "361"));
    responder.ExpectMessageBox(RangeText(0, 100), IDOK);
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_INTENSITY, "-"));
    EXPECT_EQ(Boxes(), 2u) << "a lone sign is 0, within 0 to 100";
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_INTENSITY, "101"));
    EXPECT_EQ(Boxes(), 3u);
    EXPECT_TRUE(HasFocus(dialog, IDC_WATERMARK_INTENSITY));

    EXPECT_TRUE(Click(dialog, IDC_WATERMARK_OFFSET));
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_X, "-3"));
    responder.ExpectMessageBox(RangeText(-396, 396), IDOK);
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_Y, "-397"));
    EXPECT_EQ(Boxes(), 4u);

    // The spin writes numbers within its range: nothing to report.
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_SIZE, "72"));
    EXPECT_TRUE(Spin(dialog, IDC_WATERMARK_SIZE_SPIN, SpinArrow::kUp, 2));
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_SIZE), "74");
    EXPECT_EQ(Boxes(), 4u);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

// ---------------------------------------------------------------- "Salva"

TEST_F(WatermarkDialogTest, SalvaChecksTheNameTheTextAndTheNumbersInOrder) {
  Add([this](HWND dialog) {
    const SettingsBlock& r = TheApp().settings;
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_NAME, ""));
    responder.ExpectMessageBox("Impossibile salvare nomi vuoti per le filigrane", IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_TRUE(HasFocus(dialog, IDC_WATERMARK_NAME));
    EXPECT_EQ(responder.boxes().back().owner, nullptr);

    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_NAME, "riservato"));
    responder.ExpectMessageBox("Impossibile duplicare nomi predefiniti delle filigrane.", IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_NAME, "nessuno"));
    responder.ExpectMessageBox("Impossibile assegnare nome nullo a una filigrana", IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_EQ(std::string(FieldText(r.watermarkName)), "Filigrana") << "refused names are not written";

    // The name is written before the text is checked, and stays.
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_NAME, "PROVA2"));
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_TEXT, ""));
    responder.ExpectMessageBox("Impossibile salvare un testo vuoto per la filigrana", IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_TRUE(HasFocus(dialog, IDC_WATERMARK_TEXT));
    EXPECT_EQ(std::string(FieldText(r.watermarkName)), "PROVA2");

    // A letter: the digit message, then the range.
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_TEXT, "Prova"));
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_SIZE, "4a"));
    responder.ExpectMessageBox(kBadDigits, IDOK);
    responder.ExpectMessageBox(RangeText(4, 350), IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_TRUE(HasFocus(dialog, IDC_WATERMARK_SIZE));

    // A number too long for any integer is out of range, not wrapped into it.
    EXPECT_TRUE(Paste(dialog, IDC_WATERMARK_SIZE, "100"));
    responder.ExpectMessageBox(RangeText(0, 360), IDOK);  // while pasting
    EXPECT_TRUE(Paste(dialog, IDC_WATERMARK_ANGLE, "4294967386"));
    responder.ExpectMessageBox(RangeText(0, 360), IDOK);  // at "Salva"
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_EQ(+r.watermarkSize, 100) << "numbers checked before the failure are written";
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(Name(), "Nessuno") << "the page puts the group back";
  EXPECT_TRUE(Stored("PROVA2").empty());
}

TEST_F(WatermarkDialogTest, SalvaEnablesAnOffsetItChecksWhileCentred) {
  StoreProfile("Interno", [](SettingsBlock& r) {
    r.watermarkY = 999;
    r.watermarkOutline = 1;  // not offered, but carried
  });
  InForce("Interno", kStoredWatermarkCode);
  Edit([this](HWND dialog) {
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_Y));
    responder.ExpectMessageBox(RangeText(-396, 396), IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_TRUE(IsEnabled(dialog, IDC_WATERMARK_Y));
    EXPECT_TRUE(IsEnabled(dialog, IDC_WATERMARK_Y_SPIN));
    EXPECT_TRUE(IsEnabled(dialog, IDC_WATERMARK_X)) << "enabled on the way";
    EXPECT_TRUE(HasFocus(dialog, IDC_WATERMARK_Y));
    EXPECT_TRUE(Paste(dialog, IDC_WATERMARK_Y, "-396"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  ASSERT_EQ(Stored("Interno").size(), 148u);
  EXPECT_EQ(+record().watermarkY, -396);
  EXPECT_EQ(Stored("Interno")[141], 1) << "the outline flag";
}

// ---------------------------------------------------------------- "Predefinito" and help

TEST_F(WatermarkDialogTest, PredefinitoBringsAUserWatermarkBackAsItOpened) {
  StoreProfile("Interno", [](SettingsBlock& r) {
    SetFieldText(r.watermarkText, "Solo uso interno");
    r.watermarkSize = 120;
    r.watermarkColor = 2;
  });
  InForce("Interno", kStoredWatermarkCode);
  Edit([](HWND dialog) {
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_TEXT, "Altro"));
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_SIZE, "200"));
    EXPECT_TRUE(ChooseComboEntry(dialog, IDC_WATERMARK_COLOR, "Nero"));
    EXPECT_TRUE(IsEnabled(dialog, IDC_WATERMARK_INTENSITY));
    EXPECT_TRUE(Click(dialog, IDC_WATERMARK_DEFAULTS));
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_TEXT), "Solo uso interno");
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_SIZE), "120");
    EXPECT_EQ(ComboSelection(dialog, IDC_WATERMARK_COLOR), "Verde");
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_INTENSITY)) << "the colour rule both ways";
    EXPECT_EQ(+TheApp().settings.watermarkColor, 2);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(Boxes(), 0u);
}

TEST_F(WatermarkDialogTest, PredefinitoLooksAtTheNameARefusedSalvaWrote) {
  Add([this](HWND dialog) {
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_NAME, "Mia"));
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_TEXT, ""));
    responder.ExpectMessageBox("Impossibile salvare un testo vuoto per la filigrana", IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_TRUE(Click(dialog, IDC_WATERMARK_DEFAULTS));
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_NAME), "Filigrana") << "the name it opened with";
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_TEXT), "Filigrana");
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(WatermarkDialogTest, PredefinitoOnABuiltInWatermarkGivesItsDefaults) {
  InForce("COPIA", 3);
  Edit([](HWND dialog) {
    EXPECT_TRUE(ChooseComboEntry(dialog, IDC_WATERMARK_COLOR, "Rosso"));
    EXPECT_FALSE(IsEnabled(dialog, IDC_WATERMARK_INTENSITY));
    EXPECT_TRUE(Type(dialog, IDC_WATERMARK_TEXT, "Altro"));
    EXPECT_TRUE(Click(dialog, IDC_WATERMARK_DEFAULTS));
    EXPECT_EQ(Text(dialog, IDC_WATERMARK_TEXT), "COPIA");
    EXPECT_EQ(ComboSelection(dialog, IDC_WATERMARK_COLOR), "Nero");
    EXPECT_TRUE(IsEnabled(dialog, IDC_WATERMARK_INTENSITY));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(WatermarkDialogTest, GuidaOpensTheDialogsHelpContext) {
  Add([this](HWND dialog) {
    EXPECT_TRUE(Click(dialog, IDC_WATERMARK_HELP));
    ASSERT_EQ(external.helpCalls.size(), 1u);
    EXPECT_EQ(external.helpCalls[0].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(external.helpCalls[0].data, 217u);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

}  // namespace
}  // namespace psui::test
