// The Features page (208) in a sheet: its lists from the record and the
// PPD, the choices it stores, the toner-saving check on leaving, and the
// colour dialog opened from it.
#include "pages/features_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "color/color_profile_store.h"
#include "tests/ui/pages/features_test.h"

namespace psui::test {
namespace {

const std::vector<std::string> kBuiltInConfigs = {"Auto", "Presentazione", "Foto", "sRGB", "ICM", "Nessuno"};

// The colour list: the six built-in names in their order, the stored
// profiles at their sorted places among them. Returns the stored ones.
std::vector<std::string> StoredConfigs(HWND page) {
  std::vector<std::string> builtIns;
  std::vector<std::string> stored;
  for (const std::string& item : ComboItems(page, IDC_FEATURES_COLOR_CONFIG)) {
    const bool builtIn = std::find(kBuiltInConfigs.begin(), kBuiltInConfigs.end(), item) != kBuiltInConfigs.end();
    (builtIn ? builtIns : stored).push_back(item);
  }
  EXPECT_EQ(builtIns, kBuiltInConfigs);
  return stored;
}

class FeaturesPageTest : public FeaturesTest {
 protected:
  // Stores the settings in force, changed by `change`, as colour profile
  // `name`; the record stays as it was.
  template <typename Change>
  void StoreColorProfile(const std::string& name, Change change) {
    const SettingsBlock kept = record();
    record().colorPreset = 0;
    SetFieldText(record().colorProfileName, name);
    change(record());
    ASSERT_TRUE(SaveColorProfile(record()));
    record() = kept;
  }
};

TEST_F(FeaturesPageTest, ShowsThePpdResolutionsAndTheColourConfigurations) {
  StoreColorProfile("Brochure", [](SettingsBlock&) {});
  HWND page = OpenFeatures();
  EXPECT_EQ(ComboItems(page, IDC_FEATURES_RESOLUTION), (std::vector<std::string>{"300 dpi", "600 dpi", "1200 dpi"}));
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_RESOLUTION), "600 dpi");
  EXPECT_EQ(StoredConfigs(page), std::vector<std::string>{"Brochure"});
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_COLOR_CONFIG), "Auto");
  for (int id : {IDC_FEATURES_COLOR_GROUP, IDC_FEATURES_COLOR_CONFIG, IDC_FEATURES_COLOR_OPTIONS}) {
    EXPECT_TRUE(IsVisible(page, id)) << id;
    EXPECT_TRUE(IsEnabled(page, id)) << id;
  }
}

TEST_F(FeaturesPageTest, AStoredProfileInForceIsLoadedOnActivation) {
  StoreColorProfile("Brochure", [](SettingsBlock& r) { r.graphicsHalftone = 1; });
  record().colorPreset = 0;
  SetFieldText(record().colorProfileName, "Brochure");
  HWND page = OpenFeatures();
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_COLOR_CONFIG), "Brochure");
  EXPECT_EQ(int{record().graphicsHalftone}, 1);
  EXPECT_EQ(int{record().colorPreset}, 0);
}

TEST_F(FeaturesPageTest, OnABlackAndWhitePrinterTheColourControlsAreGoneAndTheModelIsBlackAndWhite) {
  ASSERT_TRUE(UsePpdFile(SourceFile("samples/psui-mono.ppd")));
  record().colorDevice = 0;
  record().colorModel = 0;
  record().colorPreset = 0;  // a profile that is not stored
  SetFieldText(record().colorProfileName, "Perduto");
  HWND page = OpenFeatures({IDD_ABOUT});
  for (int id : {IDC_FEATURES_COLOR_GROUP, IDC_FEATURES_COLOR_CONFIG, IDC_FEATURES_COLOR_OPTIONS}) {
    EXPECT_FALSE(IsVisible(page, id)) << id;
    EXPECT_FALSE(IsEnabled(page, id)) << id;
  }
  EXPECT_EQ(int{record().colorModel}, 1);
  EXPECT_EQ(int{record().colorPreset}, 1) << "the colour list was filled first";
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_RESOLUTION), "600 dpi");

  // Every activation, not only the first.
  ASSERT_TRUE(ShowPage(IDD_ABOUT));
  record().colorModel = 0;
  ASSERT_TRUE(ShowPage(IDD_FEATURES));
  EXPECT_EQ(int{record().colorModel}, 1);
}

TEST_F(FeaturesPageTest, APpdWithoutResolutionsLeavesTheListEmpty) {
  HWND page = OpenFeatures({IDD_ABOUT});
  ASSERT_EQ(ComboItems(page, IDC_FEATURES_RESOLUTION).size(), 3u);
  ASSERT_TRUE(ShowPage(IDD_ABOUT));
  ASSERT_TRUE(UsePpdText("*PPD-Adobe: \"4.3\"\n*ColorDevice: True\n"));
  ASSERT_TRUE(ShowPage(IDD_FEATURES));
  EXPECT_TRUE(ComboItems(page, IDC_FEATURES_RESOLUTION).empty());
  EXPECT_EQ(ComboSelectionIndex(page, IDC_FEATURES_RESOLUTION), -1);
}

TEST_F(FeaturesPageTest, ChoosingAResolutionStoresItsCodeAndDotsPerInch) {
  HWND page = OpenFeatures();
  ASSERT_TRUE(ChooseComboEntry(page, IDC_FEATURES_RESOLUTION, "1200 dpi"));
  EXPECT_EQ(int{record().resolution}, 3);
  EXPECT_EQ(int32_t{record().resolutionDpi}, 1200);
  ASSERT_TRUE(ChooseComboEntry(page, IDC_FEATURES_RESOLUTION, "300 dpi"));
  EXPECT_EQ(int{record().resolution}, 1);
  EXPECT_EQ(int32_t{record().resolutionDpi}, 300);
  // A keyboard choice with the list closed is taken as the list shows it.
  ASSERT_TRUE(ChooseComboEntryByKey(page, IDC_FEATURES_RESOLUTION, "600 dpi"));
  EXPECT_EQ(int{record().resolution}, 2);
  EXPECT_EQ(int32_t{record().resolutionDpi}, 600);
}

TEST_F(FeaturesPageTest, ChoosingAColourConfigurationStoresItsNameAndSettings) {
  record().negativeImage = 1;
  record().colorModel = 1;
  HWND page = OpenFeatures();
  ASSERT_TRUE(ChooseComboEntry(page, IDC_FEATURES_COLOR_CONFIG, "Foto"));
  EXPECT_EQ(FieldText(record().colorProfileName), "Foto");
  EXPECT_EQ(int{record().colorPreset}, 4);
  EXPECT_EQ(int{record().colorModel}, 0);
  EXPECT_EQ(int{record().negativeImage}, 0);
  EXPECT_EQ(int{record().graphicsIntent}, 1);

  ASSERT_TRUE(ChooseComboEntryByKey(page, IDC_FEATURES_COLOR_CONFIG, "Presentazione"));
  EXPECT_EQ(FieldText(record().colorProfileName), "Presentazione");
  EXPECT_EQ(int{record().colorPreset}, 13);
}

TEST_F(FeaturesPageTest, LeavingAt1200DpiSwitchesTonerSavingOffAndAt600DpiDoesNot) {
  HWND page = OpenFeatures({IDD_ABOUT});
  record().tonerSave = 1;
  ASSERT_TRUE(ChooseComboEntry(page, IDC_FEATURES_RESOLUTION, "600 dpi"));
  ASSERT_TRUE(ShowPage(IDD_ABOUT));
  EXPECT_EQ(int{record().tonerSave}, 1);

  ASSERT_TRUE(ShowPage(IDD_FEATURES));
  ASSERT_TRUE(ChooseComboEntry(page, IDC_FEATURES_RESOLUTION, "1200 dpi"));
  EXPECT_EQ(int{record().tonerSave}, 1) << "not before leaving";
  ASSERT_TRUE(ShowPage(IDD_ABOUT)) << "leaving is always allowed";
  EXPECT_EQ(int{record().tonerSave}, 0);
}

TEST_F(FeaturesPageTest, OkOnThePageChecksTonerSavingToo) {
  HWND page = OpenFeatures();
  ASSERT_TRUE(ChooseComboEntry(page, IDC_FEATURES_RESOLUTION, "1200 dpi"));
  record().tonerSave = 1;
  EXPECT_TRUE(sheet->PressOk());
  EXPECT_EQ(int{record().tonerSave}, 0);
}

TEST_F(FeaturesPageTest, TheColourDialogOpensFromThePageWhichRefillsItsListWhateverTheEnd) {
  HWND page = OpenFeatures();
  RunFromFeatures(IDC_FEATURES_COLOR_OPTIONS, kAdvancedColorOptions, [&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_ADVCOLOR_CONFIG, "Serale"));
    ASSERT_TRUE(Click(dialog, IDC_ADVCOLOR_SAVE));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(StoredConfigs(page), std::vector<std::string>{"Serale"});
  EXPECT_EQ(int{record().colorPreset}, 1) << "Cancel put the configuration back";
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_COLOR_CONFIG), "Auto");

  RunFromFeatures(IDC_FEATURES_COLOR_OPTIONS, kAdvancedColorOptions, [&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_ADVCOLOR_CONFIG, "Serale"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_COLOR_CONFIG), "Serale");
  EXPECT_EQ(int{record().colorPreset}, 0);
}

TEST_F(FeaturesPageTest, EveryButtonOpensItsDialogWhoseGuidaOpensItsTopicAndCancelChangesNothing) {
  OpenFeatures();
  const struct {
    int button;
    const char* caption;
    int help;
    unsigned topic;
  } buttons[] = {{IDC_FEATURES_GRAPHICS_OPTIONS, kGraphicsOptions, IDC_GRAPHICS_HELP, 210},
                 {IDC_FEATURES_COLOR_OPTIONS, kAdvancedColorOptions, IDC_ADVCOLOR_HELP, 202},
                 {IDC_FEATURES_POSTSCRIPT_OPTIONS, kPostScriptOptions, IDC_POSTSCRIPT_HELP, 215},
                 {IDC_FEATURES_DOCUMENT_OPTIONS, kDocumentOptions, IDC_DOCOPTIONS_HELP, 207},
                 {IDC_FEATURES_DOCUMENT_PROFILES, kDocumentProfiles, IDC_DOCPROFILES_HELP, 205}};
  const SettingsBlock before = record();
  for (const auto& button : buttons) {
    SCOPED_TRACE(button.caption);
    const size_t calls = external.helpCalls.size();
    RunFromFeatures(button.button, button.caption, [&](HWND dialog) {
      EXPECT_TRUE(Click(dialog, button.help));
      EXPECT_TRUE(Click(dialog, IDCANCEL));
    });
    ASSERT_EQ(external.helpCalls.size(), calls + 1);
    EXPECT_EQ(external.helpCalls.back().command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(external.helpCalls.back().data, button.topic);
  }
  EXPECT_EQ(std::memcmp(&record(), &before, sizeof before), 0) << "Cancel everywhere changes nothing";
}

}  // namespace
}  // namespace psui::test
