// About: product text, web links and restore defaults.
#pragma once

#include "ui/property_page.h"
#include "resources/resource.h"

namespace psui {

class CAbout : public PropertyPage {
 public:
  CAbout() : PropertyPage(IDD_ABOUT) {}
};

}  // namespace psui
