// Consumables: the printer's toner and print-unit levels (device mode).
#pragma once

#include "pages/supply_display.h"
#include "printer_comm/printer_queries.h"
#include "resources/resource.h"
#include "ui/property_page.h"

namespace psui {

class CConsumables : public PropertyPage {
 public:
  CConsumables() : PropertyPage(IDD_CONSUMABLES) {}

  // How many refreshes asked the printer (for the tests' count of waits).
  int printerQueries() const { return printerQueries_; }

 protected:
  bool OnInitDialog() override;
  // Every activation refreshes the levels.
  bool OnSetActive() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void Refresh();
  void Display();
  void ShowSlot(size_t slot, const SupplySlot& plan);

  // The four controls of one display slot.
  struct SlotControls {
    Control name;
    Control value;  // the status word, shown instead of the bar
    ProgressBar bar;
    Control level;
  };

  SupplyRow rows_[kSupplyRowCount] = {};
  SlotControls slots_[kSupplySlotCount];
  Control title_;
  Control header_;
  Control refresh_;
  int printerQueries_ = 0;
};

}  // namespace psui
