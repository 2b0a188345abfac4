#include "pages/graphics_options_dialog.h"

#include "ui/app_state.h"
#include "ui/context_help.h"

namespace psui {

namespace {

// The radio button of rotation code n is kRotationButtons[n].
constexpr int kRotationButtons[] = {IDC_GRAPHICS_ROTATE_0, IDC_GRAPHICS_ROTATE_90, IDC_GRAPHICS_ROTATE_180,
                                    IDC_GRAPHICS_ROTATE_270};
constexpr int kRotationCount = 4;
constexpr int16_t kBookletPagesPerSheet = 99;

int RotationOf(int id) {
  for (int code = 0; code < kRotationCount; ++code) {
    if (kRotationButtons[code] == id) return code;
  }
  return -1;
}

}  // namespace

bool CGraphicsOptions::OnInitDialog() {
  SettingsBlock& record = TheApp().settings;
  Item<Button>(IDC_GRAPHICS_SMOOTHING).SetCheck(record.smoothing != 0);
  if (record.colorModel == 1) {
    Item<Button>(IDC_GRAPHICS_NEGATIVE).SetCheck(record.negativeImage != 0);
  } else {
    Item<Button>(IDC_GRAPHICS_NEGATIVE).SetCheck(false);
    Item(IDC_GRAPHICS_NEGATIVE).Enable(false);
    record.negativeImage = 0;
  }
  Item<Button>(IDC_GRAPHICS_MIRROR).SetCheck(record.mirrorImage != 0);
  rotation_ = record.rotation;
  // Any other value checks none of them.
  if (rotation_ >= 0 && rotation_ < kRotationCount) Item<Button>(kRotationButtons[rotation_]).SetCheck(true);
  if (record.pagesPerSheet == kBookletPagesPerSheet) {
    for (int id : kRotationButtons) Item(id).Enable(false);
  }
  Item<Button>(IDC_GRAPHICS_TONER_SAVE).SetCheck(record.tonerSave != 0);
  return true;
}

bool CGraphicsOptions::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_GRAPHICS_HELP) {
    OpenHelpContext(hwnd_, IDD_GRAPHICS_OPTIONS);
    return true;
  }
  const int rotation = RotationOf(id);
  if (rotation < 0) return false;
  rotation_ = rotation;
  return true;
}

void CGraphicsOptions::OnOK() {
  SettingsBlock& record = TheApp().settings;
  auto state = [this](int id) { return static_cast<int16_t>(Item<Button>(id).IsChecked() ? 1 : 0); };
  record.smoothing = state(IDC_GRAPHICS_SMOOTHING);
  record.tonerSave = state(IDC_GRAPHICS_TONER_SAVE);
  record.negativeImage = state(IDC_GRAPHICS_NEGATIVE);
  record.mirrorImage = state(IDC_GRAPHICS_MIRROR);
  record.rotation = static_cast<int16_t>(rotation_);
  EndDialog(IDOK);
}

}  // namespace psui
