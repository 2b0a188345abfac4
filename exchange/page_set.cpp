#include "exchange/page_set.h"

namespace psui {

namespace {
constexpr int kLayout = 211, kPaper = 214, kFeatures = 208, kOverlay = 213, kFonts = 209,
              kConsumables = 203, kSettings = 216, kAbout = 200;
}

const std::vector<int>& AllPageDialogs() {
  static const std::vector<int> all = {kLayout,      kPaper,    kFeatures, kOverlay,
                                       kFonts,       kConsumables, kSettings, kAbout};
  return all;
}

std::vector<int> SheetPageDialogs(bool deviceMode, int linkStatus) {
  std::vector<int> pages = {kLayout, kPaper, kFeatures, kOverlay, kFonts};
  if (deviceMode && linkStatus != kPrinterNotQueried) pages.push_back(kConsumables);
  if (deviceMode) pages.push_back(kSettings);
  pages.push_back(kAbout);
  return pages;
}

}  // namespace psui
