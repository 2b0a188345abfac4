// The JSON form of a compiled PPD image that ppd_dump prints.
#pragma once

#include <string>

#include "ppd/ppd_image.h"

namespace psui {

// Header fields by their record names (strings as text or null, fixed
// values as their raw integers), then keywords with their options, fonts,
// and the order-dependency and constraint tables.
std::string PpdImageToJson(const PpdImage& image);

}  // namespace psui
