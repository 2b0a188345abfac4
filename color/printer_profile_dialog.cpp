#include "color/printer_profile_dialog.h"

#include "color/color_lists.h"
#include "color/color_settings.h"
#include "color/resident_profiles.h"
#include "ui/app_state.h"
#include "ui/context_help.h"
#include "ui/entry_rules.h"
#include "ui/list_helpers.h"
#include "ui/message_box.h"

namespace psui {

bool CPrinterProfile::OnInitDialog() {
  const SettingsBlock& record = TheApp().settings;
  Descriptions().LimitText(kProfileDescriptionLimit);
  FileName().LimitText(kProfileFileNameLimit);
  // The hard disk is offered only when it is installed.
  FillListFromTableFirstN(Locations(), kProfileLocationCodes, 0, record.hardDiskInstalled ? 2 : 1);
  FillResidentProfileList(Descriptions(), kind_);
  if (Descriptions().Count() == 0) {
    Locations().SetCurSel(0);
    return true;
  }
  Descriptions().SetCurSel(0);
  ShowRegistration();
  return true;
}

bool CPrinterProfile::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_PROFILE_DESCRIPTION:
      if (code == CBN_SELCHANGE && Descriptions().Count() > 0 && Descriptions().CurSel() >= 0) {
        ShowRegistration();
      }
      return code == CBN_SELCHANGE;
    case IDC_PROFILE_ADD:
      if (code == BN_CLICKED) OnAdd();
      return true;
    case IDC_PROFILE_DELETE:
      if (code == BN_CLICKED) OnDelete();
      return true;
    case IDC_PROFILE_HELP:
      if (code == BN_CLICKED) OpenHelpContext(hwnd_, IDD_PRINTER_PROFILE);
      return true;
    default:
      return false;
  }
}

void CPrinterProfile::ShowRegistration() {
  const int selected = Descriptions().CurSel();
  if (selected < 0) return;
  ResidentProfile found;
  if (!FindResidentProfile(TheApp().settings, Descriptions().ItemText(selected), kind_, &found)) return;
  FileName().SetText(found.fileName);
  // A stored location the list does not offer leaves the choice as it is.
  if (found.location >= 0 && found.location < Locations().Count()) Locations().SetCurSel(found.location);
}

void CPrinterProfile::ShowError(int textId) {
  ShowMessage(LoadText(textId), MB_OK, LoadText(IDS_ERROR_CAPTION).c_str(), hwnd_);
}

void CPrinterProfile::OnAdd() {
  const std::string fileName = FileName().Text();
  const std::string description = Descriptions().Text();
  if (!IsDosFileName(fileName)) {
    // A box of no window, with the system's default caption.
    ShowUnownedMessage(LoadText(IDS_PROFILE_NOT_DOS_NAME), MB_OK | MB_TASKMODAL);
    FileName().Focus();
    return;
  }
  if (fileName.empty() || description.empty()) {
    ShowError(IDS_PROFILE_NAMES_MISSING);
    return;
  }
  if (Descriptions().FindStringExact(-1, description.c_str()) >= 0) {
    ShowError(IDS_PROFILE_DUPLICATE);
    return;
  }
  ResidentProfile profile;
  profile.description = description;
  profile.fileName = fileName;
  profile.location = SelectedListCode(Locations());
  // Through each list's own add, so the sorted lists stay sorted.
  const int parentIndex = parentList_.AddString(description.c_str());
  if (parentIndex >= 0) parentList_.SetItemData(parentIndex, kind_);
  AddResidentProfile(TheApp().settings, profile, kind_);
  const int index = Descriptions().AddString(description.c_str());
  if (index >= 0) Descriptions().SetItemData(index, kind_);
}

void CPrinterProfile::OnDelete() {
  const std::string description = Descriptions().Text();
  if (description.empty()) {
    ShowError(IDS_PROFILE_DESCRIPTION_MISSING);
    return;
  }
  if (Descriptions().FindStringExact(-1, description.c_str()) < 0) {
    ShowError(IDS_PROFILE_NOT_FOUND);
    return;
  }
  const int parentSelected = parentList_.CurSel();
  const int parentIndex = parentList_.FindStringExact(-1, description.c_str());
  DeleteResidentProfile(Descriptions(), kind_);
  if (parentIndex >= 0) {
    parentList_.DeleteString(parentIndex);
    if (parentIndex == parentSelected && parentList_.Count() > 0) parentList_.SetCurSel(0);
  }
  if (Descriptions().Count() > 0) {
    ShowRegistration();
  } else {
    FileName().SetText("");
  }
}

}  // namespace psui
