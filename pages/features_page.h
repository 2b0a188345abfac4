// Features: resolution and colour configuration, and the document dialogs.
#pragma once

#include <initializer_list>

#include "resources/resource.h"
#include "ui/combo_choice.h"
#include "ui/controls.h"
#include "ui/property_page.h"

namespace psui {

class CFeatures : public PropertyPage {
 public:
  CFeatures() : PropertyPage(IDD_FEATURES) {}

 protected:
  bool OnSetActive() override;
  // Switches toner saving off at a resolution the PPD forbids it at; the
  // page is always let go.
  bool OnKillActive() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  ComboBox Resolutions() const { return Item<ComboBox>(IDC_FEATURES_RESOLUTION); }
  ComboBox ColorConfigs() const { return Item<ComboBox>(IDC_FEATURES_COLOR_CONFIG); }

  // The activation steps: both lists from the record, the colour controls
  // by the device.
  void Load();
  // Hides and disables the controls.
  void Remove(std::initializer_list<int> ids);
  void OnResolutionChosen();
  void OnColorConfigChosen();
  // Each dialog edits the record in place; what it may change is put back
  // unless it ends with OK.
  void RunGraphicsOptions();
  void RunColorOptions();
  void RunPostScriptOptions();
  void RunDocumentOptions();
  void RunDocumentProfiles();

  ComboChoice resolutionChoice_;
  ComboChoice colorChoice_;
};

}  // namespace psui
