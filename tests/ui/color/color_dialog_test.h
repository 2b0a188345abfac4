// What the colour dialog tests start from: the application with the sample
// colour PPD, the hard disk installed and "Auto" in force; the printer's
// colour stores (under its registry key, deleted before and after) seeded
// through the stores' own calls.
#pragma once

#include <string>
#include <vector>

#include "color/color_profile_store.h"
#include "color/color_settings.h"
#include "color/resident_profiles.h"
#include "exchange/code_tables.h"
#include "resources/resource.h"
#include "tests/ui/harness/page_fixture.h"
#include "tests/ui/harness/ui_actions.h"

namespace psui::test {

constexpr char kAdvancedColor[] = "Opzioni avanzate colore";
constexpr char kDetailedColor[] = "Impostazioni dettagliate colore";
constexpr char kPrinterProfile[] = "Gestione profilo stampante";

// A sorted drop-down list of no dialog: the Features page's colour list, or
// the detailed dialog's profile list of a kind.
class SortedList {
 public:
  SortedList() {
    holder_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    combo = ComboBox(CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 150, 100,
                                     holder_, nullptr, GetModuleHandleA(nullptr), nullptr));
  }
  ~SortedList() { DestroyWindow(holder_); }
  SortedList(const SortedList&) = delete;
  SortedList& operator=(const SortedList&) = delete;

  std::vector<std::string> Items() const {
    std::vector<std::string> items;
    for (int i = 0; i < combo.Count(); ++i) items.push_back(combo.ItemText(i));
    return items;
  }
  std::string Selection() const { return combo.CurSel() < 0 ? "" : combo.ItemText(combo.CurSel()); }

  ComboBox combo;

 private:
  HWND holder_ = nullptr;
};

class ColorDialogTest : public PageTest {
 protected:
  ColorDialogTest() {
    EXPECT_TRUE(UsePpdFile(SourceFile("samples/psui-color.ppd")));
    record().hardDiskInstalled = 1;
    record().colorDevice = 1;
    UseBuiltIn(1);
  }

  // Puts a built-in configuration in force, as choosing it does.
  void UseBuiltIn(int code) {
    record().colorPreset = static_cast<int16_t>(code);
    SetFieldText(record().colorProfileName, CodeNameFor(kBuiltInColorConfigNames, code));
    ApplyBuiltInColorConfig(record());
  }

  // Stores the settings in force, changed by `change`, as profile `name`;
  // the record itself stays as it was.
  template <typename Change>
  void StoreProfile(const std::string& name, Change change) {
    const SettingsBlock kept = record();
    record().colorPreset = 0;
    SetFieldText(record().colorProfileName, name);
    change(record());
    ASSERT_TRUE(SaveColorProfile(record()));
    record() = kept;
  }
  void StoreProfile(const std::string& name) {
    StoreProfile(name, [](SettingsBlock&) {});
  }
  // Makes a stored profile the configuration in force.
  void UseStored(const std::string& name) {
    record().colorPreset = 0;
    SetFieldText(record().colorProfileName, name);
  }

  void Register(int kind, const std::string& description, int location = 0,
                const std::string& fileName = "PROFILO.ICC") {
    ResidentProfile profile;
    profile.description = description;
    profile.fileName = fileName;
    profile.location = location;
    ASSERT_TRUE(AddResidentProfile(record(), profile, kind));
  }

  bool IsStored(const std::string& name) {
    ColorSettingsRecord profile;
    return ReadColorProfile(record(), name, &profile);
  }
  ColorSettingsRecord Stored(const std::string& name) {
    ColorSettingsRecord profile{};
    EXPECT_TRUE(ReadColorProfile(record(), name, &profile)) << name;
    return profile;
  }
  std::vector<std::string> Registered(int kind) {
    std::vector<std::string> names;
    for (const ResidentProfile& profile : ListResidentProfiles(record(), kind)) {
      names.push_back(profile.description);
    }
    return names;
  }

  // Runs a dialog modally with `script` answering it inside its loop.
  template <typename DialogClass>
  INT_PTR RunModal(const char* caption, DialogClass& dialog, ModalResponder::Action script) {
    responder.ExpectDialog(caption, std::move(script));
    return dialog.DoModal(nullptr);
  }

  std::string Name(const char* field) { return std::string(FieldText(field, kProfileNameFieldSize)); }
  std::vector<uint8_t> ColorGroup() {
    const uint8_t* bytes = GroupBytes(record(), kColorGroup);
    return std::vector<uint8_t>(bytes, bytes + kColorGroup.size);
  }
};

}  // namespace psui::test
