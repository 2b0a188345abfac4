#include "app/sheet_pages.h"

#include "app/page_set.h"
#include "pages/about_page.h"
#include "pages/consumables_page.h"
#include "pages/features_page.h"
#include "pages/fonts_page.h"
#include "pages/layout_page.h"
#include "pages/overlay_page.h"
#include "pages/paper_page.h"
#include "pages/settings_page.h"

namespace psui {

std::unique_ptr<PropertyPage> MakePage(int dialogId) {
  switch (dialogId) {
    case IDD_LAYOUT: return std::make_unique<CLayout>();
    case IDD_PAPER: return std::make_unique<CPaper>();
    case IDD_FEATURES: return std::make_unique<CFeatures>();
    case IDD_OVERLAY: return std::make_unique<COverlay>();
    case IDD_FONTS: return std::make_unique<CFonts>();
    case IDD_CONSUMABLES: return std::make_unique<CConsumables>();
    case IDD_SETTINGS: return std::make_unique<CSettings>();
    case IDD_ABOUT: return std::make_unique<CAbout>();
    default: return nullptr;
  }
}

std::vector<std::unique_ptr<PropertyPage>> MakeSheetPages() {
  std::vector<std::unique_ptr<PropertyPage>> pages;
  for (const SheetPage& page : kSheetPages) pages.push_back(MakePage(page.dialogId));
  return pages;
}

}  // namespace psui
