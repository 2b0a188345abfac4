// The watermark dialog: edits the record's watermark group in place and,
// on "Salva", stores it as a named profile. The Overlay page keeps the
// group and puts it back unless the dialog ends with IDOK.
#pragma once

#include "pages/watermark_settings.h"
#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class CWatermark : public Dialog {
 public:
  // kWatermarkModeAdd for a new watermark, kWatermarkModeEdit for the one
  // in force (its profile is loaded, its name cannot change).
  explicit CWatermark(int mode) : Dialog(IDD_WATERMARK), mode_(mode) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // "Salva": the checks in order, the profile, then IDOK.
  void OnOK() override;

 private:
  // The fields in the controls: numbers, texts, choices and the lists.
  void ShowSettings();
  void FillFontList();
  void EnableIntensity(bool enable) const;
  void EnableOffset(bool enable) const;
  // While armed: a number typed outside its range is reported at once.
  void CheckTypedNumber(int id);
  void RestoreDefaults();
  // A refused "Salva" or typed number: the message, then the focus on `id`.
  void Refuse(const std::string& message, int id);

  int mode_;
  WatermarkSettingsRecord snapshot_{};
  bool armed_ = false;
};

}  // namespace psui
