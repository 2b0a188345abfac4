#include "pages/consumables_page.h"

#include <string>

#include "ui/app_state.h"
#include "ui/link_button.h"
#include "ui/message_box.h"
#include "ui/printer_wait.h"
#include "ui/web_link.h"

namespace psui {

namespace {

constexpr int32_t kLargest16BitRange = 0xFFFF;

const SupplyTexts& Texts() {
  static const SupplyTexts texts = {
      LoadText(IDS_SUPPLIES_TITLE),       LoadText(IDS_SUPPLIES_TONER), LoadText(IDS_SUPPLIES_PRINT_UNIT),
      LoadText(IDS_SUPPLIES_UNAVAILABLE), LoadText(IDS_SUPPLY_FULL),    LoadText(IDS_SUPPLY_NEARLY_FULL),
      LoadText(IDS_SUPPLY_READY),
  };
  return texts;
}

// The control's own visibility, not its parent's: the page itself is still
// hidden while its first activation fills it.
void ShowIfChanged(const Control& control, bool shown) {
  bool now = (GetWindowLongA(control.hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
  if (now != shown) control.Show(shown);
}

void SetTextIfChanged(const Control& control, const std::string& text) {
  if (control.Text() != text) control.SetText(text);
}

}  // namespace

bool CConsumables::OnInitDialog() {
  // The display's controls, found once: each refresh touches all of them.
  for (size_t slot = 0; slot < kSupplySlotCount; ++slot) {
    const int n = static_cast<int>(slot);
    slots_[slot] = {Item(IDC_CONSUMABLES_NAME_FIRST + n), Item(IDC_CONSUMABLES_VALUE_FIRST + n),
                    Item<ProgressBar>(IDC_CONSUMABLES_BAR_FIRST + n), Item(IDC_CONSUMABLES_LEVEL_FIRST + n)};
  }
  title_ = Item(IDC_CONSUMABLES_TITLE);
  header_ = Item(IDC_CONSUMABLES_HEADER);
  refresh_ = Item(IDC_CONSUMABLES_REFRESH);
  MakeLinkButton(Item(IDC_CONSUMABLES_SHOP_LINK).hwnd());
  MakeLinkButton(Item(IDC_CONSUMABLES_PRINTER_LINK).hwnd());
  return true;
}

bool CConsumables::OnSetActive() {
  Refresh();
  return true;
}

bool CConsumables::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_CONSUMABLES_REFRESH:
      Refresh();
      return true;
    case IDC_CONSUMABLES_SHOP_LINK:
      OpenInBrowser(LoadText(IDS_SHOP_ADDRESS), SW_SHOWNORMAL);
      return true;
    case IDC_CONSUMABLES_PRINTER_LINK:
      OpenInBrowser(FieldText(TheApp().settings.printerAddress), SW_SHOWNORMAL);
      return true;
    default:
      return false;
  }
}

bool CConsumables::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_CONSUMABLES_SHOP_LINK && item.CtlID != IDC_CONSUMABLES_PRINTER_LINK) return false;
  DrawLinkButton(item);
  return true;
}

void CConsumables::Refresh() {
  {
    PrinterWait wait(refresh_.hwnd());
    AppState& app = TheApp();
    if (QuerySupplies(app.settings, app.optionQueries, app.supplyColumns, rows_)) ++printerQueries_;
  }
  Display();
}

void CConsumables::Display() {
  const SupplyDisplay display = PlanSupplyDisplay(rows_, FieldText(TheApp().settings.printerName), Texts());
  SetTextIfChanged(title_, display.title);
  ShowIfChanged(title_, display.titleShown);
  SetTextIfChanged(header_, display.header);
  for (size_t slot = 0; slot < kSupplySlotCount; ++slot) ShowSlot(slot, display.slots[slot]);
}

// Each refresh starts from slots that show a name, a bar and a level, with
// the status word hidden, and then hides what the plan leaves unused; only
// the end state is applied, and only where it differs, so that a refresh
// that changes nothing costs no drawing.
void CConsumables::ShowSlot(size_t slot, const SupplySlot& plan) {
  const auto& [name, value, bar, level] = slots_[slot];
  ShowIfChanged(name, plan.used);
  ShowIfChanged(value, plan.used && plan.valueShown);
  ShowIfChanged(bar, plan.used && plan.barShown);
  ShowIfChanged(level, plan.used && plan.levelShown);
  if (!plan.used) return;
  SetTextIfChanged(name, plan.name);
  if (plan.valueShown) SetTextIfChanged(value, plan.valueText);
  if (plan.barShown) {
    // The 16-bit message where it will do: every comctl32 knows it.
    if (plan.barMaximum <= kLargest16BitRange) {
      bar.SetRange(0, static_cast<uint16_t>(plan.barMaximum));
    } else {
      bar.SetRange32(0, plan.barMaximum);
    }
    bar.SetPos(plan.barPosition);
  }
  if (plan.levelShown) SetTextIfChanged(level, plan.levelText);
}

}  // namespace psui
