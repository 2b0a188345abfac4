#include "pages/advanced_paper_dialog.h"

#include <cstddef>
#include <cstring>

#include "exchange/code_tables.h"
#include "pages/option_lookup.h"
#include "ui/app_state.h"
#include "ui/context_help.h"
#include "ui/list_helpers.h"
#include "ui/message_box.h"

namespace psui {

namespace {

constexpr int kMatchPaperSizeCode = 7;  // "Adatta formato carta"

// Each special page: its check box, its source list and the offsets of its
// two record fields (packed, many at odd offsets: read and written by copy).
struct SpecialPage {
  int checkId;
  int listId;
  size_t on;
  size_t source;
};

// In the order the lists are filled: the first page, then banner, trailer.
constexpr SpecialPage kSpecialPages[] = {
    {IDC_ADVPAPER_FIRST_PAGE, IDC_ADVPAPER_FIRST_PAGE_SOURCE, offsetof(SettingsBlock, firstPageSourceOn),
     offsetof(SettingsBlock, firstPageSource)},
    {IDC_ADVPAPER_BANNER, IDC_ADVPAPER_BANNER_SOURCE, offsetof(SettingsBlock, bannerPage),
     offsetof(SettingsBlock, bannerPageSource)},
    {IDC_ADVPAPER_TRAILER, IDC_ADVPAPER_TRAILER_SOURCE, offsetof(SettingsBlock, trailerPage),
     offsetof(SettingsBlock, trailerPageSource)},
};

int16_t FieldAt(const SettingsBlock& record, size_t offset) {
  int16_t value;
  std::memcpy(&value, reinterpret_cast<const uint8_t*>(&record) + offset, sizeof value);
  return value;
}

void SetFieldAt(SettingsBlock& record, size_t offset, int value) {
  const int16_t stored = static_cast<int16_t>(value);
  std::memcpy(reinterpret_cast<uint8_t*>(&record) + offset, &stored, sizeof stored);
}

}  // namespace

bool AdvancedPaperDialog::OnInitDialog() {
  const SettingsBlock& record = TheApp().settings;
  for (const SpecialPage& page : kSpecialPages) Item<Button>(page.checkId).SetCheck(FieldAt(record, page.on) != 0);
  Item<Button>(IDC_ADVPAPER_AUTO_CONTINUE).SetCheck(record.autoContinue != 0);
  const PpdImage* image = TheApp().ppdImage;
  if (!image || !image->FindKeyword("PageSize")) return true;
  // The paper's text for the constraints; without a translated option of
  // that name (the custom size) the last translated one stands in.
  const char* paper = TranslationOf(*image, "PageSize", CodeNameFor(kPageSizeCodes, record.paperSize));
  if (!paper) paper = LastTranslation(*image, "PageSize");
  for (const SpecialPage& page : kSpecialPages) {
    FillSourceList(page.listId, page.checkId, FieldAt(record, page.source), paper);
    if (page.listId == IDC_ADVPAPER_FIRST_PAGE_SOURCE && record.deviceMode) {
      // The printer's own settings have no first page: hidden, yet still stored.
      for (int id : {IDC_ADVPAPER_FIRST_PAGE, IDC_ADVPAPER_FIRST_PAGE_SOURCE, IDC_ADVPAPER_FIRST_PAGE_GROUP}) {
        Item(id).Show(false);
      }
    }
  }
  return true;
}

void AdvancedPaperDialog::FillSourceList(int listId, int checkId, int code, const char* paperText) {
  ComboBox list = Item<ComboBox>(listId);
  list.Enable(Item<Button>(checkId).IsChecked());
  list.ResetContent();
  int index = list.AddString(LoadText(IDS_MATCH_PAPER_SIZE).c_str());
  if (index >= 0) list.SetItemData(index, kMatchPaperSizeCode);
  FillListFromPpd(list, "InputSlot", kInputSlotCodes, code);
  if (!SelectListCode(list, code) && list.CurSel() < 0) list.SetCurSel(0);
  if (paperText) RemoveConstrainedItems("PageSize", paperText, list, "InputSlot");
  RemoveItemsForMissingOptions(list, "InputSlot");
}

bool AdvancedPaperDialog::OnCommand(int id, int code, HWND control) {
  for (const SpecialPage& page : kSpecialPages) {
    if (id == page.checkId && code == BN_CLICKED) {
      Item(page.listId).Enable(Item<Button>(id).IsChecked());
      return true;
    }
  }
  if (id == IDC_ADVPAPER_HELP && code == BN_CLICKED) {
    OpenHelpContext(hwnd_, IDD_ADVANCED_PAPER);
    return true;
  }
  return false;
}

void AdvancedPaperDialog::OnOK() {
  SettingsBlock& record = TheApp().settings;
  for (const SpecialPage& page : kSpecialPages) {
    SetFieldAt(record, page.on, Item<Button>(page.checkId).IsChecked() ? 1 : 0);
    SetFieldAt(record, page.source, SelectedListCode(Item<ComboBox>(page.listId)));
  }
  record.autoContinue = Item<Button>(IDC_ADVPAPER_AUTO_CONTINUE).IsChecked() ? 1 : 0;
  EndDialog(IDOK);
}

}  // namespace psui
