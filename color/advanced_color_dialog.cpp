#include "color/advanced_color_dialog.h"

#include <cstdio>
#include <string>
#include <vector>

#include "color/color_lists.h"
#include "color/color_profile_store.h"
#include "color/color_summary.h"
#include "color/detailed_color_dialog.h"
#include "color/resident_profiles.h"
#include "exchange/kept_fields.h"
#include "ui/app_state.h"
#include "ui/context_help.h"
#include "ui/message_box.h"

namespace psui {

namespace {

// The most a typed profile name may hold: its field's length.
constexpr int kProfileNameLimit = static_cast<int>(kProfileNameFieldSize) - 1;

// The hidden lists in which the summary looks up the names in force.
const struct {
  int listId;
  int kind;
} kLookupLists[] = {
    {IDC_ADVCOLOR_RGB_SOURCE_LIST, kRgbSourceProfileKind},
    {IDC_ADVCOLOR_SIMULATION_LIST, kSimulationProfileKind},
    {IDC_ADVCOLOR_DESTINATION_LIST, kDestinationProfileKind},
};

std::string Formatted(const std::string& format, const std::string& name) {
  std::vector<char> text(format.size() + name.size() + 1);
  std::snprintf(text.data(), text.size(), format.c_str(), name.c_str());
  return text.data();
}

}  // namespace

bool CAdvancedColor::OnInitDialog() {
  Configs().LimitText(kProfileNameLimit);
  FillColorConfigList(Configs());
  Refresh();
  // After the refresh: its corrections of the summary are no change of the user's.
  snapshot_ = PackColorSettings(TheApp().settings);
  return true;
}

bool CAdvancedColor::OnCommand(int id, int code, HWND) {
  if (id == IDC_ADVCOLOR_CONFIG) {
    if (code != CBN_SELCHANGE) return false;
    OnConfigChosen();
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_ADVCOLOR_SAVE: OnSave(); return true;
    case IDC_ADVCOLOR_DELETE: OnDelete(); return true;
    case IDC_ADVCOLOR_MODIFY: OnModify(); return true;
    case IDC_ADVCOLOR_HELP: OpenHelpContext(hwnd_, IDD_ADVANCED_COLOR); return true;
    default: return false;
  }
}

void CAdvancedColor::Refresh() {
  SettingsBlock& record = TheApp().settings;
  Item(IDC_ADVCOLOR_HIDDEN_LINE).Show(false);
  bool inForce = true;
  if (record.colorPreset != 0) {
    ApplyBuiltInColorConfig(record);
  } else {
    // A stored profile that can no longer be read leaves the summary as it was.
    inForce = LoadColorProfile(record);
  }
  if (inForce) {
    BuildSummary();
    UpdateDeleteButton();
  }
  ApplyEnableRule();
}

void CAdvancedColor::BuildSummary() {
  SettingsBlock& record = TheApp().settings;
  for (const auto& lookup : kLookupLists) {
    Item<ComboBox>(lookup.listId).ResetContent();
    FillResidentProfileList(Item<ComboBox>(lookup.listId), lookup.kind);
  }
  auto line = [this](int id, int labelId, const std::string& value) {
    Item(id).SetText(LoadText(labelId) + " " + value);
  };
  line(IDC_ADVCOLOR_COLOR_MODEL, IDS_SUMMARY_COLOR_MODEL,
       LoadText(record.colorModel != 0 ? IDS_COLOR_MODEL_BLACK_WHITE : IDS_COLOR_MODEL_COLOR));
  line(IDC_ADVCOLOR_HALFTONE, IDS_SUMMARY_HALFTONE,
       LoadText(HalftoneSummaryId(record.graphicsHalftone, record.imageHalftone)));

  const std::string rgbName(FieldText(record.rgbSourceProfileName));
  std::string rgbValue;
  if (record.rgbSourceMode != 0 && rgbName != kNoProfileName) {
    // An unregistered custom source shows nothing after the label.
    if (!rgbName.empty() && FindProfileEntry(Item<ComboBox>(IDC_ADVCOLOR_RGB_SOURCE_LIST), rgbName) >= 0) {
      rgbValue = rgbName;
    }
  } else {
    record.rgbSourceMode = 0;
    rgbValue = LoadText(RgbSourceSummaryId(record.graphicsIntent, record.imageIntent, record.graphicsHalftone));
  }
  line(IDC_ADVCOLOR_RGB_SOURCE, IDS_SUMMARY_RGB_SOURCE, rgbValue);
  line(IDC_ADVCOLOR_PROCESS_GRAY, IDS_SUMMARY_PROCESS_GRAY,
       LoadText(ProcessGraySummaryId(record.graphicsProcessGray, record.imageProcessGray)));

  // A simulation or destination profile that is not registered is no profile.
  auto profileValue = [&](int listId, char* field) {
    const std::string name(FieldText(field, kProfileNameFieldSize));
    if (!name.empty() && FindProfileEntry(Item<ComboBox>(listId), name) >= 0) return name;
    SetFieldText(field, kProfileNameFieldSize, kNoProfileName);
    return LoadText(IDS_NONE);
  };
  line(IDC_ADVCOLOR_SIMULATION, IDS_SUMMARY_SIMULATION,
       profileValue(IDC_ADVCOLOR_SIMULATION_LIST, record.simulationProfileName));
  line(IDC_ADVCOLOR_DESTINATION, IDS_SUMMARY_DESTINATION,
       profileValue(IDC_ADVCOLOR_DESTINATION_LIST, record.destinationProfileName));
}

void CAdvancedColor::SelectWholeText() { Configs().Send(CB_SETEDITSEL, 0, MAKELPARAM(0, -1)); }

// Built-in configurations cannot be deleted.
void CAdvancedColor::UpdateDeleteButton() {
  SelectWholeText();
  int entry = Configs().CurSel();
  if (entry < 0) entry = Configs().FindStringExact(-1, Configs().Text().c_str());
  const bool builtIn = entry >= 0 && IsBuiltInColorConfig(static_cast<int>(Configs().ItemData(entry)));
  Item(IDC_ADVCOLOR_DELETE).Enable(!builtIn);
}

void CAdvancedColor::ApplyEnableRule() {
  const SettingsBlock& record = TheApp().settings;
  const bool colour = record.colorModel == 0;
  for (int id : {IDC_ADVCOLOR_HALFTONE, IDC_ADVCOLOR_RGB_SOURCE, IDC_ADVCOLOR_PROCESS_GRAY}) {
    Item(id).Enable(colour);
  }
  for (int id : {IDC_ADVCOLOR_SIMULATION, IDC_ADVCOLOR_DESTINATION}) {
    Item(id).Enable(colour && record.hardDiskInstalled != 0);
  }
}

void CAdvancedColor::OnConfigChosen() {
  SettingsBlock& record = TheApp().settings;
  const int selected = Configs().CurSel();
  if (selected < 0) return;
  SetFieldText(record.colorProfileName, Configs().ItemText(selected));
  record.colorPreset = static_cast<int16_t>(Configs().ItemData(selected));
  Refresh();
  snapshot_ = PackColorSettings(record);
}

int CAdvancedColor::AppendStoredName(const std::string& name) {
  const int index = Configs().AddString(name.c_str());
  if (index < 0) return -1;
  if (Configs().Send(CB_SETITEMDATA, index, 0) == CB_ERR) return -1;
  return index;
}

void CAdvancedColor::StoreAsInForce(const std::string& name) {
  SettingsBlock& record = TheApp().settings;
  SetFieldText(record.colorProfileName, name);
  record.colorPreset = 0;
  SaveColorProfile(record);
  snapshot_ = PackColorSettings(record);
}

void CAdvancedColor::OnSave() {
  SelectWholeText();
  const int selected = Configs().CurSel();
  const std::string typed = selected >= 0 ? Configs().ItemText(selected) : Configs().Text();
  const int entry = selected >= 0 ? selected : Configs().FindStringExact(-1, typed.c_str());
  const std::string caption = LoadText(IDS_COLOR_NAME_CAPTION);
  if (entry >= 0 && IsBuiltInColorConfig(static_cast<int>(Configs().ItemData(entry)))) {
    ShowMessage(LoadText(IDS_COLOR_NAME_BUILT_IN), MB_OK | MB_ICONEXCLAMATION, caption.c_str(), hwnd_);
    return;
  }
  // The name the profile would get; colorProfileName changes only when it is stored.
  const std::string name = typed.substr(0, kProfileNameLimit);
  if (name.empty()) {
    ShowMessage(LoadText(IDS_COLOR_NAME_BLANK), MB_OK | MB_ICONEXCLAMATION, caption.c_str(), hwnd_);
  } else if (name.find('\\') != std::string::npos) {
    ShowMessage(LoadText(IDS_COLOR_NAME_BACKSLASH), MB_OK | MB_ICONEXCLAMATION, caption.c_str(), hwnd_);
  } else if (Configs().FindStringExact(-1, name.c_str()) < 0) {
    const int index = AppendStoredName(name);
    if (index >= 0) {
      Configs().SetCurSel(index);
      StoreAsInForce(name);
    }
  } else if (ShowMessage(Formatted(LoadText(IDS_COLOR_OVERWRITE), name), MB_YESNO | MB_ICONQUESTION,
                         LoadText(IDS_COLOR_OVERWRITE_CAPTION).c_str(), hwnd_) == IDYES) {
    StoreAsInForce(name);
  }
  FillColorConfigList(Configs());
}

void CAdvancedColor::OnDelete() {
  SettingsBlock& record = TheApp().settings;
  const std::string name(FieldText(record.colorProfileName));
  if (DeleteColorProfile(record, name)) {
    // Only a stored profile's entry: a built-in entry of the same name stays.
    for (int i = 0; i < Configs().Count(); ++i) {
      if (Configs().ItemData(i) == 0 && lstrcmpiA(Configs().ItemText(i).c_str(), name.c_str()) == 0) {
        Configs().DeleteString(i);
        break;
      }
    }
  }
  Configs().SetCurSel(0);
  OnConfigChosen();
}

void CAdvancedColor::OnModify() {
  // The dialog's own copy: Cancel there undoes only what was done there,
  // and the snapshot still tells OK what the user changed since choosing.
  KeptFields kept(TheApp().settings, {kColorGroup});
  CDetailedColor detailed;
  if (kept.RestoreUnlessOk(detailed.DoModal(hwnd_)) == IDOK) BuildSummary();
  ApplyEnableRule();
}

void CAdvancedColor::OnOK() {
  SettingsBlock& record = TheApp().settings;
  if (!SameColorChoice(PackColorSettings(record), snapshot_)) {
    const std::string personal = LoadText(IDS_COLOR_PERSONAL);
    int index = Configs().FindStringExact(-1, personal.c_str());
    if (index < 0) index = AppendStoredName(personal);
    if (index >= 0) Configs().SetCurSel(index);
    // Overwrites an earlier "Personale" without asking.
    SetFieldText(record.colorProfileName, personal);
    record.colorPreset = 0;
    SaveColorProfile(record);
  }
  EndDialog(IDOK);
}

INT_PTR RunAdvancedColorOptions(HWND owner) {
  SettingsBlock& record = TheApp().settings;
  if (record.colorPreset == 0) LoadColorProfile(record);
  KeptFields kept(record, {kColorGroup});
  CAdvancedColor dialog;
  return static_cast<INT_PTR>(kept.RestoreUnlessOk(dialog.DoModal(owner)));
}

}  // namespace psui
