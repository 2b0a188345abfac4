// The advanced colour options dialog (202) on its real template, opened as
// the Features page opens it (RunAdvancedColorOptions), driven through its
// controls, with the detailed settings (206) and the profile management
// (212) answered inside it.
#include "color/advanced_color_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/ui/color/color_dialog_test.h"

namespace psui::test {
namespace {

class AdvancedColorTest : public ColorDialogTest {
 protected:
  // Runs the dialog with `script` inside it; returns the dialog's result.
  INT_PTR Run(ModalResponder::Action script) {
    responder.ExpectDialog(kAdvancedColor, std::move(script));
    return RunAdvancedColorOptions(nullptr);
  }

  std::vector<std::string> Summary(HWND dialog) {
    std::vector<std::string> lines;
    for (int id : {IDC_ADVCOLOR_COLOR_MODEL, IDC_ADVCOLOR_HALFTONE, IDC_ADVCOLOR_RGB_SOURCE,
                   IDC_ADVCOLOR_PROCESS_GRAY, IDC_ADVCOLOR_SIMULATION, IDC_ADVCOLOR_DESTINATION}) {
      lines.push_back(Text(dialog, id));
    }
    return lines;
  }

  // Changes the text-and-graphics grey treatment in 206 and ends it with `end`.
  void ChangeGreyInDetails(int end) {
    responder.ExpectDialog(kDetailedColor, [end](HWND details) {
      EXPECT_TRUE(ChooseComboEntry(details, IDC_DETCOLOR_GRAPHICS_GRAY, "Grigio in quadricromia"));
      EXPECT_TRUE(Click(details, end));
    });
  }
};

TEST_F(AdvancedColorTest, EachBuiltInConfigurationShowsItsSummaryAndCannotBeDeleted) {
  struct Want {
    const char* name;
    int code;
    const char* halftone;
    const char* rgbSource;
    const char* grey;
  };
  const Want all[] = {
      {"Foto", 4, "Rifinito", "Contrasto", "CMYK"},     {"Presentazione", 13, "Dettaglio", "Vivido", "Solo K"},
      {"sRGB", 14, "Generale", "sRGB", "CMYK"},         {"ICM", 15, "Generale", "ICM", "CMYK"},
      {"Nessuno", 12, "Auto", "Nessuno", "CMYK"},       {"Auto", 1, "Auto", "Auto", "Auto"},
  };
  const std::vector<uint8_t> before = ColorGroup();
  EXPECT_EQ(Run([&](HWND dialog) {
              EXPECT_EQ(ComboItems(dialog, IDC_ADVCOLOR_CONFIG),
                        (std::vector<std::string>{"Auto", "Presentazione", "Foto", "sRGB", "ICM", "Nessuno"}));
              for (const Want& want : all) {
                SCOPED_TRACE(want.name);
                ASSERT_TRUE(ChooseComboEntry(dialog, IDC_ADVCOLOR_CONFIG, want.name));
                EXPECT_EQ(Summary(dialog),
                          (std::vector<std::string>{"Modello colore: Colore",
                                                    std::string("Mezzi toni schermo: ") + want.halftone,
                                                    std::string("Profili sorgente RGB: ") + want.rgbSource,
                                                    std::string("Grigio di processo: ") + want.grey,
                                                    "Profilo simulazione ICC: Nessuno",
                                                    "Profilo di destinazione: Nessuno"}));
                EXPECT_FALSE(IsEnabled(dialog, IDC_ADVCOLOR_DELETE));
                EXPECT_FALSE(IsVisible(dialog, IDC_ADVCOLOR_HIDDEN_LINE));
                EXPECT_EQ(int{record().colorPreset}, want.code);
                EXPECT_EQ(Name(record().colorProfileName), want.name);
              }
              EXPECT_TRUE(Click(dialog, IDCANCEL));
            }),
            IDCANCEL);
  EXPECT_EQ(ColorGroup(), before);
}

TEST_F(AdvancedColorTest, TheListOffersStoredProfilesTheDiskAllows) {
  StoreProfile("Ufficio");
  StoreProfile("Con destinazione",
               [](SettingsBlock& r) { SetFieldText(r.destinationProfileName, "Carta lucida"); });
  auto storedEntries = [](HWND dialog) {
    std::vector<std::string> items = ComboItems(dialog, IDC_ADVCOLOR_CONFIG);
    EXPECT_GE(items.size(), 6u);
    std::vector<std::string> builtIns(items.begin(), items.begin() + std::min<size_t>(6, items.size()));
    EXPECT_EQ(builtIns, (std::vector<std::string>{"Auto", "Presentazione", "Foto", "sRGB", "ICM", "Nessuno"}));
    std::vector<std::string> stored(items.begin() + std::min<size_t>(6, items.size()), items.end());
    std::sort(stored.begin(), stored.end());
    return stored;
  };
  Run([&](HWND dialog) {
    EXPECT_EQ(storedEntries(dialog), (std::vector<std::string>{"Con destinazione", "Ufficio"}));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  record().hardDiskInstalled = 0;
  Run([&](HWND dialog) {
    EXPECT_EQ(storedEntries(dialog), std::vector<std::string>{"Ufficio"});
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(AdvancedColorTest, AProfileInForceThatIsNotStoredOpensOnAuto) {
  UseStored("Perduto");
  record().graphicsHalftone = 0;
  const std::vector<uint8_t> before = ColorGroup();
  Run([&](HWND dialog) {
    EXPECT_EQ(ComboSelection(dialog, IDC_ADVCOLOR_CONFIG), "Auto");
    EXPECT_EQ(int{record().colorPreset}, 1);
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_HALFTONE), "Mezzi toni schermo: Auto");
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(ColorGroup(), before);
}

TEST_F(AdvancedColorTest, SaveStoresTheTypedNameAndMakesItTheConfigurationInForce) {
  EXPECT_EQ(Run([&](HWND dialog) {
              ASSERT_TRUE(ChooseComboEntry(dialog, IDC_ADVCOLOR_CONFIG, "Foto"));
              ASSERT_TRUE(Type(dialog, IDC_ADVCOLOR_CONFIG, "Mio profilo"));
              ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_SAVE));
              EXPECT_EQ(ComboSelection(dialog, IDC_ADVCOLOR_CONFIG), "Mio profilo");
              EXPECT_EQ(ComboSelectionData(dialog, IDC_ADVCOLOR_CONFIG), 0);
              EXPECT_TRUE(Click(dialog, IDOK));
            }),
            IDOK);
  EXPECT_EQ(int{record().colorPreset}, 0);
  EXPECT_EQ(Name(record().colorProfileName), "Mio profilo");
  const ColorSettingsRecord stored = Stored("Mio profilo");
  EXPECT_EQ(int{stored.colorPreset}, 0);
  EXPECT_EQ(FieldText(stored.colorProfileName), "Mio profilo");
  EXPECT_EQ(int{stored.graphicsIntent}, 1) << "the settings of \"Foto\"";
  EXPECT_FALSE(IsStored("Personale")) << "the saved settings are no change at OK";
}

TEST_F(AdvancedColorTest, SavingUnderAnExistingNameAsksAndNoWritesNothing) {
  StoreProfile("Ufficio");
  const std::vector<uint8_t> marker(152, 0x11);
  const std::string store = ColorProfileKeyPath(record());
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_ADVCOLOR_CONFIG, "Presentazione"));
    platform::RegistryKey key;
    ASSERT_EQ(platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, store, key), 0u);
    ASSERT_EQ(key.WriteBinary("Ufficio", marker.data(), marker.size()), 0u);

    // Typed in another case: the stored entry matches, so the question comes.
    responder.ExpectMessageBox("\"ufficio\" esiste gi\xE0. Sovrascriverlo?", "Sovrascrivere il profilo di colore?", IDNO);
    ASSERT_TRUE(Type(dialog, IDC_ADVCOLOR_CONFIG, "ufficio"));
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_SAVE));
    EXPECT_TRUE(RegistryBytesAre(store, "Ufficio", marker));
    EXPECT_EQ(Name(record().colorProfileName), "Presentazione");
    EXPECT_EQ(ComboSelection(dialog, IDC_ADVCOLOR_CONFIG), "Presentazione");

    responder.ExpectMessageBox("\"Ufficio\" esiste gi\xE0. Sovrascriverlo?", IDYES);
    ASSERT_TRUE(Type(dialog, IDC_ADVCOLOR_CONFIG, "Ufficio"));
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_SAVE));
    EXPECT_EQ(int{Stored("Ufficio").graphicsHalftone}, 2) << "now the settings of \"Presentazione\"";
    EXPECT_EQ(int{Stored("Ufficio").imageHalftone}, 2);
    EXPECT_EQ(Name(record().colorProfileName), "Ufficio");
    EXPECT_EQ(int{record().colorPreset}, 0);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(AdvancedColorTest, SaveRefusesBuiltInBlankAndBackslashNamesAndKeepsTheNameInForce) {
  const std::string caption = "Nome del profilo di colore non valido";
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_ADVCOLOR_CONFIG, "Foto"));
    responder.ExpectMessageBox("Impossibile sovrascrivere i nomi predefiniti HueSet.", caption, IDOK);
    ASSERT_TRUE(Type(dialog, IDC_ADVCOLOR_CONFIG, "auto"));
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_SAVE));
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_CONFIG), "auto") << "no refill after a built-in name";

    responder.ExpectMessageBox("Impossibile salvare profili di colore in bianco.", caption, IDOK);
    ASSERT_TRUE(Type(dialog, IDC_ADVCOLOR_CONFIG, ""));
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_SAVE));
    EXPECT_EQ(ComboSelection(dialog, IDC_ADVCOLOR_CONFIG), "Foto") << "refilled, the choice in force selected";

    responder.ExpectMessageBox(
        "Impossibile salvare profili di colore i cui nomi presentano la barra rovesciata (\\).", caption, IDOK);
    ASSERT_TRUE(Type(dialog, IDC_ADVCOLOR_CONFIG, "Uffici\\Nord"));
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_SAVE));

    EXPECT_EQ(Name(record().colorProfileName), "Foto");
    EXPECT_EQ(int{record().colorPreset}, 4);
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_TRUE(UsableColorProfileNames(record()).empty()) << "nothing stored, not even \"Personale\"";
  EXPECT_EQ(int{record().colorPreset}, 4);
  for (const SeenBox& box : responder.boxes()) {
    EXPECT_NE(box.owner, nullptr) << "the name boxes belong to the dialog";
  }
}

TEST_F(AdvancedColorTest, DeleteRemovesTheStoredProfileAndReturnsToAuto) {
  StoreProfile("Vecchio", [](SettingsBlock& r) { r.graphicsHalftone = 0; });
  StoreProfile("Altro");
  UseStored("Vecchio");
  Run([&](HWND dialog) {
    EXPECT_EQ(ComboSelection(dialog, IDC_ADVCOLOR_CONFIG), "Vecchio");
    EXPECT_TRUE(IsEnabled(dialog, IDC_ADVCOLOR_DELETE));
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_DELETE));
    std::vector<std::string> items = ComboItems(dialog, IDC_ADVCOLOR_CONFIG);
    EXPECT_EQ(std::count(items.begin(), items.end(), "Vecchio"), 0);
    EXPECT_EQ(std::count(items.begin(), items.end(), "Altro"), 1);
    EXPECT_EQ(ComboSelection(dialog, IDC_ADVCOLOR_CONFIG), "Auto");
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_HALFTONE), "Mezzi toni schermo: Auto");
    EXPECT_FALSE(IsEnabled(dialog, IDC_ADVCOLOR_DELETE));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_FALSE(IsStored("Vecchio"));
  EXPECT_TRUE(IsStored("Altro"));
  EXPECT_EQ(int{record().colorPreset}, 1);
  EXPECT_EQ(Name(record().colorProfileName), "Auto");
}

TEST_F(AdvancedColorTest, ChangedDetailsBecomeTheStoredProfilePersonale) {
  EXPECT_EQ(Run([&](HWND dialog) {
              ChangeGreyInDetails(IDOK);
              ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_MODIFY));
              EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_PROCESS_GRAY), "Grigio di processo: CMYK");
              EXPECT_TRUE(Click(dialog, IDOK));
              EXPECT_EQ(ComboSelection(dialog, IDC_ADVCOLOR_CONFIG), "Personale");
            }),
            IDOK);
  EXPECT_EQ(int{record().colorPreset}, 0);
  EXPECT_EQ(Name(record().colorProfileName), "Personale");
  const ColorSettingsRecord stored = Stored("Personale");
  EXPECT_EQ(int{stored.graphicsProcessGray}, 1);
  EXPECT_EQ(int{stored.colorPreset}, 0);
}

TEST_F(AdvancedColorTest, ASecondVisitToTheDetailsCancelledKeepsTheFirstChange) {
  Run([&](HWND dialog) {
    ChangeGreyInDetails(IDOK);
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_MODIFY));
    responder.ExpectDialog(kDetailedColor, [](HWND details) {
      EXPECT_EQ(ComboSelection(details, IDC_DETCOLOR_GRAPHICS_GRAY), "Grigio in quadricromia");
      EXPECT_TRUE(ChooseComboEntry(details, IDC_DETCOLOR_IMAGE_GRAY, "Grigio con solo toner nero"));
      EXPECT_TRUE(Click(details, IDCANCEL));
    });
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_MODIFY));
    EXPECT_EQ(int{record().imageProcessGray}, 1) << "the second visit's change is undone";
    EXPECT_EQ(int{record().graphicsProcessGray}, 1) << "the first visit's change stays";
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Name(record().colorProfileName), "Personale");
  EXPECT_EQ(int{Stored("Personale").graphicsProcessGray}, 1);
}

TEST_F(AdvancedColorTest, CorrectionsAtOpeningAreNoChangeOfTheUsers) {
  // The stored profile names a simulation profile that is no longer
  // registered: the summary puts "Nessuno" in its place.
  StoreProfile("Ufficio", [](SettingsBlock& r) {
    SetFieldText(r.simulationProfileName, "Sparito");
    r.simulationProfileId = 122;
  });
  UseStored("Ufficio");
  Run([&](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_SIMULATION), "Profilo simulazione ICC: Nessuno");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_FALSE(IsStored("Personale"));
  EXPECT_EQ(Name(record().simulationProfileName), "Nessuno");
  EXPECT_EQ(Name(record().colorProfileName), "Ufficio");
}

TEST_F(AdvancedColorTest, SummaryLinesFollowTheColourModelAndTheDisk) {
  Register(kRgbSourceProfileKind, "Adobe RGB");
  Register(kSimulationProfileKind, "Euroscale & co");
  StoreProfile("Bianco", [](SettingsBlock& r) { r.colorModel = 1; });
  StoreProfile("Profili", [](SettingsBlock& r) {
    r.rgbSourceMode = 1;
    SetFieldText(r.rgbSourceProfileName, "Adobe RGB");
    SetFieldText(r.simulationProfileName, "Euroscale & co");
  });
  StoreProfile("Sorgente sparita", [](SettingsBlock& r) {
    r.rgbSourceMode = 1;
    SetFieldText(r.rgbSourceProfileName, "Sparita");
  });
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_ADVCOLOR_CONFIG, "Bianco"));
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_COLOR_MODEL), "Modello colore: Bianco e nero");
    EXPECT_TRUE(IsEnabled(dialog, IDC_ADVCOLOR_COLOR_MODEL));
    for (int id : {IDC_ADVCOLOR_HALFTONE, IDC_ADVCOLOR_RGB_SOURCE, IDC_ADVCOLOR_PROCESS_GRAY,
                   IDC_ADVCOLOR_SIMULATION, IDC_ADVCOLOR_DESTINATION}) {
      EXPECT_FALSE(IsEnabled(dialog, id)) << id;
    }
    EXPECT_TRUE(IsEnabled(dialog, IDC_ADVCOLOR_DELETE)) << "a stored profile";

    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_ADVCOLOR_CONFIG, "Profili"));
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_RGB_SOURCE), "Profili sorgente RGB: Adobe RGB");
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_SIMULATION), "Profilo simulazione ICC: Euroscale & co");
    for (int id : {IDC_ADVCOLOR_HALFTONE, IDC_ADVCOLOR_SIMULATION, IDC_ADVCOLOR_DESTINATION}) {
      EXPECT_TRUE(IsEnabled(dialog, id)) << id;
    }

    // A custom source that is not registered shows nothing after the label.
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_ADVCOLOR_CONFIG, "Sorgente sparita"));
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_RGB_SOURCE), "Profili sorgente RGB: ");
    EXPECT_EQ(int{record().rgbSourceMode}, 1);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });

  record().hardDiskInstalled = 0;
  StoreProfile("Semplice");
  UseStored("Semplice");
  Run([&](HWND dialog) {
    EXPECT_TRUE(IsEnabled(dialog, IDC_ADVCOLOR_HALFTONE));
    EXPECT_FALSE(IsEnabled(dialog, IDC_ADVCOLOR_SIMULATION));
    EXPECT_FALSE(IsEnabled(dialog, IDC_ADVCOLOR_DESTINATION));
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_SIMULATION), "Profilo simulazione ICC: Nessuno");
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_DESTINATION), "Profilo di destinazione: Nessuno");
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(AdvancedColorTest, PredefinedRgbSourceLineResetsTheCustomMode) {
  StoreProfile("Senza nome", [](SettingsBlock& r) {
    r.rgbSourceMode = 1;
    SetFieldText(r.rgbSourceProfileName, "Nessuno");
    r.graphicsIntent = 3;
    r.imageIntent = 3;
  });
  UseStored("Senza nome");
  Run([&](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_RGB_SOURCE), "Profili sorgente RGB: sRGB");
    EXPECT_EQ(int{record().rgbSourceMode}, 0);
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_FALSE(IsStored("Personale"));
}

TEST_F(AdvancedColorTest, CancelPutsTheWholeColourGroupBackAndKeepsWhatWasStored) {
  StoreProfile("Ufficio", [](SettingsBlock& r) { r.imageHalftone = 1; });
  UseStored("Ufficio");
  SettingsBlock expected = record();
  ASSERT_TRUE(LoadColorProfile(expected));
  const std::vector<uint8_t> loaded(GroupBytes(expected, kColorGroup), GroupBytes(expected, kColorGroup) + 152);
  EXPECT_EQ(Run([&](HWND dialog) {
              EXPECT_EQ(ColorGroup(), loaded) << "the stored profile in force is loaded first";
              ASSERT_TRUE(ChooseComboEntry(dialog, IDC_ADVCOLOR_CONFIG, "Foto"));
              ASSERT_TRUE(Type(dialog, IDC_ADVCOLOR_CONFIG, "Nuovo"));
              ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_SAVE));
              ChangeGreyInDetails(IDOK);
              ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_MODIFY));
              EXPECT_TRUE(Click(dialog, IDCANCEL));
            }),
            IDCANCEL);
  EXPECT_EQ(ColorGroup(), loaded);
  EXPECT_TRUE(IsStored("Nuovo"));
}

TEST_F(AdvancedColorTest, ProfilesMadeInTheNestedDialogsReachTheSummaryAndTheRecord) {
  Register(kDestinationProfileKind, "Carta opaca", 0, "OPACA.ICC");
  EXPECT_EQ(Run([&](HWND dialog) {
              responder.ExpectDialog(kDetailedColor, [&](HWND details) {
                EXPECT_EQ(ComboItems(details, IDC_DETCOLOR_DESTINATION),
                          (std::vector<std::string>{"Carta opaca", "Nessuno"}));
                responder.ExpectDialog(kPrinterProfile, [](HWND profiles) {
                  EXPECT_EQ(ComboItems(profiles, IDC_PROFILE_DESCRIPTION), std::vector<std::string>{"Carta opaca"});
                  ASSERT_TRUE(Type(profiles, IDC_PROFILE_DESCRIPTION, "Carta lucida"));
                  ASSERT_TRUE(Type(profiles, IDC_PROFILE_FILE_NAME, "LUCIDA.ICC"));
                  ASSERT_TRUE(Click(profiles, IDC_PROFILE_ADD));
                  EXPECT_TRUE(Click(profiles, IDOK));
                });
                ASSERT_TRUE(Click(details, IDC_DETCOLOR_DESTINATION_MANAGE));
                EXPECT_EQ(ComboItems(details, IDC_DETCOLOR_DESTINATION),
                          (std::vector<std::string>{"Carta lucida", "Carta opaca", "Nessuno"}));
                ASSERT_TRUE(ChooseComboEntry(details, IDC_DETCOLOR_DESTINATION, "Carta lucida"));
                EXPECT_TRUE(Click(details, IDOK));
              });
              ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_MODIFY));
              EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_DESTINATION), "Profilo di destinazione: Carta lucida");
              EXPECT_TRUE(Click(dialog, IDOK));
            }),
            IDOK);
  EXPECT_EQ(Name(record().destinationProfileName), "Carta lucida");
  EXPECT_EQ(int{record().destinationProfileId}, kDestinationProfileKind);
  EXPECT_EQ(Name(record().colorProfileName), "Personale");
  EXPECT_EQ(FieldText(Stored("Personale").destinationProfileName), "Carta lucida");
  ResidentProfile added;
  ASSERT_TRUE(FindResidentProfile(record(), "Carta lucida", kDestinationProfileKind, &added));
  EXPECT_EQ(added.fileName, "LUCIDA.ICC");
}

TEST_F(AdvancedColorTest, ANameCutTo31BytesStillFindsItsLongerRegistration) {
  const std::string description = "Carta patinata lucida per stampe fotografiche";
  const std::string cut = description.substr(0, 31);
  Register(kDestinationProfileKind, description);
  StoreProfile("Foto lunga", [&](SettingsBlock& r) {
    SetFieldText(r.destinationProfileName, cut);
    r.destinationProfileId = kDestinationProfileKind;
  });
  UseStored("Foto lunga");
  Run([&](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_ADVCOLOR_DESTINATION), "Profilo di destinazione: " + cut);
    responder.ExpectDialog(kDetailedColor, [&](HWND details) {
      EXPECT_EQ(ComboSelection(details, IDC_DETCOLOR_DESTINATION), description);
      EXPECT_TRUE(Click(details, IDCANCEL));
    });
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_MODIFY));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Name(record().destinationProfileName), cut);
  EXPECT_FALSE(IsStored("Personale"));
}

TEST_F(AdvancedColorTest, HelpButtonsOpenTheirOwnContexts) {
  Run([&](HWND dialog) {
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_HELP));
    responder.ExpectDialog(kDetailedColor, [&](HWND details) {
      ASSERT_TRUE(Click(details, IDC_DETCOLOR_HELP));
      responder.ExpectDialog(kPrinterProfile, [](HWND profiles) {
        EXPECT_TRUE(Click(profiles, IDC_PROFILE_HELP));
        EXPECT_TRUE(Click(profiles, IDOK));
      });
      ASSERT_TRUE(Click(details, IDC_DETCOLOR_SIMULATION_MANAGE));
      EXPECT_TRUE(Click(details, IDCANCEL));
    });
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_MODIFY));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  ASSERT_EQ(external.helpCalls.size(), 3u);
  const ULONG_PTR contexts[] = {202, 206, 212};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(external.helpCalls[i].command, static_cast<UINT>(HELP_CONTEXT)) << i;
    EXPECT_EQ(external.helpCalls[i].data, contexts[i]) << i;
  }
}

}  // namespace
}  // namespace psui::test
