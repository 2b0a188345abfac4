#include "pages/watermark_dialog.h"

#include <string>
#include <vector>

#include "pages/overlay_rules.h"
#include "pages/text_lists.h"
#include "pages/watermark_profiles.h"
#include "ui/app_state.h"
#include "ui/context_help.h"
#include "ui/entry_rules.h"
#include "ui/font_families.h"
#include "ui/list_helpers.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"

namespace psui {

namespace {

const TextRow kColorRows[] = {
    {0, IDS_WATERMARK_BLACK}, {1, IDS_WATERMARK_RED},  {2, IDS_WATERMARK_GREEN},
    {3, IDS_WATERMARK_YELLOW}, {4, IDS_WATERMARK_BLUE},
};
const TextRow kStyleRows[] = {
    {0, IDS_WATERMARK_REGULAR},
    {1, IDS_WATERMARK_BOLD},
    {2, IDS_WATERMARK_ITALIC},
    {3, IDS_WATERMARK_BOLD_ITALIC},
};

// The number fields in the order "Salva" checks them.
struct NumberField {
  int edit;
  int spin;
  WatermarkRange range;
  bool enableFirst;  // may be disabled while "Centro" is chosen
  void (*store)(SettingsBlock&, int16_t);
  int16_t (*shown)(const SettingsBlock&);
};

const NumberField kNumberFields[] = {
    {IDC_WATERMARK_SIZE, IDC_WATERMARK_SIZE_SPIN, kWatermarkSizeRange, false,
     [](SettingsBlock& r, int16_t v) { r.watermarkSize = v; }, [](const SettingsBlock& r) { return r.watermarkSize; }},
    {IDC_WATERMARK_ANGLE, IDC_WATERMARK_ANGLE_SPIN, kWatermarkAngleRange, false,
     [](SettingsBlock& r, int16_t v) { r.watermarkAngle = v; }, [](const SettingsBlock& r) { return r.watermarkAngle; }},
    {IDC_WATERMARK_INTENSITY, IDC_WATERMARK_INTENSITY_SPIN, kWatermarkIntensityRange, false,
     [](SettingsBlock& r, int16_t v) { r.watermarkIntensity = v; },
     [](const SettingsBlock& r) { return r.watermarkIntensity; }},
    {IDC_WATERMARK_X, IDC_WATERMARK_X_SPIN, kWatermarkXRange, true,
     [](SettingsBlock& r, int16_t v) { r.watermarkX = v; }, [](const SettingsBlock& r) { return r.watermarkX; }},
    {IDC_WATERMARK_Y, IDC_WATERMARK_Y_SPIN, kWatermarkYRange, true,
     [](SettingsBlock& r, int16_t v) { r.watermarkY = v; }, [](const SettingsBlock& r) { return r.watermarkY; }},
};

const NumberField* FieldOfEdit(int id) {
  for (const NumberField& field : kNumberFields) {
    if (field.edit == id) return &field;
  }
  return nullptr;
}

std::string UpperCase(std::string text) {
  if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

SettingsBlock& Record() { return TheApp().settings; }

}  // namespace

bool CWatermark::OnInitDialog() {
  SettingsBlock& record = Record();
  // The colour rule looks at the colour the dialog was opened with.
  if (record.colorDevice) {
    if (record.watermarkColor != 0) EnableIntensity(false);
  } else {
    Item(IDC_WATERMARK_COLOR_LABEL).Show(false);
    Item(IDC_WATERMARK_COLOR).Show(false);
  }
  if (record.colorModel == 1) Item(IDC_WATERMARK_COLOR).Enable(false);
  Item(IDC_WATERMARK_OUTLINE).Enable(false);
  if (mode_ == kWatermarkModeEdit) LoadWatermarkProfile(record, mode_);
  ShowSettings();
  snapshot_ = PackWatermarkSettings(record);
  armed_ = true;
  return true;
}

void CWatermark::ShowSettings() {
  const SettingsBlock& record = Record();
  for (const NumberField& field : kNumberFields) {
    Item<UpDown>(field.spin).SetRange(field.range.low, field.range.high);
  }
  Edit name = Item<Edit>(IDC_WATERMARK_NAME);
  name.LimitText(sizeof record.watermarkName - 1);
  name.Enable(mode_ != kWatermarkModeEdit);
  name.SetText(std::string(FieldText(record.watermarkName)));
  Edit text = Item<Edit>(IDC_WATERMARK_TEXT);
  text.LimitText(sizeof record.watermarkText - 1);
  text.SetText(std::string(FieldText(record.watermarkText)));
  Item<Button>(IDC_WATERMARK_BEHIND).SetCheck(record.watermarkBehind != 0);
  const bool offset = record.watermarkPosition == 1;
  CheckRadioButton(hwnd_, IDC_WATERMARK_CENTRED, IDC_WATERMARK_OFFSET,
                   offset ? IDC_WATERMARK_OFFSET : IDC_WATERMARK_CENTRED);
  EnableOffset(offset);
  for (const NumberField& field : kNumberFields) Item(field.edit).SetText(std::to_string(field.shown(record)));
  FillFontList();
  ComboBox styles = Item<ComboBox>(IDC_WATERMARK_STYLE);
  styles.ResetContent();
  FillListFromTexts(styles, kStyleRows, record.watermarkStyle);
  ComboBox colors = Item<ComboBox>(IDC_WATERMARK_COLOR);
  colors.ResetContent();
  FillListFromTexts(colors, kColorRows, record.watermarkColor);
}

void CWatermark::FillFontList() {
  SettingsBlock& record = Record();
  ComboBox fonts = Item<ComboBox>(IDC_WATERMARK_FONT);
  fonts.ResetContent();
  for (const std::string& family : TrueTypeFamiliesOf(hwnd_)) {
    const int index = fonts.AddString(family.c_str());
    if (index >= 0) fonts.SetItemData(index, 0);
  }
  const std::string font(FieldText(record.watermarkFont));
  int index = font.empty() ? CB_ERR : fonts.FindStringExact(-1, font.c_str());
  if (index < 0) {
    // The stored font is not installed (any more).
    SetFieldText(record.watermarkFont, kDefaultWatermarkFont);
    index = fonts.FindStringExact(-1, kDefaultWatermarkFont);
    if (index < 0 && fonts.Count() > 0) {
      index = 0;
      SetFieldText(record.watermarkFont, fonts.ItemText(0));
    }
  }
  fonts.SetCurSel(index);
}

void CWatermark::EnableIntensity(bool enable) const {
  for (int id : {IDC_WATERMARK_INTENSITY_LABEL, IDC_WATERMARK_INTENSITY, IDC_WATERMARK_INTENSITY_SPIN}) {
    Item(id).Enable(enable);
  }
}

void CWatermark::EnableOffset(bool enable) const {
  for (int id = IDC_WATERMARK_X_LABEL; id <= IDC_WATERMARK_Y_SPIN; ++id) Item(id).Enable(enable);
}

bool CWatermark::OnCommand(int id, int code, HWND control) {
  SettingsBlock& record = Record();
  if (code == EN_CHANGE) {
    if (armed_ && FieldOfEdit(id)) CheckTypedNumber(id);
    return FieldOfEdit(id) != nullptr;
  }
  if (code == CBN_SELCHANGE) {
    ComboBox list(control);
    const int selected = list.CurSel();
    if (selected < 0) return true;
    switch (id) {
      case IDC_WATERMARK_FONT:
        record.watermarkFontData = static_cast<int16_t>(list.ItemData(selected));
        SetFieldText(record.watermarkFont, list.ItemText(selected));
        return true;
      case IDC_WATERMARK_STYLE:
        record.watermarkStyle = static_cast<int16_t>(list.ItemData(selected));
        return true;
      case IDC_WATERMARK_COLOR:
        record.watermarkColor = static_cast<int16_t>(list.ItemData(selected));
        EnableIntensity(record.watermarkColor == 0);
        return true;
      default: return false;
    }
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_WATERMARK_CENTRED:
      record.watermarkPosition = 0;
      EnableOffset(false);
      return true;
    case IDC_WATERMARK_OFFSET:
      record.watermarkPosition = 1;
      EnableOffset(true);
      return true;
    case IDC_WATERMARK_BEHIND:
      record.watermarkBehind = Item<Button>(id).IsChecked() ? 1 : 0;
      return true;
    case IDC_WATERMARK_OUTLINE:
      record.watermarkOutline = Item<Button>(id).IsChecked() ? 1 : 0;
      return true;
    case IDC_WATERMARK_DEFAULTS:
      RestoreDefaults();
      return true;
    case IDC_WATERMARK_HELP:
      OpenHelpContext(hwnd_, IDD_WATERMARK);
      return true;
    default: return false;
  }
}

void CWatermark::CheckTypedNumber(int id) {
  const NumberField& field = *FieldOfEdit(id);
  const long long value = LeadingNumber(Item(id).Text());
  // A single digit or sign may be the start of a valid number: size and
  // offsets wait for more; angle and intensity are checked at once.
  const bool checkNow =
      id == IDC_WATERMARK_ANGLE || id == IDC_WATERMARK_INTENSITY || WrittenWithMoreThanOneCharacter(value);
  if (checkNow && (value < field.range.low || value > field.range.high)) {
    Refuse(RangeMessage(field.range.low, field.range.high), id);
  }
}

void CWatermark::RestoreDefaults() {
  SettingsBlock& record = Record();
  // Showing the values again must not report them as typed.
  armed_ = false;
  if (IsBuiltInWatermarkName(FieldText(record.watermarkName))) {
    ResetWatermarkDefaults(record, mode_);
  } else {
    UnpackWatermarkSettings(record, snapshot_);
  }
  if (record.colorDevice) EnableIntensity(record.watermarkColor == 0);
  ShowSettings();
  snapshot_ = PackWatermarkSettings(record);
  armed_ = true;
}

void CWatermark::OnOK() {
  SettingsBlock& record = Record();
  const std::string name = Item(IDC_WATERMARK_NAME).Text();
  const std::string upper = UpperCase(name);
  if (upper.empty()) return Refuse(LoadText(IDS_WATERMARK_EMPTY_NAME), IDC_WATERMARK_NAME);
  if (mode_ != kWatermarkModeEdit && IsBuiltInWatermarkName(upper)) {
    return Refuse(LoadText(IDS_WATERMARK_BUILT_IN_NAME), IDC_WATERMARK_NAME);
  }
  if (upper == UpperCase(kNoWatermarkName)) return Refuse(LoadText(IDS_WATERMARK_NULL_NAME), IDC_WATERMARK_NAME);
  SetFieldText(record.watermarkName, name);

  const std::string text = Item(IDC_WATERMARK_TEXT).Text();
  if (text.empty()) return Refuse(LoadText(IDS_WATERMARK_EMPTY_TEXT), IDC_WATERMARK_TEXT);
  SetFieldText(record.watermarkText, text);

  for (const NumberField& field : kNumberFields) {
    if (field.enableFirst) {
      Item(field.edit).Enable(true);
      Item(field.spin).Enable(true);
    }
    const std::string typed = Item(field.edit).Text();
    std::optional<long long> value;
    if (CheckNumericEntry(typed.c_str(), kWholeNumber)) value = ParseWholeNumber(typed);
    if (!value || *value < field.range.low || *value > field.range.high) {
      return Refuse(RangeMessage(field.range.low, field.range.high), field.edit);
    }
    field.store(record, static_cast<int16_t>(*value));
  }
  SaveWatermarkProfile(record);
  EndDialog(IDOK);
}

void CWatermark::Refuse(const std::string& message, int id) {
  ShowUnownedMessage(message, MB_OK | MB_TASKMODAL);
  Item(id).Focus();
}

}  // namespace psui
