#include "color/color_lists.h"

#include "color/color_profile_store.h"
#include "color/color_settings.h"
#include "color/resident_profiles.h"
#include "ui/app_state.h"
#include "ui/list_helpers.h"

namespace psui {

namespace {

// The length a name field cuts a description to.
constexpr size_t kCutNameLength = kProfileNameFieldSize - 1;

}  // namespace

void FillColorConfigList(const ComboBox& list) {
  SettingsBlock& record = TheApp().settings;
  list.ResetContent();
  for (const CodeRow* row = kBuiltInColorConfigNames; row->name; ++row) {
    const int index = list.InsertString(-1, row->name);
    if (index >= 0) list.SetItemData(index, row->code);
  }
  for (const std::string& name : UsableColorProfileNames(record)) {
    const int index = list.AddString(name.c_str());
    if (index >= 0) list.SetItemData(index, 0);
  }
  if (record.colorPreset != 0) {
    SelectListCode(list, record.colorPreset);
    return;
  }
  const std::string name(FieldText(record.colorProfileName));
  const int index = list.FindStringExact(-1, name.c_str());
  if (index >= 0) {
    list.SetCurSel(index);
  } else {
    record.colorPreset = 1;
    SelectListCode(list, 1);
  }
}

void FillResidentProfileList(const ComboBox& list, int kind) {
  for (const ResidentProfile& profile : ListResidentProfiles(TheApp().settings, kind)) {
    const int index = list.AddString(profile.description.c_str());
    if (index >= 0) list.SetItemData(index, kind);
  }
}

void DeleteResidentProfile(const ComboBox& list, int kind) {
  const int selected = list.CurSel();
  const std::string text = selected >= 0 ? list.ItemText(selected) : list.Text();
  if (DeleteResidentProfileNamed(TheApp().settings, text, kind)) {
    const int index = list.FindStringExact(-1, text.c_str());
    if (index >= 0) list.DeleteString(index);
  }
  list.SetCurSel(0);
}

int FindProfileEntry(const ComboBox& list, const std::string& name) {
  int index = list.FindStringExact(-1, name.c_str());
  if (index < 0 && name.size() == kCutNameLength) index = list.FindString(-1, name.c_str());
  return index;
}

}  // namespace psui
