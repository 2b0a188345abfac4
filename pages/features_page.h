// Features: resolution and colour configuration, and the document dialogs.
#pragma once

#include "ui/property_page.h"
#include "resources/resource.h"

namespace psui {

class CFeatures : public PropertyPage {
 public:
  CFeatures() : PropertyPage(IDD_FEATURES) {}
};

}  // namespace psui
