// Paper: size, source, type and output tray, narrowed by constraints and installed units.
#pragma once

#include "ui/property_page.h"
#include "resources/resource.h"

namespace psui {

class CPaper : public PropertyPage {
 public:
  CPaper() : PropertyPage(IDD_PAPER) {}
};

}  // namespace psui
