#include "pages/document_options_dialog.h"

#include <string>

#include "pages/document_profile.h"
#include "ui/app_state.h"
#include "ui/context_help.h"
#include "ui/entry_rules.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"

namespace psui {

namespace {

constexpr int kNumberLimit = 3;
constexpr int kEmailLimit = static_cast<int>(sizeof(SettingsBlock::emailAddress)) - 1;

SettingsBlock& Record() { return TheApp().settings; }

}  // namespace

bool CDocumentOptions::OnInitDialog() {
  SettingsBlock& record = Record();
  Item<Edit>(IDC_DOCOPTIONS_COPIES).LimitText(kNumberLimit);
  Item<Edit>(IDC_DOCOPTIONS_SCALING).LimitText(kNumberLimit);
  Item<Edit>(IDC_DOCOPTIONS_EMAIL_ADDRESS).LimitText(kEmailLimit);
  Item(IDC_DOCOPTIONS_COPIES).SetText(std::to_string(record.copies));
  Item(IDC_DOCOPTIONS_SCALING).SetText(std::to_string(record.scaling));

  Item<Button>(IDC_DOCOPTIONS_EMAIL_NOTIFY).SetCheck(record.emailNotify != 0);
  Item(IDC_DOCOPTIONS_EMAIL_ADDRESS).Enable(record.emailNotify != 0);
  Item(IDC_DOCOPTIONS_EMAIL_ADDRESS).SetText(std::string(FieldText(record.emailAddress)));

  if (record.hardDiskInstalled == 0) {
    record.collate = 0;
    Item(IDC_DOCOPTIONS_COLLATE).Enable(false);
  }
  Item<Button>(record.collate == 1 ? IDC_DOCOPTIONS_COLLATE : IDC_DOCOPTIONS_NO_COLLATE).SetCheck(true);

  UpDown spin = Item<UpDown>(IDC_DOCOPTIONS_COPIES_SPIN);
  spin.SetRange(static_cast<int16_t>(kCopiesRange.low), static_cast<int16_t>(kCopiesRange.high));
  UDACCEL step = {0, 1};
  spin.Send(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));

  if (FieldIsEmpty(record.documentProfileName)) SetFieldText(record.documentProfileName, kNoDocumentProfileName);
  initialised_ = true;
  return true;
}

bool CDocumentOptions::OnCommand(int id, int code, HWND) {
  SettingsBlock& record = Record();
  if (code == EN_CHANGE) {
    if (id == IDC_DOCOPTIONS_COPIES) OnNumberChanged(id, kCopiesRange);
    if (id == IDC_DOCOPTIONS_SCALING) OnNumberChanged(id, kScalingRange);
    return id == IDC_DOCOPTIONS_COPIES || id == IDC_DOCOPTIONS_SCALING;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_DOCOPTIONS_COLLATE: record.collate = 1; return true;
    case IDC_DOCOPTIONS_NO_COLLATE: record.collate = 0; return true;
    case IDC_DOCOPTIONS_EMAIL_NOTIFY: {
      const bool notify = Item<Button>(IDC_DOCOPTIONS_EMAIL_NOTIFY).IsChecked();
      record.emailNotify = notify ? 1 : 0;
      Item(IDC_DOCOPTIONS_EMAIL_ADDRESS).Enable(notify);
      return true;
    }
    case IDC_DOCOPTIONS_HELP: OpenHelpContext(hwnd_, IDD_DOCUMENT_OPTIONS); return true;
    default: return false;
  }
}

void CDocumentOptions::OnNumberChanged(int id, const TypedNumberRange& range) {
  if (initialised_ && ReportWhileTyping(Item(id).Text(), range)) Refuse(id, range);
}

void CDocumentOptions::Refuse(int id, const TypedNumberRange& range) {
  ShowUnownedMessage(RangeMessage(range.low, range.high), MB_OK | MB_TASKMODAL);
  Item(id).Focus();
}

std::optional<int> CDocumentOptions::TakeNumber(int id, const TypedNumberRange& range) {
  const std::string typed = Item(id).Text();
  std::optional<int> value;
  if (CheckNumericEntry(typed.c_str(), kWholeNumber)) value = AcceptedNumber(typed, range);
  if (!value) Refuse(id, range);
  return value;
}

void CDocumentOptions::OnOK() {
  SettingsBlock& record = Record();
  record.emailNotify = Item<Button>(IDC_DOCOPTIONS_EMAIL_NOTIFY).IsChecked() ? 1 : 0;
  const std::optional<int> copies = TakeNumber(IDC_DOCOPTIONS_COPIES, kCopiesRange);
  if (!copies) return;
  record.copies = static_cast<int16_t>(*copies);
  const std::optional<int> scaling = TakeNumber(IDC_DOCOPTIONS_SCALING, kScalingRange);
  if (!scaling) return;
  record.scaling = static_cast<int16_t>(*scaling);
  // Stored even while the notification is off.
  SetFieldText(record.emailAddress, Item(IDC_DOCOPTIONS_EMAIL_ADDRESS).Text());
  EndDialog(IDOK);
}

}  // namespace psui
