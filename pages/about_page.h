// About: product text, web links and restore defaults.
#pragma once

#include "resources/resource.h"
#include "ui/property_page.h"

namespace psui {

class CAbout : public PropertyPage {
 public:
  CAbout() : PropertyPage(IDD_ABOUT) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  // Centres the product picture across the page, halfway between the
  // page's top and the text.
  void PlacePicture();
};

}  // namespace psui
