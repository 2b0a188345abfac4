#include "app/page_set.h"

#include "printer_comm/printer_queries.h"
#include "resources/resource.h"

namespace psui {

const SheetPage kSheetPages[kSheetPageCount] = {
    {IDD_LAYOUT, PageCondition::kAlways},
    {IDD_PAPER, PageCondition::kAlways},
    {IDD_FEATURES, PageCondition::kAlways},
    {IDD_OVERLAY, PageCondition::kAlways},
    {IDD_FONTS, PageCondition::kAlways},
    {IDD_CONSUMABLES, PageCondition::kDeviceModeAndQuery},
    {IDD_SETTINGS, PageCondition::kDeviceMode},
    {IDD_ABOUT, PageCondition::kAlways},
};

std::vector<int> SheetPageDialogs(bool deviceMode, int linkStatus) {
  std::vector<int> pages;
  for (const SheetPage& page : kSheetPages) {
    bool shown = page.condition == PageCondition::kAlways ||
                 (page.condition == PageCondition::kDeviceMode && deviceMode) ||
                 (page.condition == PageCondition::kDeviceModeAndQuery && deviceMode &&
                  linkStatus != kPrinterNotQueried);
    if (shown) pages.push_back(page.dialogId);
  }
  return pages;
}

}  // namespace psui
