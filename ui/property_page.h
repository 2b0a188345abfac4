// A page of the property sheet. The sheet's notifications become named
// handlers; each states its return rule.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <vector>

#include "ui/dialog_host.h"

namespace psui {

// Told when the user ends the sheet with OK or Cancel: the sheet's own
// return value cannot tell Cancel from other ends (see SheetOutcome).
class SheetListener {
 public:
  virtual ~SheetListener() = default;
  virtual void OnSheetApplied() = 0;
  virtual void OnSheetCancelled() = 0;
};

// A page's entry in a sheet header: the structure's first version, the size
// every comctl32 takes (Windows 95/98/Me refuse the later, larger ones). Its
// fields are all a page needs.
using PageDescriptor = PROPSHEETPAGEA_V1;

// Points the header at the pages and gives it the first version's size too;
// the sheet steps through the array by each entry's dwSize.
void SetSheetPages(PROPSHEETHEADERA& header, const std::vector<PageDescriptor>& pages);

class PropertyPage : public DialogHost {
 public:
  explicit PropertyPage(int templateId) : DialogHost(templateId) {}

  // The page as the sheet takes it; created with help (PSP_HASHELP), or the
  // sheet's Help button stays disabled.
  PageDescriptor Descriptor(HINSTANCE instance);
  void SetListener(SheetListener* listener) { listener_ = listener; }
  bool created() const { return hwnd_ != nullptr; }
  HWND Sheet() const { return hwnd_ ? GetParent(hwnd_) : nullptr; }

 protected:
  // The page is about to be shown. Return false to refuse activation.
  virtual bool OnSetActive() { return true; }
  // The page is about to be left. Return false to keep it current.
  virtual bool OnKillActive() { return true; }
  // OK was pressed (every created page hears it).
  virtual void OnApply() {}
  // Cancel was pressed.
  virtual void OnReset() {}
  // Help from the sheet's Help button or F1: one help call, by the focused control.
  void OnHelp() override;

 private:
  static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR OnPageNotify(const NMHDR& header);

  SheetListener* listener_ = nullptr;
};

}  // namespace psui
