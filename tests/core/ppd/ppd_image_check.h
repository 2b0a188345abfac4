// Structural checks of a finished image: every link stays inside the
// block, list lengths agree with the counts, table indices point into
// their lists (or are the no-option / not-found marks).
#pragma once

#include <string>

#include "ppd/ppd_image.h"

namespace psui::test {

// Empty when the image is sound, otherwise the first problem found.
std::string CheckImageStructure(const PpdImage& image);

}  // namespace psui::test
