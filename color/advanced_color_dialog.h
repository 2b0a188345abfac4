// Advanced colour options (dialog 202): choose, save and delete a quick
// colour configuration, see a summary of the settings in force, and open the
// detailed settings. Edits the record's colour group in place.
#pragma once

#include "color/color_settings.h"
#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class CAdvancedColor : public Dialog {
 public:
  CAdvancedColor() : Dialog(IDD_ADVANCED_COLOR) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // Settings changed since they were last chosen, loaded or saved become the
  // stored profile "Personale", which is then the configuration in force.
  void OnOK() override;

 private:
  ComboBox Configs() const { return Item<ComboBox>(IDC_ADVCOLOR_CONFIG); }

  // Applies the configuration in force (built-in or loaded) to the summary.
  void Refresh();
  void BuildSummary();
  void UpdateDeleteButton();
  void ApplyEnableRule();
  void OnConfigChosen();
  void OnSave();
  void OnDelete();
  void OnModify();
  // Appends an entry for a stored profile; -1 when the list refuses it.
  int AppendStoredName(const std::string& name);
  void SelectWholeText();
  void StoreAsInForce(const std::string& name);

  // The colour group as the settings in force were last chosen, loaded or
  // saved: OK compares with it to tell whether the user changed anything.
  ColorSettingsRecord snapshot_{};
};

// The Features page's way in: loads the stored profile in force, runs the
// dialog and, unless it ends with OK, puts the whole colour group back as it
// was when the dialog opened (profiles stored inside stay stored). Returns
// the dialog's result; the page refills its colour list whatever it is.
INT_PTR RunAdvancedColorOptions(HWND owner);

}  // namespace psui
