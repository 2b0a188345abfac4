// Settings: two-way communication status, accounting data, installed options (device mode).
#pragma once

#include "ui/property_page.h"
#include "resources/resource.h"

namespace psui {

class CSettings : public PropertyPage {
 public:
  CSettings() : PropertyPage(IDD_SETTINGS) {}
};

}  // namespace psui
