#include "ui/list_helpers.h"

#include <cstring>

#include "ui/app_state.h"

namespace psui {

namespace {

// Without an application object the helpers behave as without an image.
const PpdImage* Image() { return CurrentApp() ? CurrentApp()->ppdImage : nullptr; }

// Appends an entry; remembers it as the one to select when its code matches.
void Append(const ComboBox& combo, const char* text, int code, int current, int* chosen) {
  int index = combo.AddString(text);
  if (index < 0) return;  // a failed insertion loses only this entry
  combo.SetItemData(index, code);
  if (code == current) *chosen = index;
}

}  // namespace

void FillListFromTableFirstN(const ComboBox& combo, const CodeRow* table, int current, int n) {
  if (n <= 0) return;
  int chosen = -1;
  for (int row = 0; row < n && table[row].name; ++row) {
    Append(combo, table[row].name, table[row].code, current, &chosen);
  }
  combo.SetCurSel(chosen >= 0 ? chosen : 0);
}

void FillListFromTable(const ComboBox& combo, const CodeRow* table, int current) {
  FillListFromTableFirstN(combo, table, current, CodeTableLength(table));
}

bool FillListFromPpd(const ComboBox& combo, const char* keyword, const CodeRow* table, int current) {
  const PpdOption* option = nullptr;
  if (!Image() || !Image()->FindOptions(keyword, &option) || !option) return false;
  int chosen = -1;
  for (; option; option = option->next) {
    if (!option->name || !option->translation) continue;
    Append(combo, option->translation, CodeFor(table, option->name), current, &chosen);
  }
  combo.SetCurSel(chosen >= 0 ? chosen : 0);
  return true;
}

int SelectedListIndex(const ComboBox& combo) { return combo.CurSel(); }

int SelectedListCode(const ComboBox& combo) {
  int index = combo.CurSel();
  return index < 0 ? -1 : static_cast<int>(combo.ItemData(index));
}

int SelectListCode(const ComboBox& combo, int value) {
  int count = combo.Count();
  for (int i = 0; i < count; ++i) {
    if (static_cast<int>(combo.ItemData(i)) == value) {
      combo.SetCurSel(i);
      return 1;
    }
  }
  return 0;
}

int RemoveConstrainedItems(const char* keyword, const char* translation, const ComboBox& combo,
                           const char* listKeyword) {
  const PpdImage* image = Image();
  if (!image) return 0;
  int removed = 0;
  int counter = 0;
  for (;;) {
    const char* constrained_keyword = nullptr;
    const char* constrained_text = nullptr;
    if (!image->NextConstraint(keyword, translation, &constrained_keyword, &constrained_text, &counter)) {
      break;
    }
    if (!constrained_keyword || std::strcmp(constrained_keyword, listKeyword) != 0) continue;
    // A constraint on the whole keyword names no option: there is no entry
    // to find by text, and an empty prefix would hit the first entry.
    if (!constrained_text || !*constrained_text) continue;
    int index = combo.FindString(-1, constrained_text);
    if (index < 0) continue;
    int selected = combo.CurSel();
    combo.DeleteString(index);
    ++removed;
    if (index == selected) combo.SetCurSel(0);
  }
  return removed;
}

void RemoveItemsForMissingOptions(const ComboBox& combo, const char* listKeyword) {
  if (!CurrentApp()) return;
  const SettingsBlock& record = CurrentApp()->settings;
  const struct {
    const char* keyword;
    uint8_t installed;
  } units[] = {
      {"OptionalBin", record.bin1Installed},
      {"OptionalBin2", record.bin2Installed},
      {"OptionalBin3", record.bin3Installed},
      {"OptionalBin4", record.bin4Installed},
      {"OptionalBin5", record.bin5Installed},
      {"Optionalfeeder", record.manualFeedInstalled},
      {"Optionalenvelope", record.envelopeFeederInstalled},
      {"OptionalMailbox", record.mailboxInstalled},
      {"ManualFeed", record.manualFeedInstalled},
  };
  for (const auto& unit : units) {
    RemoveConstrainedItems(unit.keyword, unit.installed ? "Installato" : "Non installato", combo,
                           listKeyword);
  }
}

void FitHorizontalExtent(const ListBox& list) {
  HDC dc = GetDC(list.hwnd());
  if (!dc) return;
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(list.Send(WM_GETFONT)));
  int widest = 0;
  for (int i = 0; i < list.Count(); ++i) {
    std::string text = list.ItemText(i);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (size.cx > widest) widest = size.cx;
  }
  SelectObject(dc, previous);
  ReleaseDC(list.hwnd(), dc);
  // The entries' text starts a few pixels in from the list's edge.
  list.SetHorizontalExtent(widest > 0 ? widest + 2 * GetSystemMetrics(SM_CXEDGE) : 0);
}

}  // namespace psui
