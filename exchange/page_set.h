// Which pages the sheet shows, in tab order.
#pragma once

#include <vector>

namespace psui {

// Outcome of the start-up printer check.
enum LinkStatus { kPrinterAnswered = 1, kPrinterQueryFailed = 2, kPrinterNotQueried = 3 };

// Dialog ids of the sheet's pages in order: Layout, Paper, Features,
// Overlay, Fonts, then Consumables (device mode, when the printer could be
// asked) and Settings (device mode), and About last.
std::vector<int> SheetPageDialogs(bool deviceMode, int linkStatus);

// The dialog ids of all eight pages, in sheet order.
const std::vector<int>& AllPageDialogs();

}  // namespace psui
