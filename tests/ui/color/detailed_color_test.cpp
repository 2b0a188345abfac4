// The detailed colour settings dialog (206) on its real template, opened on
// its own as the advanced dialog opens it, on the sample PPD and on PPDs
// that lack its keywords.
#include "color/detailed_color_dialog.h"

#include <gtest/gtest.h>

#include "color/download_utility_command.h"
#include "tests/ui/color/color_dialog_test.h"

namespace psui::test {
namespace {

class DetailedColorTest : public ColorDialogTest {
 protected:
  INT_PTR Run(ModalResponder::Action script) {
    CDetailedColor dialog;
    return RunModal(kDetailedColor, dialog, std::move(script));
  }
};

const int kDiskControls[] = {IDC_DETCOLOR_RGB_CUSTOM,        IDC_DETCOLOR_RGB_SOURCE,
                             IDC_DETCOLOR_RGB_SOURCE_MANAGE, IDC_DETCOLOR_SIMULATION_LABEL,
                             IDC_DETCOLOR_SIMULATION,        IDC_DETCOLOR_SIMULATION_MANAGE,
                             IDC_DETCOLOR_DESTINATION_LABEL, IDC_DETCOLOR_DESTINATION,
                             IDC_DETCOLOR_DESTINATION_MANAGE};

TEST_F(DetailedColorTest, PpdListsShowTheTranslationsAndSelectTheFieldsCodes) {
  UseBuiltIn(13);  // "Presentazione": 2 2 2 2 0 0
  record().imageIntent = 4;
  Run([&](HWND dialog) {
    const std::vector<std::string> halftones = {"Rifinito", "Generale", "Dettaglio"};
    const std::vector<std::string> intents = {"Nessuno", "Contrasto", "Vivido", "sRGB", "Saturazione sRGB"};
    const std::vector<std::string> greys = {"Grigio con solo toner nero", "Grigio in quadricromia"};
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_GRAPHICS_HALFTONE), halftones);
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_IMAGE_HALFTONE), halftones);
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_GRAPHICS_INTENT), intents);
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_IMAGE_INTENT), intents);
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_GRAPHICS_GRAY), greys);
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_IMAGE_GRAY), greys);
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_GRAPHICS_HALFTONE), "Dettaglio");
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_GRAPHICS_INTENT), "Vivido");
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_IMAGE_INTENT), "Saturazione sRGB");
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_IMAGE_GRAY), "Grigio con solo toner nero");
    EXPECT_TRUE(IsChecked(dialog, IDC_DETCOLOR_COLOR));
    EXPECT_FALSE(IsChecked(dialog, IDC_DETCOLOR_BLACK_WHITE));

    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DETCOLOR_IMAGE_HALFTONE, "Rifinito"));
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DETCOLOR_GRAPHICS_INTENT, "Contrasto"));
    EXPECT_EQ(int{record().imageHalftone}, 2) << "written at OK";
    EXPECT_EQ(int{record().graphicsIntent}, 2) << "written at OK";
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DETCOLOR_IMAGE_GRAY, "Grigio in quadricromia"));
    EXPECT_EQ(int{record().imageProcessGray}, 1) << "grey treatment is written at once";
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().imageHalftone}, 0);
  EXPECT_EQ(int{record().graphicsIntent}, 1);
  EXPECT_EQ(int{record().imageIntent}, 4);
  EXPECT_EQ(int{record().imageProcessGray}, 1);
}

TEST_F(DetailedColorTest, APpdWithoutTheKeywordsLeavesListsEmptyAndOkStoresMinusOne) {
  ASSERT_TRUE(UsePpdText(R"(*PPD-Adobe: "4.3"
*ColorDevice: True
*OpenUI *GraphicsHalftone/Retinatura: PickOne
*DefaultGraphicsHalftone: High
*GraphicsHalftone Low/Fine: "0"
*GraphicsHalftone Strange/Strana: "9"
*CloseUI: *GraphicsHalftone
)"));
  record().graphicsHalftone = 7;  // no option has it: the first is selected
  Run([&](HWND dialog) {
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_GRAPHICS_HALFTONE), (std::vector<std::string>{"Fine", "Strana"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_GRAPHICS_HALFTONE), "Fine");
    for (int id : {IDC_DETCOLOR_IMAGE_HALFTONE, IDC_DETCOLOR_GRAPHICS_INTENT, IDC_DETCOLOR_IMAGE_INTENT,
                   IDC_DETCOLOR_GRAPHICS_GRAY, IDC_DETCOLOR_IMAGE_GRAY}) {
      EXPECT_TRUE(ComboItems(dialog, id).empty()) << id;
    }
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DETCOLOR_GRAPHICS_HALFTONE, "Strana"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().graphicsHalftone}, 0) << "an option the vocabulary lacks has code 0";
  EXPECT_EQ(int{record().imageHalftone}, -1);
  EXPECT_EQ(int{record().graphicsIntent}, -1);
  EXPECT_EQ(int{record().imageIntent}, -1);
  EXPECT_EQ(int{record().graphicsProcessGray}, -1);
  EXPECT_EQ(int{record().imageProcessGray}, -1);
}

TEST_F(DetailedColorTest, ProfileListsHoldNoneInItsSortedPlaceAndSelectTheNameInForce) {
  Register(kRgbSourceProfileKind, "Adobe RGB");
  Register(kRgbSourceProfileKind, "Zeta RGB");
  Register(kSimulationProfileKind, "Swop");
  Register(kDestinationProfileKind, "Carta riciclata", 1);
  SetFieldText(record().rgbSourceProfileName, "");
  SetFieldText(record().simulationProfileName, "swop");  // case ignored
  SetFieldText(record().destinationProfileName, "");
  Run([&](HWND dialog) {
    EXPECT_EQ(Name(record().rgbSourceProfileName), "Nessuno") << "an empty name is no profile";
    EXPECT_EQ(Name(record().destinationProfileName), "") << "only the RGB source and simulation names";
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_RGB_SOURCE),
              (std::vector<std::string>{"Adobe RGB", "Nessuno", "Zeta RGB"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_RGB_SOURCE), "Nessuno");
    EXPECT_EQ(ComboSelectionData(dialog, IDC_DETCOLOR_RGB_SOURCE), 0);
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_SIMULATION), "Swop");
    EXPECT_EQ(ComboSelectionData(dialog, IDC_DETCOLOR_SIMULATION), kSimulationProfileKind);
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_DESTINATION),
              (std::vector<std::string>{"Carta riciclata", "Nessuno"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_DESTINATION), "Nessuno");
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  record().hardDiskInstalled = 0;
  Run([&](HWND dialog) {
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_DESTINATION), std::vector<std::string>{"Nessuno"})
        << "a registration on the hard disk needs the disk";
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(DetailedColorTest, WithoutTheDiskTheCustomSourceAndTheProfilesAreOff) {
  record().hardDiskInstalled = 0;
  record().rgbSourceMode = 1;
  Run([&](HWND dialog) {
    EXPECT_EQ(int{record().rgbSourceMode}, 0);
    EXPECT_TRUE(IsChecked(dialog, IDC_DETCOLOR_RGB_DEFAULT));
    EXPECT_FALSE(IsChecked(dialog, IDC_DETCOLOR_RGB_CUSTOM));
    for (int id : kDiskControls) EXPECT_FALSE(IsEnabled(dialog, id)) << id;
    EXPECT_FALSE(IsEnabled(dialog, IDC_DETCOLOR_DOWNLOAD_MANAGER));
    EXPECT_TRUE(IsEnabled(dialog, IDC_DETCOLOR_GRAPHICS_INTENT));
    EXPECT_TRUE(IsEnabled(dialog, IDC_DETCOLOR_IMAGE_INTENT));
    ASSERT_TRUE(Click(dialog, IDC_DETCOLOR_BLACK_WHITE));
    ASSERT_TRUE(Click(dialog, IDC_DETCOLOR_COLOR));
    for (int id : kDiskControls) EXPECT_FALSE(IsEnabled(dialog, id)) << id;
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(DetailedColorTest, TheRadiosWriteAtOnceAndFollowTheEnableRule) {
  record().rgbSourceMode = 1;
  Run([&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, IDC_DETCOLOR_RGB_CUSTOM));
    EXPECT_TRUE(IsEnabled(dialog, IDC_DETCOLOR_RGB_SOURCE));
    EXPECT_TRUE(IsEnabled(dialog, IDC_DETCOLOR_RGB_SOURCE_MANAGE));
    EXPECT_FALSE(IsEnabled(dialog, IDC_DETCOLOR_GRAPHICS_INTENT));
    EXPECT_FALSE(IsEnabled(dialog, IDC_DETCOLOR_IMAGE_INTENT));

    ASSERT_TRUE(Click(dialog, IDC_DETCOLOR_BLACK_WHITE));
    EXPECT_EQ(int{record().colorModel}, 1);
    for (int id : {IDC_DETCOLOR_RGB_DEFAULT, IDC_DETCOLOR_GRAY_LABEL, IDC_DETCOLOR_GRAPHICS_INTENT,
                   IDC_DETCOLOR_IMAGE_INTENT, IDC_DETCOLOR_GRAPHICS_GRAY, IDC_DETCOLOR_IMAGE_GRAY}) {
      EXPECT_FALSE(IsEnabled(dialog, id)) << id;
    }
    for (int id : kDiskControls) EXPECT_FALSE(IsEnabled(dialog, id)) << id;
    for (int id : {IDC_DETCOLOR_GRAPHICS_HALFTONE, IDC_DETCOLOR_IMAGE_HALFTONE, IDC_DETCOLOR_DOWNLOAD_MANAGER}) {
      EXPECT_TRUE(IsEnabled(dialog, id)) << id << " keeps its state";
    }

    ASSERT_TRUE(Click(dialog, IDC_DETCOLOR_COLOR));
    EXPECT_EQ(int{record().colorModel}, 0);
    EXPECT_TRUE(IsEnabled(dialog, IDC_DETCOLOR_RGB_SOURCE)) << "the custom source is still chosen";
    EXPECT_FALSE(IsEnabled(dialog, IDC_DETCOLOR_GRAPHICS_INTENT));
    EXPECT_TRUE(IsEnabled(dialog, IDC_DETCOLOR_SIMULATION));

    ASSERT_TRUE(Click(dialog, IDC_DETCOLOR_RGB_DEFAULT));
    EXPECT_EQ(int{record().rgbSourceMode}, 0);
    EXPECT_FALSE(IsEnabled(dialog, IDC_DETCOLOR_RGB_SOURCE));
    EXPECT_FALSE(IsEnabled(dialog, IDC_DETCOLOR_RGB_SOURCE_MANAGE));
    EXPECT_TRUE(IsEnabled(dialog, IDC_DETCOLOR_GRAPHICS_INTENT));
    EXPECT_TRUE(IsEnabled(dialog, IDC_DETCOLOR_IMAGE_INTENT));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
}

TEST_F(DetailedColorTest, ChoosingNoneSetsTheIdAtOnceAndTheNameAtOk) {
  Register(kSimulationProfileKind, "Swop");
  SetFieldText(record().simulationProfileName, "Swop");
  record().simulationProfileId = kSimulationProfileKind;
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DETCOLOR_SIMULATION, "Nessuno"));
    EXPECT_EQ(int{record().simulationProfileId}, 0);
    EXPECT_EQ(Name(record().simulationProfileName), "Swop");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Name(record().simulationProfileName), "Nessuno");
  EXPECT_EQ(int{record().simulationProfileId}, 0);
}

TEST_F(DetailedColorTest, ALongRegistrationIsTakenCutTo31Bytes) {
  const std::string description = "Profilo sorgente per fotocamere professionali";
  Register(kRgbSourceProfileKind, description);
  record().rgbSourceMode = 1;
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DETCOLOR_RGB_SOURCE, description));
    EXPECT_EQ(int{record().rgbSourceProfileId}, kRgbSourceProfileKind);
    EXPECT_EQ(Name(record().rgbSourceProfileName), description.substr(0, 31)) << "taken at once";
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Name(record().rgbSourceProfileName), description.substr(0, 31));
  EXPECT_EQ(int{record().rgbSourceMode}, 1);
}

TEST_F(DetailedColorTest, ANameNoLongerRegisteredOpensOnNoneAndOkStoresNone) {
  SetFieldText(record().destinationProfileName, "Sparita");
  record().destinationProfileId = kDestinationProfileKind;
  Run([&](HWND dialog) {
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_DESTINATION), "Nessuno");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Name(record().destinationProfileName), "Nessuno");
  EXPECT_EQ(int{record().destinationProfileId}, 0);
}

TEST_F(DetailedColorTest, TheProfileListFollowsTheManagementDialogWhateverItsEnd) {
  Register(kSimulationProfileKind, "Euroscale");
  Register(kSimulationProfileKind, "Swop");
  SetFieldText(record().simulationProfileName, "Swop");
  record().simulationProfileId = kSimulationProfileKind;
  Run([&](HWND dialog) {
    responder.ExpectDialog(kPrinterProfile, [](HWND profiles) {
      ASSERT_TRUE(Type(profiles, IDC_PROFILE_DESCRIPTION, "Giornale"));
      ASSERT_TRUE(Type(profiles, IDC_PROFILE_FILE_NAME, "GIORN.ICC"));
      ASSERT_TRUE(Click(profiles, IDC_PROFILE_ADD));
      // Escape: the dialog has no Cancel button, but ends the same way.
      SendMessageA(profiles, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    ASSERT_TRUE(Click(dialog, IDC_DETCOLOR_SIMULATION_MANAGE));
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_SIMULATION),
              (std::vector<std::string>{"Euroscale", "Giornale", "Nessuno", "Swop"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_SIMULATION), "Swop");

    // Deleting the selected registration moves the list to its first entry,
    // and the record follows it.
    responder.ExpectDialog(kPrinterProfile, [](HWND profiles) {
      ASSERT_TRUE(Type(profiles, IDC_PROFILE_DESCRIPTION, "swop"));
      ASSERT_TRUE(Click(profiles, IDC_PROFILE_DELETE));
      EXPECT_TRUE(Click(profiles, IDOK));
    });
    ASSERT_TRUE(Click(dialog, IDC_DETCOLOR_SIMULATION_MANAGE));
    EXPECT_EQ(ComboItems(dialog, IDC_DETCOLOR_SIMULATION),
              (std::vector<std::string>{"Euroscale", "Giornale", "Nessuno"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_DETCOLOR_SIMULATION), "Euroscale");
    EXPECT_EQ(int{record().simulationProfileId}, kSimulationProfileKind);
    EXPECT_EQ(Name(record().simulationProfileName), "Euroscale");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Registered(kSimulationProfileKind).size(), 2u);
}

TEST_F(DetailedColorTest, DownloadManagementStartsTheUtilityForColourProfiles) {
  DeleteAfterTest(platform::RegistryRoot::kLocalMachine, kDownloadUtilityKey);
  DeleteAfterTest(platform::RegistryRoot::kLocalMachine, kOlderDownloadUtilityKey);
  platform::RegistryKey key;
  ASSERT_EQ(platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, kDownloadUtilityKey, key), 0u);
  ASSERT_EQ(key.WriteString("", "C:\\Utility\\DAVoduDo.exe"), 0u);
  Run([&](HWND dialog) {
    ASSERT_TRUE(Click(dialog, IDC_DETCOLOR_DOWNLOAD_MANAGER));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  ASSERT_EQ(external.execCalls.size(), 1u);
  EXPECT_EQ(external.execCalls[0].commandLine, "C:\\Utility\\DAVoduDo.exe 0");
  EXPECT_EQ(external.execCalls[0].show, static_cast<UINT>(SW_SHOW));
}

}  // namespace
}  // namespace psui::test
