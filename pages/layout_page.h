// Layout: orientation, duplex, pages per sheet and booklet, with a preview.
#pragma once

#include "ui/property_page.h"
#include "resources/resource.h"

namespace psui {

class CLayout : public PropertyPage {
 public:
  CLayout() : PropertyPage(IDD_LAYOUT) {}
};

}  // namespace psui
