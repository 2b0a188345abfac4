#include "pages/fonts_page.h"

#include "ui/app_state.h"
#include "ui/font_families.h"
#include "ui/message_box.h"

namespace psui {

namespace {

SettingsBlock& Record() { return TheApp().settings; }

// The entry whose text is exactly `text` (case included); -1 when none is.
int FindExact(const ListBox& list, const std::string& text) {
  for (int index = list.FindStringExact(-1, text.c_str()), first = index; index >= 0;) {
    if (list.ItemText(index) == text) return index;
    index = list.FindStringExact(index, text.c_str());
    if (index == first) break;
  }
  return -1;
}

}  // namespace

bool CFonts::OnSetActive() {
  Load();
  return true;
}

void CFonts::Load() {
  const SettingsBlock& record = Record();
  ListBox system = Item<ListBox>(IDC_FONTS_SYSTEM_FONTS);
  ListBox printer = Item<ListBox>(IDC_FONTS_PRINTER_FONTS);
  system.ResetContent();
  printer.ResetContent();

  const bool substitute = record.fontSubstitution != 0;
  CheckRadioButton(hwnd_, IDC_FONTS_DOWNLOAD_TRUETYPE, IDC_FONTS_USE_SUBSTITUTION,
                   substitute ? IDC_FONTS_USE_SUBSTITUTION : IDC_FONTS_DOWNLOAD_TRUETYPE);
  EnableSubstitution(substitute);

  for (const std::string& family : TrueTypeFamiliesOf(hwnd_)) {
    if (FindExact(system, family) < 0) system.AddString(family.c_str());
  }
  printer.AddString(LoadText(IDS_DOWNLOAD_AS_TEMPORARY).c_str());
  for (const std::string& name : ReadResidentFontNames(record)) {
    if (FindExact(printer, name) < 0) printer.AddString(name.c_str());
  }

  LoadTable();
  system.SetCurSel(0);
  printer.SetCurSel(0);
  ShowMapping();
  Item(IDC_FONTS_DOWNLOAD_MANAGER).Show(false);
}

void CFonts::LoadTable() {
  const SettingsBlock& record = Record();
  table_ = FontSubstitutionTable();
  if (ReadFontSubstitutionTable(record, &table_)) return;
  // Storing an empty table on leaving would wipe out the default just
  // copied: the copy is this visit's table.
  if (CopyDefaultFontTable(record)) ReadFontSubstitutionTable(record, &table_);
}

void CFonts::EnableSubstitution(bool enable) const {
  for (int id : {IDC_FONTS_SYSTEM_FONTS, IDC_FONTS_PRINTER_FONTS, IDC_FONTS_DEFAULT_TABLE}) Item(id).Enable(enable);
}

void CFonts::ShowMapping() {
  ListBox system = Item<ListBox>(IDC_FONTS_SYSTEM_FONTS);
  ListBox printer = Item<ListBox>(IDC_FONTS_PRINTER_FONTS);
  const int selected = system.CurSel();
  const std::string* mapped = selected >= 0 ? table_.Find(system.ItemText(selected)) : nullptr;
  // A printer font the list lacks shows as no selection.
  printer.SetCurSel(mapped ? FindExact(printer, *mapped) : 0);
}

void CFonts::SetMapping() {
  ListBox system = Item<ListBox>(IDC_FONTS_SYSTEM_FONTS);
  ListBox printer = Item<ListBox>(IDC_FONTS_PRINTER_FONTS);
  const int systemFont = system.CurSel();
  const int printerFont = printer.CurSel();
  // Without a system font there is nothing to map (an empty name would end
  // the table).
  if (systemFont < 0 || printerFont < 0) return;
  table_.Set(system.ItemText(systemFont), printer.ItemText(printerFont));
}

void CFonts::RestoreDefaultTable() {
  CopyDefaultFontTable(Record());
  Item<ListBox>(IDC_FONTS_SYSTEM_FONTS).SetCurSel(0);
  Item<ListBox>(IDC_FONTS_PRINTER_FONTS).SetCurSel(0);
  LoadTable();
  ShowMapping();
}

bool CFonts::OnCommand(int id, int code, HWND control) {
  SettingsBlock& record = Record();
  switch (id) {
    case IDC_FONTS_DOWNLOAD_TRUETYPE:
    case IDC_FONTS_USE_SUBSTITUTION:
      if (code != BN_CLICKED) return false;
      record.fontSubstitution = id == IDC_FONTS_USE_SUBSTITUTION ? 1 : 0;
      EnableSubstitution(record.fontSubstitution != 0);
      return true;
    case IDC_FONTS_SYSTEM_FONTS:
      if (code != LBN_SELCHANGE) return false;
      ShowMapping();
      return true;
    case IDC_FONTS_PRINTER_FONTS:
      if (code != LBN_SELCHANGE) return false;
      SetMapping();
      return true;
    case IDC_FONTS_DEFAULT_TABLE:
      if (code != BN_CLICKED) return false;
      RestoreDefaultTable();
      return true;
    default: return false;
  }
}

bool CFonts::OnKillActive() {
  SettingsBlock& record = Record();
  WriteFontSubstitutionTable(record, table_);
  record.fontSubstitution = Item<Button>(IDC_FONTS_USE_SUBSTITUTION).IsChecked() ? 1 : 0;
  return true;
}

}  // namespace psui
