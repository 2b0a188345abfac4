#include "color/detailed_color_dialog.h"

#include "color/color_lists.h"
#include "color/color_settings.h"
#include "color/download_utility.h"
#include "color/printer_profile_dialog.h"
#include "color/resident_profiles.h"
#include "ui/app_state.h"
#include "ui/context_help.h"
#include "ui/list_helpers.h"
#include "ui/message_box.h"

namespace psui {

namespace {

struct ProfileList {
  int listId;
  int kind;
  int manageId;
};

// The three profile lists, their kinds and their management buttons.
const ProfileList kProfileLists[] = {
    {IDC_DETCOLOR_RGB_SOURCE, kRgbSourceProfileKind, IDC_DETCOLOR_RGB_SOURCE_MANAGE},
    {IDC_DETCOLOR_SIMULATION, kSimulationProfileKind, IDC_DETCOLOR_SIMULATION_MANAGE},
    {IDC_DETCOLOR_DESTINATION, kDestinationProfileKind, IDC_DETCOLOR_DESTINATION_MANAGE},
};

const ProfileList* ProfileListFor(int id) {
  for (const ProfileList& list : kProfileLists) {
    if (list.listId == id || list.manageId == id) return &list;
  }
  return nullptr;
}

// Controls that need a printer-resident profile, hence the hard disk.
const int kDiskControls[] = {
    IDC_DETCOLOR_RGB_CUSTOM,        IDC_DETCOLOR_RGB_SOURCE,         IDC_DETCOLOR_RGB_SOURCE_MANAGE,
    IDC_DETCOLOR_SIMULATION_LABEL,  IDC_DETCOLOR_SIMULATION,         IDC_DETCOLOR_SIMULATION_MANAGE,
    IDC_DETCOLOR_DESTINATION_LABEL, IDC_DETCOLOR_DESTINATION,        IDC_DETCOLOR_DESTINATION_MANAGE,
};

// Controls that only mean something in colour.
const int kColourControls[] = {
    IDC_DETCOLOR_RGB_DEFAULT,   IDC_DETCOLOR_GRAY_LABEL,    IDC_DETCOLOR_GRAPHICS_INTENT,
    IDC_DETCOLOR_IMAGE_INTENT,  IDC_DETCOLOR_GRAPHICS_GRAY, IDC_DETCOLOR_IMAGE_GRAY,
};

int16_t ListCode(const ComboBox& list) { return static_cast<int16_t>(SelectedListCode(list)); }

}  // namespace

bool CDetailedColor::OnInitDialog() {
  SettingsBlock& record = TheApp().settings;
  FillPpdLists();
  if (FieldIsEmpty(record.rgbSourceProfileName)) SetFieldText(record.rgbSourceProfileName, kNoProfileName);
  if (FieldIsEmpty(record.simulationProfileName)) {
    SetFieldText(record.simulationProfileName, kNoProfileName);
  }
  FillProfileList(IDC_DETCOLOR_RGB_SOURCE, kRgbSourceProfileKind, record.rgbSourceProfileName);
  FillProfileList(IDC_DETCOLOR_SIMULATION, kSimulationProfileKind, record.simulationProfileName);
  FillProfileList(IDC_DETCOLOR_DESTINATION, kDestinationProfileKind, record.destinationProfileName);

  Item<Button>(IDC_DETCOLOR_COLOR).SetCheck(record.colorModel == 0);
  Item<Button>(IDC_DETCOLOR_BLACK_WHITE).SetCheck(record.colorModel == 1);
  // Without the hard disk there is no resident profile to take the RGB source from.
  if (!record.hardDiskInstalled) record.rgbSourceMode = 0;
  Item<Button>(IDC_DETCOLOR_RGB_DEFAULT).SetCheck(record.rgbSourceMode == 0);
  Item<Button>(IDC_DETCOLOR_RGB_CUSTOM).SetCheck(record.rgbSourceMode == 1);
  ApplyEnableRule(record.colorModel == 0);
  return true;
}

void CDetailedColor::FillPpdLists() {
  const SettingsBlock& record = TheApp().settings;
  const struct {
    int listId;
    const char* keyword;
    const CodeRow* table;
    int current;
  } lists[] = {
      {IDC_DETCOLOR_GRAPHICS_HALFTONE, "GraphicsHalftone", kHalftoneCodes, record.graphicsHalftone},
      {IDC_DETCOLOR_IMAGE_HALFTONE, "ImageHalftone", kHalftoneCodes, record.imageHalftone},
      {IDC_DETCOLOR_GRAPHICS_INTENT, "GraphicsIntent", kIntentCodes, record.graphicsIntent},
      {IDC_DETCOLOR_IMAGE_INTENT, "ImageIntent", kIntentCodes, record.imageIntent},
      {IDC_DETCOLOR_GRAPHICS_GRAY, "GraphicsProcessGray", kProcessGrayCodes, record.graphicsProcessGray},
      {IDC_DETCOLOR_IMAGE_GRAY, "ImageProcessGray", kProcessGrayCodes, record.imageProcessGray},
  };
  for (const auto& list : lists) {
    List(list.listId).ResetContent();
    FillListFromPpd(List(list.listId), list.keyword, list.table, list.current);
  }
}

void CDetailedColor::FillProfileList(int listId, int kind, const char* name) {
  const ComboBox list = List(listId);
  list.ResetContent();
  FillResidentProfileList(list, kind);
  // "Nessuno" takes its sorted place among the descriptions.
  const int none = list.AddString(LoadText(IDS_NONE).c_str());
  if (none >= 0) list.SetItemData(none, 0);
  const int index = FindProfileEntry(list, std::string(FieldText(name, kProfileNameFieldSize)));
  if (index >= 0) {
    list.SetCurSel(index);
  } else {
    SelectListCode(list, 0);
  }
}

void CDetailedColor::ApplyEnableRule(bool colour) {
  const SettingsBlock& record = TheApp().settings;
  for (int id : kColourControls) Item(id).Enable(colour);
  if (!record.hardDiskInstalled) {
    for (int id : kDiskControls) Item(id).Enable(false);
    Item(IDC_DETCOLOR_DOWNLOAD_MANAGER).Enable(false);
  } else {
    for (int id : kDiskControls) Item(id).Enable(colour);
  }
  if (colour) ShowRgbSourceMode(record.rgbSourceMode);
}

// Predefined settings use the two rendering lists; a custom source uses the
// profile list and its management button.
void CDetailedColor::ShowRgbSourceMode(int mode) {
  const bool custom = mode == 1;
  Item(IDC_DETCOLOR_RGB_SOURCE).Enable(custom);
  Item(IDC_DETCOLOR_RGB_SOURCE_MANAGE).Enable(custom);
  Item(IDC_DETCOLOR_GRAPHICS_INTENT).Enable(!custom);
  Item(IDC_DETCOLOR_IMAGE_INTENT).Enable(!custom);
}

bool CDetailedColor::OnCommand(int id, int code, HWND) {
  SettingsBlock& record = TheApp().settings;
  if (code == BN_CLICKED) {
    switch (id) {
      case IDC_DETCOLOR_COLOR:
        record.colorModel = 0;
        ApplyEnableRule(true);
        return true;
      case IDC_DETCOLOR_BLACK_WHITE:
        record.colorModel = 1;
        ApplyEnableRule(false);
        return true;
      case IDC_DETCOLOR_RGB_DEFAULT:
      case IDC_DETCOLOR_RGB_CUSTOM:
        record.rgbSourceMode = id == IDC_DETCOLOR_RGB_CUSTOM ? 1 : 0;
        ShowRgbSourceMode(record.rgbSourceMode);
        return true;
      case IDC_DETCOLOR_DOWNLOAD_MANAGER:
        LaunchDownloadUtility(kDownloadColorProfiles);
        return true;
      case IDC_DETCOLOR_HELP:
        OpenHelpContext(hwnd_, IDD_DETAILED_COLOR);
        return true;
      default:
        if (const ProfileList* list = ProfileListFor(id); list && id == list->manageId) {
          ManageProfiles(list->listId, list->kind);
          return true;
        }
        return false;
    }
  }
  if (code != CBN_SELCHANGE) return false;
  if (id == IDC_DETCOLOR_GRAPHICS_GRAY || id == IDC_DETCOLOR_IMAGE_GRAY) {
    // The grey treatment is written at once.
    if (id == IDC_DETCOLOR_GRAPHICS_GRAY) {
      record.graphicsProcessGray = ListCode(List(id));
    } else {
      record.imageProcessGray = ListCode(List(id));
    }
    return true;
  }
  if (const ProfileList* list = ProfileListFor(id); list && id == list->listId) {
    UpdateProfileChoice(list->listId, list->kind);
    return true;
  }
  return false;
}

void CDetailedColor::UpdateProfileChoice(int listId, int kind) {
  SettingsBlock& record = TheApp().settings;
  const ComboBox list = List(listId);
  const int selected = list.CurSel();
  if (selected >= 0) {
    const int value = static_cast<int>(list.ItemData(selected));
    SetResidentProfileId(record, kind, value);
    if (value == kind) TakeResidentProfileName(record, list.ItemText(selected), kind);
    return;
  }
  // No selection: take the list's text as the profile the user means. An
  // empty text names nothing; a blank entry would claim to be a profile.
  const std::string text = list.Text();
  if (text.empty()) return;
  int index = list.FindStringExact(-1, text.c_str());
  if (index < 0) {
    index = list.AddString(text.c_str());
    if (index < 0) return;
    list.SetItemData(index, kind);
    list.SetCurSel(index);
  }
  ResidentProfile found;
  if (FindResidentProfile(record, text, kind, &found)) {
    SetResidentProfileId(record, kind, static_cast<int>(list.ItemData(index)));
    SetFieldText(ResidentProfileNameField(record, kind), kProfileNameFieldSize, found.description);
  }
}

void CDetailedColor::ManageProfiles(int listId, int kind) {
  CPrinterProfile dialog(kind, List(listId).hwnd());
  dialog.DoModal(hwnd_);
  // Whatever the result: the registrations were written at once.
  UpdateProfileChoice(listId, kind);
}

void CDetailedColor::OnOK() {
  SettingsBlock& record = TheApp().settings;
  record.graphicsHalftone = ListCode(List(IDC_DETCOLOR_GRAPHICS_HALFTONE));
  record.imageHalftone = ListCode(List(IDC_DETCOLOR_IMAGE_HALFTONE));
  record.graphicsIntent = ListCode(List(IDC_DETCOLOR_GRAPHICS_INTENT));
  record.imageIntent = ListCode(List(IDC_DETCOLOR_IMAGE_INTENT));
  record.graphicsProcessGray = ListCode(List(IDC_DETCOLOR_GRAPHICS_GRAY));
  record.imageProcessGray = ListCode(List(IDC_DETCOLOR_IMAGE_GRAY));
  for (const ProfileList& list : kProfileLists) {
    SetResidentProfileId(record, list.kind, SelectedListCode(List(list.listId)));
    SetFieldText(ResidentProfileNameField(record, list.kind), kProfileNameFieldSize,
                 List(list.listId).Text());
  }
  EndDialog(IDOK);
}

}  // namespace psui
