// Overlay: overlays per page class and the watermark choice.
#pragma once

#include "ui/property_page.h"
#include "resources/resource.h"

namespace psui {

class COverlay : public PropertyPage {
 public:
  COverlay() : PropertyPage(IDD_OVERLAY) {}
};

}  // namespace psui
