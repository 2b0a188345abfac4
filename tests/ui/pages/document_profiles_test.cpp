// The document profiles dialog (205) opened by the Features page's button,
// on the real registry: profiles saved, chosen, applied and deleted.
#include "pages/document_profiles_dialog.h"

#include <gtest/gtest.h>

#include <cstring>

#include "color/color_profile_store.h"
#include "pages/document_profile.h"
#include "pages/watermark_profiles.h"
#include "tests/ui/pages/features_test.h"

namespace psui::test {
namespace {

class DocumentProfilesTest : public FeaturesTest {
 protected:
  DocumentProfilesTest() {
    record().copies = 3;
    record().orientation = 2;
    SetFieldText(record().emailAddress, "ufficio@stampanti.example");
  }
  void Run(ModalResponder::Action script) {
    if (!sheet) OpenFeatures();
    RunFromFeatures(IDC_FEATURES_DOCUMENT_PROFILES, kDocumentProfiles, std::move(script));
  }
  // Stores the current settings, changed by `change`, as profile `name`;
  // the record stays as it was.
  template <typename Change>
  void StoreProfile(const std::string& name, Change change) {
    const SettingsBlock kept = record();
    change(record());
    ASSERT_TRUE(SaveDocumentProfile(record(), name));
    record() = kept;
  }
  std::vector<uint8_t> Packed() {
    const DocumentProfileRecord profile = PackDocumentProfile(record());
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&profile);
    return std::vector<uint8_t>(bytes, bytes + sizeof profile);
  }
  std::string Store() { return DocumentProfileKeyPath(record()); }
  std::string Name() { return std::string(FieldText(record().documentProfileName)); }
  bool IsStored(const std::string& name) {
    DocumentProfileRecord profile;
    return ReadDocumentProfile(record(), name, &profile);
  }
  void ExpectButtons(HWND dialog, bool enabled) {
    EXPECT_EQ(IsEnabled(dialog, IDC_DOCPROFILES_SAVE), enabled);
    EXPECT_EQ(IsEnabled(dialog, IDC_DOCPROFILES_DELETE), enabled);
  }
};

TEST_F(DocumentProfilesTest, WithNothingStoredOnlyATypedNameEnablesTheButtons) {
  Run([&](HWND dialog) {
    EXPECT_EQ(ComboItems(dialog, IDC_DOCPROFILES_NAME), std::vector<std::string>{"Nessuno"});
    EXPECT_EQ(ComboSelection(dialog, IDC_DOCPROFILES_NAME), "Nessuno");
    ExpectButtons(dialog, false);
    ASSERT_TRUE(Type(dialog, IDC_DOCPROFILES_NAME, "Lettere"));
    ExpectButtons(dialog, true);
    ASSERT_TRUE(Type(dialog, IDC_DOCPROFILES_NAME, "NESSUNO"));
    ExpectButtons(dialog, false);
    ASSERT_TRUE(Type(dialog, IDC_DOCPROFILES_NAME, ""));
    ExpectButtons(dialog, false);
    ASSERT_TRUE(Type(dialog, IDC_DOCPROFILES_NAME, std::string(40, 'x')));
    EXPECT_EQ(Text(dialog, IDC_DOCPROFILES_NAME), std::string(31, 'x')) << "31 characters at most";
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_TRUE(DocumentProfileNames(record()).empty());
}

TEST_F(DocumentProfilesTest, SaveStoresTheCurrentSettingsAndOverwritesWithoutAsking) {
  Run([&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_DOCPROFILES_NAME, "Lettere"));
    ASSERT_TRUE(Click(dialog, IDC_DOCPROFILES_SAVE));
    EXPECT_TRUE(RegistryValueIs(Store(), "Lettere", platform::kRegBinary, Packed()));
    EXPECT_EQ(ComboItems(dialog, IDC_DOCPROFILES_NAME), (std::vector<std::string>{"Lettere", "Nessuno"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_DOCPROFILES_NAME), "Lettere");
    EXPECT_EQ(Name(), "Lettere");
    ExpectButtons(dialog, true);

    record().copies = 8;  // as another dialog would have left it
    ASSERT_TRUE(Click(dialog, IDC_DOCPROFILES_SAVE));
    EXPECT_TRUE(RegistryBytesAre(Store(), "Lettere", Packed()));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_TRUE(responder.boxes().empty()) << "no question before overwriting";
  EXPECT_EQ(Name(), "Nessuno") << "Cancel puts the name back";
  EXPECT_TRUE(IsStored("Lettere")) << "what was saved stays saved";
}

TEST_F(DocumentProfilesTest, ChoosingAnEntryNamesItWithoutApplyingIt) {
  StoreProfile("Alfa", [](SettingsBlock& r) { r.copies = 40; });
  StoreProfile("Beta", [](SettingsBlock& r) { r.copies = 50; });
  Run([&](HWND dialog) {
    EXPECT_EQ(ComboItems(dialog, IDC_DOCPROFILES_NAME), (std::vector<std::string>{"Alfa", "Beta", "Nessuno"}));
    ExpectButtons(dialog, false);  // the name in force is "Nessuno"
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DOCPROFILES_NAME, "Beta"));
    EXPECT_EQ(Name(), "Beta") << "the entry's text, not the old edit text";
    EXPECT_EQ(ComboSelection(dialog, IDC_DOCPROFILES_NAME), "Beta");
    EXPECT_EQ(int{record().copies}, 3) << "choosing applies nothing";
    ExpectButtons(dialog, true);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(Name(), "Nessuno");
}

TEST_F(DocumentProfilesTest, OkAppliesAStoredProfileAndThePageShowsIt) {
  StoreProfile("Bozze", [](SettingsBlock& r) {
    r.copies = 40;
    r.resolution = 3;
    r.resolutionDpi = 1200;
    r.colorPreset = 0;
    SetFieldText(r.colorProfileName, "Brochure");
    r.graphicsHalftone = 1;
    r.fontSubstitution = 0;
  });
  HWND page = OpenFeatures();
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_RESOLUTION), "600 dpi");
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DOCPROFILES_NAME, "Bozze"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Name(), "Bozze");
  EXPECT_EQ(int{record().copies}, 40);
  EXPECT_EQ(int{record().fontSubstitution}, 0) << "font handling travels with the profile";
  EXPECT_EQ(FieldText(record().emailAddress), "ufficio@stampanti.example");
  // The colour profile the applied profile names now exists in its store.
  ColorSettingsRecord colors;
  ASSERT_TRUE(ReadColorProfile(record(), "Brochure", &colors));
  EXPECT_EQ(int{colors.graphicsHalftone}, 1);
  // The page ran its activation steps again.
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_RESOLUTION), "1200 dpi");
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_COLOR_CONFIG), "Brochure");
}

TEST_F(DocumentProfilesTest, OkStoresTheWatermarkInForceUnderItsNameNessunoIncluded) {
  StoreProfile("Riservati", [](SettingsBlock& r) {
    SetFieldText(r.watermarkName, "Riservato");
    SetFieldText(r.watermarkText, "USO INTERNO");
    r.watermarkCode = 8;
    r.watermarkSize = 96;
  });
  auto watermarkStored = [&]() {
    const WatermarkSettingsRecord group = PackWatermarkSettings(record());
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&group);
    return RegistryValueIs(WatermarkProfileKeyPath(record()), std::string(FieldText(record().watermarkName)),
                           platform::kRegBinary, std::vector<uint8_t>(bytes, bytes + sizeof group));
  };
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DOCPROFILES_NAME, "Riservati"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(FieldText(record().watermarkText), "USO INTERNO");
  EXPECT_EQ(int{record().watermarkSize}, 96);
  EXPECT_TRUE(watermarkStored()) << "the applied profile's watermark exists in its store";

  SetFieldText(record().watermarkName, "Nessuno");
  Run([&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_DOCPROFILES_NAME, "Nessuno"));  // applies nothing
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_TRUE(watermarkStored()) << "\"Nessuno\" is a name like any other";
}

TEST_F(DocumentProfilesTest, OkWithANewNameStoresTheSettingsAndKeepsThem) {
  const SettingsBlock before = record();
  Run([&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_DOCPROFILES_NAME, "Nuovo"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Name(), "Nuovo");
  EXPECT_TRUE(RegistryBytesAre(Store(), "Nuovo", Packed()));
  EXPECT_EQ(int{record().copies}, int{before.copies});
}

TEST_F(DocumentProfilesTest, OkWithNessunoInCapitalsAppliesNothingAndKeepsTheTypedName) {
  StoreProfile("Nessuno", [](SettingsBlock& r) { r.copies = 77; });
  Run([&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_DOCPROFILES_NAME, "NESSUNO"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Name(), "NESSUNO");
  EXPECT_EQ(int{record().copies}, 3);
}

TEST_F(DocumentProfilesTest, DeletingTheLastProfileLeavesNessuno) {
  StoreProfile("Lettere", [](SettingsBlock&) {});
  SetFieldText(record().documentProfileName, "Lettere");
  Run([&](HWND dialog) {
    EXPECT_EQ(ComboSelection(dialog, IDC_DOCPROFILES_NAME), "Lettere");
    ExpectButtons(dialog, true);
    ASSERT_TRUE(Click(dialog, IDC_DOCPROFILES_DELETE));
    EXPECT_EQ(ComboItems(dialog, IDC_DOCPROFILES_NAME), std::vector<std::string>{"Nessuno"});
    EXPECT_EQ(ComboSelection(dialog, IDC_DOCPROFILES_NAME), "Nessuno");
    EXPECT_EQ(Name(), "Nessuno");
    ExpectButtons(dialog, false);
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_FALSE(IsStored("Lettere"));
  EXPECT_EQ(Name(), "Nessuno");
}

TEST_F(DocumentProfilesTest, DeleteMakesTheFirstSortedEntryTheNameWhichOkApplies) {
  StoreProfile("Alfa", [](SettingsBlock& r) { r.copies = 40; });
  StoreProfile("Beta", [](SettingsBlock& r) { r.copies = 50; });
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DOCPROFILES_NAME, "Beta"));
    ASSERT_TRUE(Click(dialog, IDC_DOCPROFILES_DELETE));
    EXPECT_EQ(ComboItems(dialog, IDC_DOCPROFILES_NAME), (std::vector<std::string>{"Alfa", "Nessuno"}));
    EXPECT_EQ(Name(), "Alfa") << "\"Alfa\" sorts before \"Nessuno\"";
    EXPECT_EQ(ComboSelection(dialog, IDC_DOCPROFILES_NAME), "Alfa");

    // A name nothing is stored under: nothing is deleted, the first entry
    // is still taken.
    ASSERT_TRUE(Type(dialog, IDC_DOCPROFILES_NAME, "Zeta"));
    ASSERT_TRUE(Click(dialog, IDC_DOCPROFILES_DELETE));
    EXPECT_EQ(Name(), "Alfa");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_FALSE(IsStored("Beta"));
  EXPECT_EQ(int{record().copies}, 40) << "\"Alfa\" applied";
}

TEST_F(DocumentProfilesTest, AValueOfAnotherSizeIsListedNeverAppliedAndOkStoresOverIt) {
  {
    platform::RegistryKey key;
    ASSERT_EQ(platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, Store(), key), 0u);
    const std::vector<uint8_t> shorter(600, 0xFF);
    ASSERT_EQ(key.WriteBinary("Rotto", shorter.data(), shorter.size()), 0u);
  }
  const SettingsBlock before = record();
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DOCPROFILES_NAME, "Rotto"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  SettingsBlock expected = before;
  SetFieldText(expected.documentProfileName, "Rotto");
  EXPECT_EQ(std::memcmp(&record(), &expected, sizeof expected), 0) << "nothing unpacked";
  EXPECT_TRUE(RegistryBytesAre(Store(), "Rotto", Packed()));
}

TEST_F(DocumentProfilesTest, CancelPutsTheRecordAndTheNameBack) {
  StoreProfile("Bozze", [](SettingsBlock& r) { r.copies = 40; });
  const SettingsBlock before = record();
  Run([&](HWND dialog) {
    ASSERT_TRUE(ChooseComboEntry(dialog, IDC_DOCPROFILES_NAME, "Bozze"));
    // What OK would do, then Cancel: the page undoes it all.
    ASSERT_TRUE(ApplyOrSaveDocumentProfile(record(), "Bozze") == ProfileChoice::kApplied);
    EXPECT_EQ(int{record().copies}, 40);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(std::memcmp(&record(), &before, sizeof before), 0);
}

}  // namespace
}  // namespace psui::test
