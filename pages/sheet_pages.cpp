#include "pages/sheet_pages.h"

#include "pages/about_page.h"
#include "pages/consumables_page.h"
#include "pages/features_page.h"
#include "pages/fonts_page.h"
#include "pages/layout_page.h"
#include "pages/overlay_page.h"
#include "pages/paper_page.h"
#include "pages/settings_page.h"

namespace psui {

std::vector<std::unique_ptr<PropertyPage>> MakeSheetPages() {
  std::vector<std::unique_ptr<PropertyPage>> pages;
  pages.push_back(std::make_unique<CLayout>());
  pages.push_back(std::make_unique<CPaper>());
  pages.push_back(std::make_unique<CFeatures>());
  pages.push_back(std::make_unique<COverlay>());
  pages.push_back(std::make_unique<CFonts>());
  pages.push_back(std::make_unique<CConsumables>());
  pages.push_back(std::make_unique<CSettings>());
  pages.push_back(std::make_unique<CAbout>());
  return pages;
}

}  // namespace psui
