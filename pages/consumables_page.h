// Consumables: the printer's toner and print-unit levels (device mode).
#pragma once

#include "ui/property_page.h"
#include "resources/resource.h"

namespace psui {

class CConsumables : public PropertyPage {
 public:
  CConsumables() : PropertyPage(IDD_CONSUMABLES) {}
};

}  // namespace psui
