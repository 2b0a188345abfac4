#include "pages/layout_page.h"

#include "exchange/code_tables.h"
#include "pages/layout_preview.h"
#include "pages/option_lookup.h"
#include "ui/app_state.h"
#include "ui/list_helpers.h"
#include "ui/message_box.h"

namespace psui {

namespace {

constexpr int kBooklet = 99;
constexpr char kBookletName[] = "Libretto";

// The radio button of a record value: the first of `buttons` for `values[0]`,
// and so on; the last button for any other value.
int RadioFor(int value, const int (&values)[2], const int (&buttons)[3]) {
  for (int i = 0; i < 2; ++i) {
    if (value == values[i]) return buttons[i];
  }
  return buttons[2];
}

constexpr int kOrientationButtons[] = {IDC_LAYOUT_PORTRAIT, IDC_LAYOUT_LANDSCAPE, IDC_LAYOUT_LANDSCAPE_ROTATED};
constexpr int kOrientations[] = {1, 2, 270};
constexpr int kDuplexButtons[] = {IDC_LAYOUT_SIMPLEX, IDC_LAYOUT_LONG_EDGE, IDC_LAYOUT_SHORT_EDGE};

}  // namespace

bool CLayout::OnInitDialog() {
  SettingsBlock& record = TheApp().settings;
  const PpdImage* image = TheApp().ppdImage;
  if (image && image->FindKeyword("Duplex") && !image->FindKeyword("Optionalduplexer")) {
    record.duplexerInstalled = 1;
  }
  RefreshPreview();
  return true;
}

bool CLayout::OnSetActive() {
  Activate();
  return true;
}

void CLayout::Activate() {
  SettingsBlock& record = TheApp().settings;
  const PpdImage* image = TheApp().ppdImage;
  if (!image || !image->FindKeyword("PageSize")) return;
  // Options without name or translation are never shown: passed over, so
  // they cannot cut the sequence short.
  const char* paper = TranslationOf(*image, "PageSize", CodeNameFor(kPageSizeCodes, record.paperSize));
  ComboBox pages = Item<ComboBox>(IDC_LAYOUT_PAGES_PER_SHEET);
  pages.ResetContent();
  FillListFromTable(pages, kPagesPerSheetCodes, record.pagesPerSheet);
  SelectListCode(pages, record.pagesPerSheet);
  if (!record.duplexerInstalled) RemoveBooklet();
  CheckRadioButton(hwnd_, IDC_LAYOUT_PORTRAIT, IDC_LAYOUT_LANDSCAPE_ROTATED,
                   RadioFor(record.orientation, {1, 2}, kOrientationButtons));
  if (record.duplexerInstalled) {
    for (int id : kDuplexButtons) Item(id).Enable(true);
    const char* type = TranslationOf(*image, "MediaType", CodeNameFor(kMediaTypeCodes, record.mediaType));
    const char* source = TranslationOf(*image, "InputSlot", CodeNameFor(kInputSlotCodes, record.inputSlot));
    // One enumeration after the other: the constraint cursor is shared.
    const bool by_paper = RulesOutKeyword(*image, "PageSize", paper, "Duplex");
    const bool by_type = RulesOutKeyword(*image, "MediaType", type, "Duplex");
    const bool by_source = RulesOutKeyword(*image, "InputSlot", source, "Duplex");
    if (by_paper || by_type || by_source) ExcludeDuplex();
    if (record.paperSize == kCustomPaperCode) RemoveBooklet();
    if (record.pagesPerSheet == kBooklet) {
      // A booklet is bound on the long edge.
      Item(IDC_LAYOUT_SHORT_EDGE).Enable(false);
      record.duplex = 2;
      RefreshPreview();
    }
    CheckRadioButton(hwnd_, IDC_LAYOUT_SIMPLEX, IDC_LAYOUT_SHORT_EDGE, RadioFor(record.duplex, {1, 2}, kDuplexButtons));
  } else {
    record.duplex = 1;
    CheckRadioButton(hwnd_, IDC_LAYOUT_SIMPLEX, IDC_LAYOUT_SHORT_EDGE, IDC_LAYOUT_SIMPLEX);
    for (int id : kDuplexButtons) Item(id).Enable(false);
  }
  if (record.pagesPerSheet == 1) record.pageBorders = 0;
  Item(IDC_LAYOUT_PAGE_BORDERS).Enable(record.pagesPerSheet != 1);
  Item<Button>(IDC_LAYOUT_PAGE_BORDERS).SetCheck(record.pageBorders != 0);
  RefreshPreview();
}

void CLayout::RemoveBooklet() {
  ComboBox pages = Item<ComboBox>(IDC_LAYOUT_PAGES_PER_SHEET);
  int index = pages.FindString(-1, kBookletName);
  if (index >= 0) {
    const bool selected = pages.CurSel() == index;
    pages.DeleteString(index);
    if (selected) pages.SetCurSel(0);
  }
  TheApp().settings.pagesPerSheet = static_cast<int16_t>(SelectedListCode(pages));
}

void CLayout::ExcludeDuplex() {
  TheApp().settings.duplex = 1;
  Item(IDC_LAYOUT_LONG_EDGE).Enable(false);
  Item(IDC_LAYOUT_SHORT_EDGE).Enable(false);
  RemoveBooklet();
}

void CLayout::OnPagesPerSheetChosen() {
  SettingsBlock& record = TheApp().settings;
  record.pagesPerSheet = static_cast<int16_t>(SelectedListCode(Item<ComboBox>(IDC_LAYOUT_PAGES_PER_SHEET)));
  Button borders = Item<Button>(IDC_LAYOUT_PAGE_BORDERS);
  if (record.pagesPerSheet == 1) {
    borders.SetCheck(false);
    record.pageBorders = 0;
  }
  borders.Enable(record.pagesPerSheet != 1);
  Activate();
}

void CLayout::OnSimplex() {
  SettingsBlock& record = TheApp().settings;
  if (record.pagesPerSheet == kBooklet) {
    // Booklet needs both sides: leaving it goes to two pages per sheet.
    record.pagesPerSheet = 2;
    SelectListCode(Item<ComboBox>(IDC_LAYOUT_PAGES_PER_SHEET), 2);
    Item(IDC_LAYOUT_SHORT_EDGE).Enable(true);
  }
  record.duplex = 1;
  RefreshPreview();
}

bool CLayout::OnCommand(int id, int code, HWND control) {
  SettingsBlock& record = TheApp().settings;
  if (id == IDC_LAYOUT_PAGES_PER_SHEET) {
    if (pagesChoice_.Completes(Item<ComboBox>(id), code)) OnPagesPerSheetChosen();
    return true;
  }
  if (code != BN_CLICKED) return false;
  for (int i = 0; i < 3; ++i) {
    if (id == kOrientationButtons[i]) {
      record.orientation = static_cast<int16_t>(kOrientations[i]);
      RefreshPreview();
      return true;
    }
  }
  switch (id) {
    case IDC_LAYOUT_SIMPLEX: OnSimplex(); return true;
    case IDC_LAYOUT_LONG_EDGE:
    case IDC_LAYOUT_SHORT_EDGE:
      record.duplex = id == IDC_LAYOUT_LONG_EDGE ? 2 : 3;
      RefreshPreview();
      return true;
    case IDC_LAYOUT_PAGE_BORDERS:
      record.pageBorders = Item<Button>(id).IsChecked() ? 1 : 0;
      RefreshPreview();
      return true;
    default: return false;
  }
}

void CLayout::RefreshPreview() {
  const SettingsBlock& record = TheApp().settings;
  const int id = PreviewBitmapId(record.orientation, record.duplex, record.pagesPerSheet);
  HBITMAP picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
  Static preview = Item<Static>(IDC_LAYOUT_PREVIEW);
  // The control does not free what it is given; the picture it gives back
  // is ours to free.
  if (HBITMAP replaced = preview.SetBitmap(picture)) DeleteObject(replaced);
  RECT frame;
  RECT shown;
  GetWindowRect(Item(IDC_LAYOUT_PREVIEW_GROUP).hwnd(), &frame);
  GetWindowRect(preview.hwnd(), &shown);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&frame), 2);
  const int width = shown.right - shown.left;
  const int height = shown.bottom - shown.top;
  SetWindowPos(preview.hwnd(), nullptr, frame.left + (frame.right - frame.left - width) / 2,
               frame.top + (frame.bottom - frame.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLayout::OnDestroy() {
  if (HBITMAP last = Item<Static>(IDC_LAYOUT_PREVIEW).SetBitmap(nullptr)) DeleteObject(last);
}

}  // namespace psui
