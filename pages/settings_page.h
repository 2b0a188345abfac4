// Settings: two-way communication status, accounting data, installed options (device mode).
#pragma once

#include "pages/installed_options.h"
#include "printer_comm/printer_queries.h"
#include "resources/resource.h"
#include "ui/property_page.h"

namespace psui {

class CSettings : public PropertyPage {
 public:
  CSettings() : PropertyPage(IDD_SETTINGS) {}

  // The outcome of the page's own check of the printer (kPrinterAnswered,
  // kPrinterQueryFailed, kPrinterNotQueried); 0 before the page is shown.
  int linkStatus() const { return linkStatus_; }

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;
  // Takes what the edits hold and enforces the option rules; always lets go.
  bool OnKillActive() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnEditFocusLost(int id, HWND focusTo) override;

 private:
  void FillOptionLists();
  void OnAdd();
  void OnRemove();
  // Moves the selected entry of `from` into `to`; its flag, or kNoOptionFlag
  // when `from` has no selection.
  OptionFlag MoveSelected(int from, int to);
  void StoreEdit(int id);
  void MoveFocus(int id);

  int linkStatus_ = 0;
  OptionQuery* queries_ = nullptr;
  const OptionQuery* columns_ = nullptr;
  // Read by the check, shown nowhere.
  SupplyRow rows_[kSupplyRowCount] = {};
};

}  // namespace psui
