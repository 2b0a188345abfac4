// Fonts: TrueType fonts sent as they are, or replaced by printer fonts
// through the printer's font substitution table.
#pragma once

#include "pages/font_substitution.h"
#include "resources/resource.h"
#include "ui/property_page.h"

namespace psui {

class CFonts : public PropertyPage {
 public:
  CFonts() : PropertyPage(IDD_FONTS) {}

 protected:
  bool OnSetActive() override;
  // Stores the table, in TrueType mode too, and the mode.
  bool OnKillActive() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  void Load();
  // This visit's table from "FontSub"; on a first visit the default table
  // is copied there and becomes this visit's table.
  void LoadTable();
  void EnableSubstitution(bool enable) const;
  void ShowMapping();
  void SetMapping();
  void RestoreDefaultTable();

  FontSubstitutionTable table_;
};

}  // namespace psui
