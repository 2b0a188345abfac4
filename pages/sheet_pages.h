// The eight page objects of the sheet, in sheet order.
#pragma once

#include <memory>
#include <vector>

#include "exchange/property_page.h"

namespace psui {

std::vector<std::unique_ptr<PropertyPage>> MakeSheetPages();

}  // namespace psui
