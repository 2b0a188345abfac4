#include "pages/features_page.h"

#include "color/advanced_color_dialog.h"
#include "color/color_lists.h"
#include "color/color_profile_store.h"
#include "exchange/kept_fields.h"
#include "pages/document_options_dialog.h"
#include "pages/document_profile.h"
#include "pages/document_profiles_dialog.h"
#include "pages/features_rules.h"
#include "pages/graphics_options_dialog.h"
#include "pages/postscript_options_dialog.h"
#include "pages/watermark_profiles.h"
#include "ui/app_state.h"
#include "ui/list_helpers.h"

namespace psui {

namespace {

SettingsBlock& Record() { return TheApp().settings; }

}  // namespace

bool CFeatures::OnSetActive() {
  Load();
  return true;
}

bool CFeatures::OnKillActive() {
  SettleTonerSaving(Record(), TheApp().ppdImage);
  return true;
}

bool CFeatures::OnCommand(int id, int code, HWND) {
  if (id == IDC_FEATURES_RESOLUTION || id == IDC_FEATURES_COLOR_CONFIG) {
    ComboChoice& choice = id == IDC_FEATURES_RESOLUTION ? resolutionChoice_ : colorChoice_;
    // Closing the list takes the entry shown, changed or not; a keyboard
    // choice in the closed list, which closes nothing, is taken too, or the
    // list would show one value while the record holds another.
    const bool chosen = choice.Completes(Item<ComboBox>(id), code);
    if (!chosen && code != CBN_CLOSEUP) return false;
    if (id == IDC_FEATURES_RESOLUTION) {
      OnResolutionChosen();
    } else {
      OnColorConfigChosen();
    }
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_FEATURES_GRAPHICS_OPTIONS: RunGraphicsOptions(); return true;
    case IDC_FEATURES_COLOR_OPTIONS: RunColorOptions(); return true;
    case IDC_FEATURES_POSTSCRIPT_OPTIONS: RunPostScriptOptions(); return true;
    case IDC_FEATURES_DOCUMENT_OPTIONS: RunDocumentOptions(); return true;
    case IDC_FEATURES_DOCUMENT_PROFILES: RunDocumentProfiles(); return true;
    default: return false;
  }
}

void CFeatures::Load() {
  SettingsBlock& record = Record();
  // Emptied first: a PPD without resolutions leaves the list empty.
  Resolutions().ResetContent();
  FillListFromPpd(Resolutions(), "Resolution", kResolutionCodes, record.resolution);

  // First even on a black-and-white printer: it settles the preset in force.
  FillColorConfigList(ColorConfigs());
  if (ColorConfigs().Count() == 0) Remove({IDC_FEATURES_COLOR_CONFIG, IDC_FEATURES_COLOR_GROUP});
  if (record.colorDevice == 0) {
    Remove({IDC_FEATURES_COLOR_CONFIG, IDC_FEATURES_COLOR_GROUP, IDC_FEATURES_COLOR_OPTIONS});
    record.colorModel = 1;
  } else if (record.colorPreset == 0) {
    LoadColorProfile(record);
  }
}

void CFeatures::Remove(std::initializer_list<int> ids) {
  for (int id : ids) {
    Item(id).Show(false);
    Item(id).Enable(false);
  }
}

void CFeatures::OnResolutionChosen() { TakeResolution(Record(), SelectedListCode(Resolutions())); }

void CFeatures::OnColorConfigChosen() {
  const int selected = ColorConfigs().CurSel();
  if (selected < 0) return;
  TakeColorConfiguration(Record(), ColorConfigs().ItemText(selected),
                         static_cast<int>(ColorConfigs().ItemData(selected)));
}

void CFeatures::RunGraphicsOptions() {
  KeptFields kept(Record(), {PSUI_FIELD(smoothing), PSUI_FIELD(tonerSave), PSUI_FIELD(negativeImage),
                             PSUI_FIELD(mirrorImage), PSUI_FIELD(rotation)});
  CGraphicsOptions dialog;
  if (kept.RestoreUnlessOk(dialog.DoModal(hwnd_)) == IDOK) Load();
}

void CFeatures::RunColorOptions() {
  RunAdvancedColorOptions(hwnd_);
  // Profiles may have been stored or deleted whatever the dialog's end.
  FillColorConfigList(ColorConfigs());
}

void CFeatures::RunPostScriptOptions() {
  KeptFields kept(Record(), {PSUI_FIELD(allowAppPostScript), PSUI_FIELD(printPsErrors),
                             PSUI_FIELD(useExternalHeader), PSUI_FIELD(externalHeaderFile),
                             PSUI_FIELD(jobTimeout)});
  CPostScriptOptions dialog;
  kept.RestoreUnlessOk(dialog.DoModal(hwnd_));
}

void CFeatures::RunDocumentOptions() {
  // documentProfileName, which the dialog may set to "Nessuno", stays.
  KeptFields kept(Record(), {PSUI_FIELD(collate), PSUI_FIELD(copies), PSUI_FIELD(scaling),
                             PSUI_FIELD(emailNotify), PSUI_FIELD(emailAddress)});
  CDocumentOptions dialog;
  kept.RestoreUnlessOk(dialog.DoModal(hwnd_));
}

void CFeatures::RunDocumentProfiles() {
  SettingsBlock& record = Record();
  KeptFields kept(record, {PSUI_FIELD(driverWord1), PSUI_FIELD(driverWord2), kDocumentSettingsRun,
                           PSUI_FIELD(fontSubstitution), PSUI_FIELD(documentProfileName)});
  CDocumentProfiles dialog;
  if (kept.RestoreUnlessOk(dialog.DoModal(hwnd_)) != IDOK) return;
  // The stores hold what the applied profile names ("Nessuno" included: a
  // watermark name that is not empty is stored).
  SaveWatermarkProfile(record);
  if (record.colorPreset == 0) SaveColorProfile(record);
  Load();
}

}  // namespace psui
