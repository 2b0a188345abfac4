#include "pages/consumables_page.h"

#include <string>

#include "ui/app_state.h"
#include "ui/link_button.h"
#include "ui/message_box.h"
#include "ui/printer_wait.h"
#include "ui/web_link.h"

namespace psui {

namespace {

// The four controls of one display slot.
struct SlotControls {
  int name;
  int value;
  int bar;
  int level;
};

SlotControls ControlsOf(size_t slot) {
  const int n = static_cast<int>(slot);
  return {IDC_CONSUMABLES_NAME_FIRST + n, IDC_CONSUMABLES_VALUE_FIRST + n, IDC_CONSUMABLES_BAR_FIRST + n,
          IDC_CONSUMABLES_LEVEL_FIRST + n};
}

const SupplyTexts& Texts() {
  static const SupplyTexts texts = {
      LoadText(IDS_SUPPLIES_TITLE),       LoadText(IDS_SUPPLIES_TONER), LoadText(IDS_SUPPLIES_PRINT_UNIT),
      LoadText(IDS_SUPPLIES_UNAVAILABLE), LoadText(IDS_SUPPLY_FULL),    LoadText(IDS_SUPPLY_NEARLY_FULL),
      LoadText(IDS_SUPPLY_READY),
  };
  return texts;
}

}  // namespace

bool CConsumables::OnInitDialog() {
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
      OpenInBrowser(LoadText(IDS_SHOP_ADDRESS));
      return true;
    case IDC_CONSUMABLES_PRINTER_LINK:
      OpenInBrowser(FieldText(TheApp().settings.printerAddress));
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
    PrinterWait wait(Item(IDC_CONSUMABLES_REFRESH).hwnd());
    AppState& app = TheApp();
    if (QuerySupplies(app.settings, app.optionQueries, app.supplyColumns, rows_)) ++printerQueries_;
  }
  Display();
}

void CConsumables::Display() {
  // Every slot starts as a supply with a bar; what the plan leaves unused is
  // hidden again below.
  for (size_t slot = 0; slot < kSupplySlotCount; ++slot) {
    SlotControls ids = ControlsOf(slot);
    Item(ids.name).Show(true);
    Item(ids.value).Show(false);
    Item(ids.bar).Show(true);
    Item(ids.level).Show(true);
  }
  const SupplyDisplay display = PlanSupplyDisplay(rows_, FieldText(TheApp().settings.printerName), Texts());
  Control title = Item(IDC_CONSUMABLES_TITLE);
  title.SetText(display.title);
  title.Show(display.titleShown);
  Item(IDC_CONSUMABLES_HEADER).SetText(display.header);
  for (size_t slot = 0; slot < kSupplySlotCount; ++slot) ShowSlot(slot, display.slots[slot]);
}

void CConsumables::ShowSlot(size_t slot, const SupplySlot& plan) {
  SlotControls ids = ControlsOf(slot);
  Item(ids.name).Show(plan.used);
  Item(ids.value).Show(plan.used && plan.valueShown);
  Item(ids.bar).Show(plan.used && plan.barShown);
  Item(ids.level).Show(plan.used && plan.levelShown);
  if (!plan.used) return;
  Item(ids.name).SetText(plan.name);
  if (plan.valueShown) Item(ids.value).SetText(plan.valueText);
  if (plan.barShown) {
    ProgressBar bar = Item<ProgressBar>(ids.bar);
    bar.SetRange(0, plan.barMaximum);
    bar.SetPos(plan.barPosition);
  }
  if (plan.levelShown) Item(ids.level).SetText(plan.levelText);
}

}  // namespace psui
