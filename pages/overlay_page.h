// Overlay: overlays per page class and the watermark choice.
#pragma once

#include <string>

#include "resources/resource.h"
#include "ui/controls.h"
#include "ui/property_page.h"

namespace psui {

class COverlay : public PropertyPage {
 public:
  COverlay() : PropertyPage(IDD_OVERLAY) {}

  // How the watermark dialog was last opened (0 before it ever was); the
  // defaults of a watermark without a profile depend on it.
  int dialogMode() const { return dialogMode_; }

 protected:
  // Both load the page from the record.
  bool OnInitDialog() override;
  bool OnSetActive() override;
  // Keeps the page current while a ticked row lacks an 8.3 name or a cycle
  // number is out of range.
  bool OnKillActive() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnEditFocusLost(int id, HWND focusTo) override;

 private:
  void Load();
  ComboBox WatermarkList() const { return Item<ComboBox>(IDC_OVERLAY_WATERMARK); }
  // The built-in watermarks, then the printer's profiles.
  void FillWatermarkList();
  // Selects watermarkName's entry; without one, "Nessuno" becomes the
  // watermark (name and code).
  void SelectWatermarkOrNone();
  // The watermark in force: its group, its entry and the buttons.
  void RefreshWatermark();
  void ChooseWatermark();
  void AddWatermark();
  void EditWatermark();
  void DeleteWatermark();
  void RunWatermarkDialog(int mode);

  void TickRow(int row);
  void LeaveFileName(int row);
  void ChangeCount(int id);
  void LeaveCount();
  // The one-shot report of a focus or change check: shown when the flag is
  // clear (which sets it), skipped when set (which clears it); the focus
  // goes back to the edit either way.
  void ReportOnce(bool& flag, const std::string& message, int id);
  // A deactivation check always reports and sets the flag.
  bool RefuseLeaving(bool& flag, const std::string& message, int id);
  void ShowCheckMessage(const std::string& message);
  void FocusEdit(int id);
  bool& CountFlag(int id) { return id == IDC_OVERLAY_COMPLEX_FIRST ? firstFlag_ : cycleFlag_; }

  int dialogMode_ = 0;
  bool loading_ = false;
  bool fileNameFlag_ = false;
  bool firstFlag_ = false;
  bool cycleFlag_ = false;
  // Set while a check moves the focus or shows its message: the focus
  // losses that causes are not the user's and run no other check.
  bool checking_ = false;
};

}  // namespace psui
