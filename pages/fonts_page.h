// Fonts: the font substitution table.
#pragma once

#include "ui/property_page.h"
#include "resources/resource.h"

namespace psui {

class CFonts : public PropertyPage {
 public:
  CFonts() : PropertyPage(IDD_FONTS) {}
};

}  // namespace psui
