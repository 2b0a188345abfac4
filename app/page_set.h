// The pages of the sheet, in tab order, and which of them a run shows.
#pragma once

#include <cstddef>
#include <vector>

namespace psui {

// When a page joins the sheet.
enum class PageCondition {
  kAlways,
  kDeviceMode,          // deviceMode non-zero
  kDeviceModeAndQuery,  // deviceMode non-zero and the printer could be asked
};

struct SheetPage {
  int dialogId;
  PageCondition condition;
};

constexpr size_t kSheetPageCount = 8;
// Every page of the sheet, in tab order: the one place that order is written.
extern const SheetPage kSheetPages[kSheetPageCount];

// Dialog ids of the pages a run shows, in tab order.
std::vector<int> SheetPageDialogs(bool deviceMode, int linkStatus);

}  // namespace psui
