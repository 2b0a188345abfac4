#include "pages/custom_size_dialog.h"

#include <string>

#include "pages/custom_sizes.h"
#include "ui/app_state.h"
#include "ui/context_help.h"
#include "ui/entry_rules.h"
#include "ui/list_helpers.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"

namespace psui {

namespace {

// The radio button of each unit, by customUnits.
constexpr int kUnitButtons[] = {IDC_CUSTOM_INCHES, IDC_CUSTOM_MILLIMETRES, IDC_CUSTOM_POINTS};
constexpr int kEditLimit = 8;

int EditId(SizeEdit edit) { return edit == SizeEdit::kWidth ? IDC_CUSTOM_WIDTH : IDC_CUSTOM_HEIGHT; }

}  // namespace

bool CustomSizeDialog::OnInitDialog() {
  SettingsBlock& record = TheApp().settings;
  // What the dialog shows for an unknown unit or direction is what it then
  // checks, swaps and stores.
  record.customUnits = static_cast<int16_t>(ShownUnit(record.customUnits));
  record.customFeedDirection = static_cast<int16_t>(ShownFeedDirection(record.customFeedDirection));
  Item<Edit>(IDC_CUSTOM_WIDTH).LimitText(kEditLimit);
  Item<Edit>(IDC_CUSTOM_HEIGHT).LimitText(kEditLimit);
  ShowValues();
  FillFeedList(record.customFeedDirection);
  return true;
}

void CustomSizeDialog::ShowValues() {
  const SettingsBlock& record = TheApp().settings;
  const int unit = record.customUnits;
  const CustomRanges shown = ShownRanges(record, unit);
  const float width = record.customWidth;
  const float height = record.customHeight;
  Item(IDC_CUSTOM_WIDTH).SetText(NumberText(MillimetresToUnit(width, unit)));
  Item(IDC_CUSTOM_HEIGHT).SetText(NumberText(MillimetresToUnit(height, unit)));
  Item(IDC_CUSTOM_WIDTH_RANGE).SetText(RangeText(shown.minWidth, shown.maxWidth));
  Item(IDC_CUSTOM_HEIGHT_RANGE).SetText(RangeText(shown.minHeight, shown.maxHeight));
  CheckRadioButton(hwnd_, IDC_CUSTOM_INCHES, IDC_CUSTOM_POINTS, kUnitButtons[unit]);
}

void CustomSizeDialog::FillFeedList(int direction) {
  ComboBox feed = Item<ComboBox>(IDC_CUSTOM_FEED);
  feed.ResetContent();
  const struct {
    UINT text;
    int code;
  } entries[] = {{IDS_FEED_LONG_EDGE, kFeedLongEdge}, {IDS_FEED_SHORT_EDGE, kFeedShortEdge}};
  for (const auto& entry : entries) {
    int index = feed.AddString(LoadText(entry.text).c_str());
    if (index >= 0) feed.SetItemData(index, entry.code);
  }
  if (!SelectListCode(feed, direction)) feed.SetCurSel(0);
}

bool CustomSizeDialog::ValidateEdit(SizeEdit edit, float widthInEdit, bool feedCheck, float* value) {
  Edit control = Item<Edit>(EditId(edit));
  const std::string text = control.Text();
  SizeVerdict verdict;
  if (!CheckNumericEntry(text.c_str(), kDecimalNumber)) {
    verdict = {false, 0, 0, edit};
  } else {
    *value = ReadNumber(text);
    verdict = ValidateCustomValue(TheApp().settings, edit, *value, widthInEdit, feedCheck);
    if (!verdict.ok) {
      // Task-modal: no owner, every window of the thread waits for it.
      ShowUnownedMessage(RangeMessage(LoadText(IDS_RANGE_DECIMAL), verdict.low, verdict.high), MB_OK | MB_TASKMODAL,
                         LoadText(IDS_APP_TITLE).c_str());
    }
  }
  if (!verdict.ok) SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(EditId(verdict.focus)).hwnd()), TRUE);
  return verdict.ok;
}

bool CustomSizeDialog::Validate(bool feedCheck) {
  float width = 0;
  float height = 0;
  return ValidateEdit(SizeEdit::kWidth, 0, feedCheck, &width) &&
         ValidateEdit(SizeEdit::kHeight, width, feedCheck, &height);
}

void CustomSizeDialog::OnUnitChosen(int unit) {
  SettingsBlock& record = TheApp().settings;
  if (validating_) {
    // The auto radio button has checked itself; the unit has not changed.
    CheckRadioButton(hwnd_, IDC_CUSTOM_INCHES, IDC_CUSTOM_POINTS, kUnitButtons[record.customUnits]);
    return;
  }
  validating_ = true;
  // The typed values count in the unit they were typed in.
  if (Validate(false)) {
    record.customUnits = static_cast<int16_t>(unit);
    ShowValues();
  } else {
    CheckRadioButton(hwnd_, IDC_CUSTOM_INCHES, IDC_CUSTOM_POINTS, kUnitButtons[record.customUnits]);
  }
  validating_ = false;
}

void CustomSizeDialog::OnFeedChosen() {
  if (validating_) return;
  validating_ = true;
  SettingsBlock& record = TheApp().settings;
  const int old_direction = record.customFeedDirection;
  const int direction = SelectedListCode(Item<ComboBox>(IDC_CUSTOM_FEED));
  if (!Validate(false)) {
    FillFeedList(old_direction);
  } else if (direction == kFeedLongEdge || direction == kFeedShortEdge) {
    ChangeFeedDirection(record, direction);
    if (direction != old_direction) ShowValues();
  }
  validating_ = false;
}

void CustomSizeDialog::OnOK() {
  if (validating_) return;
  validating_ = true;
  const bool valid = Validate(true);
  validating_ = false;
  if (!valid) return;
  WriteCustomSizes(TheApp().settings);
  EndDialog(IDOK);
}

bool CustomSizeDialog::OnCommand(int id, int code, HWND control) {
  for (int unit = kUnitInches; unit <= kUnitPoints; ++unit) {
    if (id == kUnitButtons[unit]) {
      if (code == BN_CLICKED) OnUnitChosen(unit);
      return true;
    }
  }
  if (id == IDC_CUSTOM_FEED) {
    if (code == CBN_SELCHANGE) OnFeedChosen();
    return true;
  }
  if (id == IDC_CUSTOM_HELP && code == BN_CLICKED) {
    OpenHelpContext(hwnd_, IDD_CUSTOM_SIZE);
    return true;
  }
  return false;
}

}  // namespace psui
