#include "pages/postscript_options_dialog.h"

#include <commdlg.h>

#include <string>

#include "pages/document_entry_rules.h"
#include "ui/app_state.h"
#include "ui/context_help.h"
#include "ui/entry_rules.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"

namespace psui {

namespace {

// The longest header path the record holds.
constexpr int kHeaderPathLimit = static_cast<int>(sizeof(SettingsBlock::externalHeaderFile)) - 1;

SettingsBlock& Record() { return TheApp().settings; }

int16_t CheckState(const Button& box) { return box.IsChecked() ? 1 : 0; }

// The string table holds the filter with "|" between its parts; the dialog
// wants NULs, and two of them at the end.
std::string FileFilter() {
  std::string filter = LoadText(IDS_HEADER_FILE_FILTER);
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  return filter + '\0';
}

// The 8.3 form of an existing file's path; the path itself when the system
// cannot give one.
std::string ShortPath(const char* path) {
  char buffer[MAX_PATH];
  const DWORD length = GetShortPathNameA(path, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return path;
  return std::string(buffer, length);
}

}  // namespace

bool CPostScriptOptions::OnInitDialog() {
  SettingsBlock& record = Record();
  Edit path = Item<Edit>(IDC_POSTSCRIPT_HEADER_FILE);
  path.LimitText(kHeaderPathLimit);
  path.SetText(std::string(FieldText(record.externalHeaderFile)));
  Item(IDC_POSTSCRIPT_TIMEOUT).SetText(std::to_string(record.jobTimeout));
  initialised_ = true;

  Item(IDC_POSTSCRIPT_ALLOW_APP).Enable(false);
  Item<Button>(IDC_POSTSCRIPT_ERRORS).SetCheck(record.printPsErrors != 0);
  Button useHeader = Item<Button>(IDC_POSTSCRIPT_USE_HEADER);
  useHeader.SetCheck(record.useExternalHeader != 0);
  record.useExternalHeader = CheckState(useHeader);
  Item(IDC_POSTSCRIPT_HEADER_FILE).Enable(useHeader.IsChecked());
  Item(IDC_POSTSCRIPT_BROWSE).Enable(useHeader.IsChecked());
  return true;
}

bool CPostScriptOptions::OnCommand(int id, int code, HWND) {
  if (id == IDC_POSTSCRIPT_TIMEOUT) {
    if (code != EN_CHANGE) return false;
    OnTimeoutChanged();
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_POSTSCRIPT_USE_HEADER: OnUseHeaderClicked(); return true;
    case IDC_POSTSCRIPT_BROWSE: OnBrowse(); return true;
    case IDC_POSTSCRIPT_HELP: OpenHelpContext(hwnd_, IDD_POSTSCRIPT_OPTIONS); return true;
    default: return false;
  }
}

void CPostScriptOptions::OnUseHeaderClicked() {
  // The path stays as it is: unticking keeps it, and OK stores it.
  const bool use = Item<Button>(IDC_POSTSCRIPT_USE_HEADER).IsChecked();
  Record().useExternalHeader = use ? 1 : 0;
  Item(IDC_POSTSCRIPT_HEADER_FILE).Enable(use);
  Item(IDC_POSTSCRIPT_BROWSE).Enable(use);
}

void CPostScriptOptions::OnBrowse() {
  // The time-out being typed is checked before the file dialog opens.
  Item(IDC_POSTSCRIPT_BROWSE).Focus();
  const std::string filter = FileFilter();
  char file[MAX_PATH] = {};
  OPENFILENAMEA dialog = {};
  // The size Windows 95's comdlg32 knows; it refuses the later, larger one.
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.hwndOwner = hwnd_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOLONGNAMES | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&dialog)) return;

  const std::string path = ShortPath(file);
  if (path.size() > static_cast<size_t>(kHeaderPathLimit)) {
    ShowMessage(LoadText(IDS_HEADER_PATH_TOO_LONG), MB_OK, nullptr, hwnd_);
    return;
  }
  SetFieldText(Record().externalHeaderFile, path);
  Item(IDC_POSTSCRIPT_HEADER_FILE).SetText(path);
}

void CPostScriptOptions::OnTimeoutChanged() {
  if (!initialised_) return;
  // Cancel, and the focus leaving the program, are no moment to complain.
  HWND focus = GetFocus();
  const int focusId = focus ? GetDlgCtrlID(focus) : 0;
  if (focusId == 0 || focusId == IDCANCEL) return;
  if (ReportWhileTyping(Item(IDC_POSTSCRIPT_TIMEOUT).Text(), kJobTimeoutRange)) RefuseTimeout();
}

void CPostScriptOptions::RefuseTimeout() {
  ShowUnownedMessage(RangeMessage(kJobTimeoutRange.low, kJobTimeoutRange.high), MB_OK | MB_TASKMODAL);
  Item(IDC_POSTSCRIPT_TIMEOUT).Focus();
}

void CPostScriptOptions::OnOK() {
  SettingsBlock& record = Record();
  record.allowAppPostScript = CheckState(Item<Button>(IDC_POSTSCRIPT_ALLOW_APP));
  record.printPsErrors = CheckState(Item<Button>(IDC_POSTSCRIPT_ERRORS));
  record.useExternalHeader = CheckState(Item<Button>(IDC_POSTSCRIPT_USE_HEADER));

  const std::string typed = Item(IDC_POSTSCRIPT_TIMEOUT).Text();
  std::optional<int> timeout;
  if (CheckNumericEntry(typed.c_str(), kWholeNumber)) timeout = AcceptedNumber(typed, kJobTimeoutRange);
  if (!timeout) {
    RefuseTimeout();
    return;
  }
  record.jobTimeout = static_cast<int16_t>(*timeout);
  SetFieldText(record.externalHeaderFile, Item(IDC_POSTSCRIPT_HEADER_FILE).Text());
  EndDialog(IDOK);
}

}  // namespace psui
