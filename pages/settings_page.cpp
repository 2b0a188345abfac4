#include "pages/settings_page.h"

#include <string>

#include "pages/account_data.h"
#include "ui/app_state.h"
#include "ui/list_helpers.h"
#include "ui/message_box.h"
#include "ui/printer_wait.h"

namespace psui {

namespace {

struct AccountEdit {
  int id;
  AccountField field;
  int limit;
};

constexpr AccountEdit kAccountEdits[] = {
    {IDC_SETTINGS_AUTHOR, AccountField::kAuthor, kAuthorLength},
    {IDC_SETTINGS_HOST, AccountField::kHost, kHostLength},
    {IDC_SETTINGS_ACCOUNT, AccountField::kAccountNumber, kAccountNumberLength},
};

const AccountEdit* AccountEditFor(int id) {
  for (const AccountEdit& edit : kAccountEdits) {
    if (edit.id == id) return &edit;
  }
  return nullptr;
}

SettingsBlock& Record() { return TheApp().settings; }

}  // namespace

bool CSettings::OnInitDialog() {
  queries_ = TheApp().optionQueries;
  columns_ = TheApp().supplyColumns;
  for (const AccountEdit& edit : kAccountEdits) Item<Edit>(edit.id).LimitText(edit.limit);
  FillOptionLists();
  Item(IDC_SETTINGS_ADD).Enable(false);
  Item(IDC_SETTINGS_REMOVE).Enable(false);
  {
    PrinterWait wait;
    linkStatus_ = CheckTwoWayLink(Record(), queries_, columns_, rows_);
  }
  Item(IDC_SETTINGS_LINK_STATUS)
      .SetText(LoadText(linkStatus_ == kPrinterAnswered ? IDS_LINK_ESTABLISHED : IDS_LINK_UNAVAILABLE));
  Item(IDC_SETTINGS_PORT).SetText(std::string(FieldText(Record().portName)));
  // The printer's own report decides the options.
  if (linkStatus_ == kPrinterAnswered) {
    Item(IDC_SETTINGS_AVAILABLE).Enable(false);
    Item(IDC_SETTINGS_INSTALLED).Enable(false);
  }
  ReadAuthorName(Record());
  return true;
}

bool CSettings::OnSetActive() {
  Item(IDC_SETTINGS_PORT).SetText(std::string(FieldText(Record().portName)));
  Item(IDC_SETTINGS_PORT).Enable(false);
  ReadAuthorName(Record());
  for (const AccountEdit& edit : kAccountEdits) {
    Item(edit.id).SetText(std::string(AccountText(Record(), edit.field)));
  }
  Item(IDC_SETTINGS_AUTHOR).Enable(false);
  return true;
}

bool CSettings::OnKillActive() {
  // OK pressed with Enter, or from outside the page, while the caret is still
  // in an edit: what was typed there counts as if the edit had been left.
  StoreEdit(IDC_SETTINGS_HOST);
  StoreEdit(IDC_SETTINGS_ACCOUNT);
  LeaveSettingsPage(Record());
  return true;
}

bool CSettings::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_SETTINGS_AVAILABLE:
    case IDC_SETTINGS_INSTALLED:
      if (code != LBN_SELCHANGE) return false;
      Item(IDC_SETTINGS_ADD).Enable(id == IDC_SETTINGS_AVAILABLE);
      Item(IDC_SETTINGS_REMOVE).Enable(id == IDC_SETTINGS_INSTALLED);
      return true;
    case IDC_SETTINGS_ADD:
      if (code != BN_CLICKED) return false;
      OnAdd();
      return true;
    case IDC_SETTINGS_REMOVE:
      if (code != BN_CLICKED) return false;
      OnRemove();
      return true;
    default:
      return false;
  }
}

void CSettings::OnEditFocusLost(int id, HWND) {
  if (AccountEditFor(id)) StoreEdit(id);
}

void CSettings::StoreEdit(int id) {
  const AccountEdit* edit = AccountEditFor(id);
  StoreAccountText(Record(), edit->field, Item(id).Text());
}

void CSettings::FillOptionLists() {
  ListBox available = Item<ListBox>(IDC_SETTINGS_AVAILABLE);
  ListBox installed = Item<ListBox>(IDC_SETTINGS_INSTALLED);
  available.ResetContent();
  installed.ResetContent();
  for (const InstallableOption& option : ListInstallableOptions(TheApp().ppdImage, Record())) {
    const ListBox& list = option.installed ? installed : available;
    // The lists are sorted: the entry's data goes where its text went.
    int index = list.AddString(option.text.c_str());
    if (index >= 0) list.SetItemData(index, static_cast<LRESULT>(option.flag));
  }
  FitHorizontalExtent(available);
  FitHorizontalExtent(installed);
}

OptionFlag CSettings::MoveSelected(int from, int to) {
  ListBox source = Item<ListBox>(from);
  ListBox target = Item<ListBox>(to);
  int selected = source.CurSel();
  if (selected < 0) return kNoOptionFlag;
  std::string text = source.ItemText(selected);
  auto flag = static_cast<OptionFlag>(source.ItemData(selected));
  source.DeleteString(selected);
  int index = target.AddString(text.c_str());
  if (index >= 0) target.SetItemData(index, static_cast<LRESULT>(flag));
  FitHorizontalExtent(source);
  FitHorizontalExtent(target);
  return flag;
}

void CSettings::OnAdd() {
  OptionFlag flag = MoveSelected(IDC_SETTINGS_AVAILABLE, IDC_SETTINGS_INSTALLED);
  if (flag != kNoOptionFlag && InstallOption(Record(), flag)) FillOptionLists();
  Item(IDC_SETTINGS_ADD).Enable(false);
  MoveFocus(IDC_SETTINGS_AVAILABLE);
}

void CSettings::OnRemove() {
  OptionFlag flag = MoveSelected(IDC_SETTINGS_INSTALLED, IDC_SETTINGS_AVAILABLE);
  if (flag != kNoOptionFlag && RemoveOption(Record(), flag)) FillOptionLists();
  Item(IDC_SETTINGS_REMOVE).Enable(false);
  MoveFocus(IDC_SETTINGS_INSTALLED);
}

void CSettings::MoveFocus(int id) {
  // Through the dialog manager, so the default button follows the focus.
  SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id).hwnd()), TRUE);
}

}  // namespace psui
