// Turning a completed parse-time model into an image.
#pragma once

#include "ppd/ppd_image.h"
#include "ppd/ppd_parser.h"

namespace psui {

// Measures, allocates and writes the image, releases the parser (always)
// and fixes the image up; null when the block cannot be allocated.
PpdImage* PpdFlatten(PpdParser* parser);

// Turns every offset stored in the image into an address inside it (0 and
// offsets past imageSize become null) and rebuilds builtinKeywords.
void PpdFixUp(PpdImage* image);

}  // namespace psui
