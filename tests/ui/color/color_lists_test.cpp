// The colour list helpers on real combo boxes (the sorted kind the Features
// page uses) and the download utility launcher in each registry state.
#include "color/color_lists.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "color/download_utility.h"
#include "tests/ui/color/color_dialog_test.h"

namespace psui::test {
namespace {

class ColorListsTest : public ColorDialogTest {
 protected:
  std::vector<std::string> Items() const { return list_.Items(); }
  std::string Selection() const { return list_.Selection(); }

  SortedList list_;
  const ComboBox& sorted = list_.combo;
};

TEST_F(ColorListsTest, BuiltInsKeepTheirOrderInASortedListAndStoredNamesAreSorted) {
  StoreProfile("Zeta");
  StoreProfile("Alfa");
  StoreProfile("Medio");
  FillColorConfigList(sorted);
  std::vector<std::string> items = Items();
  ASSERT_EQ(items.size(), 9u);
  std::vector<std::string> builtIns, stored;
  for (size_t i = 0; i < items.size(); ++i) {
    (sorted.ItemData(static_cast<int>(i)) == 0 ? stored : builtIns).push_back(items[i]);
  }
  EXPECT_EQ(builtIns, (std::vector<std::string>{"Auto", "Presentazione", "Foto", "sRGB", "ICM", "Nessuno"}));
  EXPECT_EQ(stored, (std::vector<std::string>{"Alfa", "Medio", "Zeta"}));
  EXPECT_EQ(Selection(), "Auto");
}

TEST_F(ColorListsTest, ABuiltInPresetSelectsByCodeWhateverTheName) {
  record().colorPreset = 13;
  SetFieldText(record().colorProfileName, "Foto");
  FillColorConfigList(sorted);
  EXPECT_EQ(Selection(), "Presentazione");
  EXPECT_EQ(int{record().colorPreset}, 13);
}

TEST_F(ColorListsTest, AStoredProfileIsSelectedByNameIgnoringCase) {
  StoreProfile("Ufficio");
  UseStored("UFFICIO");
  FillColorConfigList(sorted);
  EXPECT_EQ(Selection(), "Ufficio");
  EXPECT_EQ(int{record().colorPreset}, 0);
}

TEST_F(ColorListsTest, AProfileNameNotListedSelectsAutoWithoutApplyingIt) {
  StoreProfile("Con destinazione", [](SettingsBlock& r) { SetFieldText(r.destinationProfileName, "Lucida"); });
  record().hardDiskInstalled = 0;  // the stored profile is hidden now
  UseStored("Con destinazione");
  record().graphicsHalftone = 0;
  FillColorConfigList(sorted);
  EXPECT_EQ(Selection(), "Auto");
  EXPECT_EQ(int{record().colorPreset}, 1);
  EXPECT_EQ(int{record().graphicsHalftone}, 0) << "not applied";
  const std::vector<std::string> items = Items();
  EXPECT_EQ(std::count(items.begin(), items.end(), "Con destinazione"), 0);
}

class DownloadUtilityTest : public ColorDialogTest {
 protected:
  DownloadUtilityTest() {
    DeleteAfterTest(platform::RegistryRoot::kLocalMachine, kDownloadUtilityKey);
    DeleteAfterTest(platform::RegistryRoot::kLocalMachine, kOlderDownloadUtilityKey);
  }
  void Install(const char* keyPath, const char* path) {
    platform::RegistryKey key;
    ASSERT_EQ(platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, keyPath, key), 0u);
    ASSERT_EQ(key.WriteString("", path), 0u);
  }
};

TEST_F(DownloadUtilityTest, WithNeitherUtilityTheUserIsToldAndNothingStarts) {
  SortedList other;  // a window of the program: the task-modal box disables it
  responder.ExpectMessageBox("Impossibile avviare Gestione scaricamento.\nInstallare o reinstallare l'utility.",
                             IDOK, [&](HWND) { EXPECT_FALSE(IsWindowEnabled(GetParent(other.combo.hwnd()))); });
  LaunchDownloadUtility(kDownloadOverlays);
  EXPECT_EQ(responder.boxes().back().caption, "Error");
  EXPECT_TRUE(external.execCalls.empty());
  ASSERT_EQ(responder.boxes().size(), 1u);
  EXPECT_EQ(responder.boxes()[0].owner, nullptr);
}

TEST_F(DownloadUtilityTest, TheOlderUtilityStartsWithoutTheArgument) {
  Install(kOlderDownloadUtilityKey, "C:\\Vecchia\\ZPXProDw.exe");
  LaunchDownloadUtility(kDownloadFonts);
  ASSERT_EQ(external.execCalls.size(), 1u);
  EXPECT_EQ(external.execCalls[0].commandLine, "C:\\Vecchia\\ZPXProDw.exe");
  EXPECT_EQ(external.execCalls[0].show, static_cast<UINT>(SW_SHOW));
}

TEST_F(DownloadUtilityTest, TheFirstUtilityStartsWithTheArgumentAndItsResultIsNotChecked) {
  Install(kDownloadUtilityKey, "C:\\Nuova\\DAVoduDo.exe");
  Install(kOlderDownloadUtilityKey, "C:\\Vecchia\\ZPXProDw.exe");
  external.execResult = 2;  // "file not found": no message follows
  LaunchDownloadUtility(kDownloadOverlays);
  ASSERT_EQ(external.execCalls.size(), 1u);
  EXPECT_EQ(external.execCalls[0].commandLine, "C:\\Nuova\\DAVoduDo.exe 1");
  EXPECT_TRUE(responder.boxes().empty());
}

}  // namespace
}  // namespace psui::test
