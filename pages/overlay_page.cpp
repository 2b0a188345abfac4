#include "pages/overlay_page.h"

#include "color/download_utility.h"
#include "exchange/kept_fields.h"
#include "pages/overlay_rules.h"
#include "pages/text_lists.h"
#include "pages/watermark_dialog.h"
#include "pages/watermark_profiles.h"
#include "ui/app_state.h"
#include "ui/entry_rules.h"
#include "ui/list_helpers.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"

namespace psui {

namespace {

// Where the printer keeps an overlay.
const TextRow kPlacementRows[] = {{0, IDS_PLACEMENT_FLASH}, {1, IDS_PLACEMENT_DISK}};

// Row i (1 to 5): check box, file-name edit, placement list.
int RowBox(int row) { return IDC_OVERLAY_ALL_PAGES + 2 * (row - 1); }
int RowEdit(int row) { return IDC_OVERLAY_ALL_PAGES_FILE + 2 * (row - 1); }
int RowPlacement(int row) { return IDC_OVERLAY_DOWNLOAD_MANAGER + row; }
// The row of a check box or edit id; 0 for another control.
int RowOf(int id, int first) {
  const int offset = id - first;
  return offset >= 0 && offset < 2 * kOverlayRowCount && offset % 2 == 0 ? offset / 2 + 1 : 0;
}
int RowOfPlacement(int id) {
  return id >= IDC_OVERLAY_PLACEMENT_1 && id <= IDC_OVERLAY_PLACEMENT_5 ? id - IDC_OVERLAY_DOWNLOAD_MANAGER : 0;
}

// Rows in the order leaving the page checks them; the complex row comes
// after the cycle numbers.
constexpr int kRowsCheckedFirst[] = {1, 2, 4, 3};

const int kComplexCycleControls[] = {IDC_OVERLAY_COMPLEX_FIRST, IDC_OVERLAY_COMPLEX_FIRST_SPIN,
                                     IDC_OVERLAY_COMPLEX_CYCLE, IDC_OVERLAY_COMPLEX_CYCLE_SPIN};

// Focus moving to no control, OK or Cancel (of the sheet or of a message
// box) checks nothing: the user is not moving on within the page.
bool LeavesThePage(HWND focusTo) {
  const int id = focusTo ? GetDlgCtrlID(focusTo) : 0;
  return id == 0 || id == IDOK || id == IDCANCEL;
}

// Sets a flag for the life of the object and puts the old value back.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = old_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

SettingsBlock& Record() { return TheApp().settings; }

void StoreCount(SettingsBlock& record, int id, int16_t value) {
  if (id == IDC_OVERLAY_COMPLEX_FIRST) {
    record.complexOverlayFirst = value;
  } else {
    record.complexOverlayCycle = value;
  }
}

std::string CountRangeMessage() { return RangeMessage(kOverlayCountLow, kOverlayCountHigh); }

}  // namespace

bool COverlay::OnInitDialog() {
  Load();
  return true;
}

bool COverlay::OnSetActive() {
  Load();
  return true;
}

void COverlay::Load() {
  FlagScope loading(loading_);
  SettingsBlock& record = Record();
  const bool disk = record.hardDiskInstalled != 0;

  for (int row = 1; row <= kOverlayRowCount; ++row) Item<ComboBox>(RowPlacement(row)).ResetContent();
  if (ClearOverlaysWithoutDisk(record)) {
    for (int row = 1; row <= kOverlayRowCount; ++row) {
      FillListFromTexts(Item<ComboBox>(RowPlacement(row)), kPlacementRows, 2, record.overlays[row - 1].placement, 1);
    }
  }
  for (int row = 1; row <= kOverlayRowCount; ++row) Item(RowPlacement(row)).Show(false);

  for (int row = 1; row <= kOverlayRowCount; ++row) {
    const OverlayEntry& overlay = record.overlays[row - 1];
    Item<Button>(RowBox(row)).SetCheck(overlay.enabled != 0);
    Edit edit = Item<Edit>(RowEdit(row));
    edit.SetText(std::string(FieldText(overlay.fileName)));
    edit.LimitText(sizeof overlay.fileName - 1);
  }
  Item(IDC_OVERLAY_COMPLEX_CYCLE).SetText(std::to_string(record.complexOverlayCycle));
  Item(IDC_OVERLAY_COMPLEX_FIRST).SetText(std::to_string(record.complexOverlayFirst));

  for (int row = 1; row <= kOverlayRowCount; ++row) {
    Item(RowBox(row)).Enable(disk);
    Item(RowEdit(row)).Enable(record.overlays[row - 1].enabled != 0);
    Item(RowPlacement(row)).Enable(false);
  }
  for (int id : kComplexCycleControls) Item(id).Enable(record.overlays[kComplexOverlayRow - 1].enabled != 0);
  Item(IDC_OVERLAY_DOWNLOAD_MANAGER).Enable(disk);

  if (FieldIsEmpty(record.watermarkName)) SetFieldText(record.watermarkName, kNoWatermarkName);
  FillWatermarkList();
  SelectWatermarkOrNone();
  Item<Button>(IDC_OVERLAY_FIRST_PAGE_ONLY).SetCheck(record.watermarkFirstPageOnly != 0);
  RefreshWatermark();

  for (int spin : {IDC_OVERLAY_COMPLEX_FIRST_SPIN, IDC_OVERLAY_COMPLEX_CYCLE_SPIN}) {
    UpDown control = Item<UpDown>(spin);
    control.SetRange(kOverlayCountLow, kOverlayCountHigh);
    UDACCEL step = {0, 1};
    control.Send(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
  }
}

void COverlay::FillWatermarkList() {
  ComboBox list = WatermarkList();
  list.ResetContent();
  for (const CodeRow* row = kWatermarkCodes; row->name; ++row) {
    const int index = list.InsertString(-1, row->name);
    if (index >= 0) list.SetItemData(index, row->code);
  }
  list.SetCurSel(0);
  for (const std::string& name : ListWatermarkProfiles(Record())) {
    const int index = list.InsertString(-1, name.c_str());
    if (index >= 0) list.SetItemData(index, 0);
  }
}

void COverlay::SelectWatermarkOrNone() {
  SettingsBlock& record = Record();
  ComboBox list = WatermarkList();
  const std::string name(FieldText(record.watermarkName));
  const int index = list.FindStringExact(-1, name.c_str());
  if (index >= 0) {
    list.SetCurSel(index);
  } else {
    SelectListCode(list, kNoWatermarkCode);
    ChooseNoWatermark(record);
  }
}

void COverlay::RefreshWatermark() {
  SettingsBlock& record = Record();
  ComboBox list = WatermarkList();
  if (!TakeWatermarkInForce(record, dialogMode_)) {
    SelectListCode(list, kNoWatermarkCode);
  } else if (record.watermarkCode == kStoredWatermarkCode) {
    const int index = list.FindStringExact(-1, std::string(FieldText(record.watermarkName)).c_str());
    if (index >= 0) list.SetCurSel(index);
  } else {
    SelectListCode(list, record.watermarkCode);
  }
  const std::string_view name = FieldText(record.watermarkName);
  Item(IDC_OVERLAY_EDIT_WATERMARK).Enable(CanEditWatermark(name));
  Item(IDC_OVERLAY_DELETE_WATERMARK).Enable(CanDeleteWatermark(name));
  if (record.negativeImage) {
    for (int id : {IDC_OVERLAY_WATERMARK, IDC_OVERLAY_FIRST_PAGE_ONLY, IDC_OVERLAY_EDIT_WATERMARK,
                   IDC_OVERLAY_ADD_WATERMARK, IDC_OVERLAY_DELETE_WATERMARK}) {
      Item(id).Enable(false);
    }
  } else {
    for (int id : {IDC_OVERLAY_WATERMARK, IDC_OVERLAY_FIRST_PAGE_ONLY, IDC_OVERLAY_ADD_WATERMARK}) {
      Item(id).Enable(true);
    }
  }
}

bool COverlay::OnCommand(int id, int code, HWND control) {
  SettingsBlock& record = Record();
  if (code == EN_CHANGE) {
    if (id == IDC_OVERLAY_COMPLEX_FIRST || id == IDC_OVERLAY_COMPLEX_CYCLE) {
      if (!loading_) ChangeCount(id);
      return true;
    }
    return false;
  }
  if (code == CBN_SELCHANGE) {
    if (id == IDC_OVERLAY_WATERMARK) {
      ChooseWatermark();
      return true;
    }
    if (const int row = RowOfPlacement(id)) {
      const int placement = SelectedListCode(ComboBox(control));
      if (placement >= 0) record.overlays[row - 1].placement = static_cast<int16_t>(placement);
      return true;
    }
    return false;
  }
  if (code != BN_CLICKED) return false;
  if (const int row = RowOf(id, IDC_OVERLAY_ALL_PAGES)) {
    TickRow(row);
    return true;
  }
  switch (id) {
    case IDC_OVERLAY_FIRST_PAGE_ONLY:
      record.watermarkFirstPageOnly = Item<Button>(id).IsChecked() ? 1 : 0;
      return true;
    case IDC_OVERLAY_ADD_WATERMARK: AddWatermark(); return true;
    case IDC_OVERLAY_EDIT_WATERMARK: EditWatermark(); return true;
    case IDC_OVERLAY_DELETE_WATERMARK: DeleteWatermark(); return true;
    case IDC_OVERLAY_DOWNLOAD_MANAGER: LaunchDownloadUtility(kDownloadOverlays); return true;
    default: return false;
  }
}

void COverlay::ChooseWatermark() {
  SettingsBlock& record = Record();
  ComboBox list = WatermarkList();
  const int index = list.CurSel();
  if (index < 0) return;
  const std::string name = list.ItemText(index);
  SetFieldText(record.watermarkName, name);
  record.watermarkCode = WatermarkCodeForChoice(name, static_cast<int>(list.ItemData(index)));
  RefreshWatermark();
}

void COverlay::AddWatermark() { RunWatermarkDialog(kWatermarkModeAdd); }

void COverlay::EditWatermark() { RunWatermarkDialog(kWatermarkModeEdit); }

void COverlay::RunWatermarkDialog(int mode) {
  SettingsBlock& record = Record();
  dialogMode_ = mode;
  // Whatever the dialog changed goes back unless it ends with OK; the
  // profile it may have stored stays.
  KeptFields kept(record, {kWatermarkGroup});
  if (mode == kWatermarkModeAdd) {
    SetFieldText(record.watermarkName, LoadText(IDS_WATERMARK_NEW_NAME));
    ResetWatermarkDefaults(record, mode);
  }
  CWatermark dialog(mode);
  if (kept.RestoreUnlessOk(dialog.DoModal(Sheet())) == IDOK) {
    FillWatermarkList();
    if (mode == kWatermarkModeAdd) {
      record.watermarkCode =
          WatermarkCodeForChoice(FieldText(record.watermarkName), SelectedListCode(WatermarkList()));
    }
  }
  SelectWatermarkOrNone();
  RefreshWatermark();
}

void COverlay::DeleteWatermark() {
  SettingsBlock& record = Record();
  ComboBox list = WatermarkList();
  if (DeleteWatermarkProfile(record)) {
    const std::string name(FieldText(record.watermarkName));
    for (int i = list.Count() - 1; i >= 0; --i) {
      if (list.ItemText(i) == name) list.DeleteString(i);
    }
  }
  ChooseNoWatermark(record);
  list.SetCurSel(0);
  RefreshWatermark();
}

void COverlay::TickRow(int row) {
  const bool ticked = Item<Button>(RowBox(row)).IsChecked();
  Record().overlays[row - 1].enabled = ticked ? 1 : 0;
  Item(RowEdit(row)).Enable(ticked);
  Item(RowPlacement(row)).Enable(false);
  if (row == kComplexOverlayRow) {
    for (int id : kComplexCycleControls) Item(id).Enable(ticked);
  }
}

void COverlay::OnEditFocusLost(int id, HWND focusTo) {
  if (checking_ || LeavesThePage(focusTo)) return;
  if (const int row = RowOf(id, IDC_OVERLAY_ALL_PAGES_FILE)) {
    LeaveFileName(row);
  } else if (id == IDC_OVERLAY_COMPLEX_FIRST || id == IDC_OVERLAY_COMPLEX_CYCLE) {
    LeaveCount();
  }
}

void COverlay::LeaveFileName(int row) {
  const std::string text = Item(RowEdit(row)).Text();
  if (IsDosFileName(text)) {
    SetFieldText(Record().overlays[row - 1].fileName, text);
  } else {
    if (!fileNameFlag_) ShowCheckMessage(LoadText(IDS_OVERLAY_BAD_FILE_NAME));
    FocusEdit(RowEdit(row));
  }
  fileNameFlag_ = false;
}

void COverlay::ChangeCount(int id) {
  SettingsBlock& record = Record();
  const std::optional<int16_t> value = ParseOverlayCount(Item(id).Text());
  if (!value) return ReportOnce(CountFlag(id), CountRangeMessage(), id);
  StoreCount(record, id, *value);
}

void COverlay::LeaveCount() {
  SettingsBlock& record = Record();
  for (int id : {IDC_OVERLAY_COMPLEX_FIRST, IDC_OVERLAY_COMPLEX_CYCLE}) {
    const std::optional<int16_t> value = ParseOverlayCount(Item(id).Text());
    if (!value) return ReportOnce(CountFlag(id), CountRangeMessage(), id);
    StoreCount(record, id, *value);
  }
  SettleComplexRow(record, Item<Button>(IDC_OVERLAY_COMPLEX).IsChecked(),
                   Item(IDC_OVERLAY_COMPLEX_FILE).Text());
}

bool COverlay::OnKillActive() {
  SettingsBlock& record = Record();
  FlagScope checking(checking_);
  auto store_row = [&](int row) {
    return StoreOverlayRow(record, row, Item<Button>(RowBox(row)).IsChecked(), Item(RowEdit(row)).Text());
  };
  for (int row : kRowsCheckedFirst) {
    if (!store_row(row)) return RefuseLeaving(fileNameFlag_, LoadText(IDS_OVERLAY_BAD_FILE_NAME), RowEdit(row));
  }
  for (int id : {IDC_OVERLAY_COMPLEX_FIRST, IDC_OVERLAY_COMPLEX_CYCLE}) {
    const std::optional<int16_t> value = ParseOverlayCount(Item(id).Text());
    if (!value) return RefuseLeaving(CountFlag(id), CountRangeMessage(), id);
    StoreCount(record, id, *value);
  }
  if (!store_row(kComplexOverlayRow)) {
    return RefuseLeaving(fileNameFlag_, LoadText(IDS_OVERLAY_BAD_FILE_NAME), RowEdit(kComplexOverlayRow));
  }
  return true;
}

void COverlay::ReportOnce(bool& flag, const std::string& message, int id) {
  if (!flag) {
    ShowCheckMessage(message);
    flag = true;
  } else {
    flag = false;
  }
  FocusEdit(id);
}

bool COverlay::RefuseLeaving(bool& flag, const std::string& message, int id) {
  ShowCheckMessage(message);
  flag = true;
  FocusEdit(id);
  return false;
}

void COverlay::ShowCheckMessage(const std::string& message) {
  FlagScope checking(checking_);
  ShowUnownedMessage(message, MB_OK | MB_TASKMODAL);
}

void COverlay::FocusEdit(int id) {
  FlagScope checking(checking_);
  Item(id).Focus();
}

}  // namespace psui
