// A real property sheet around the pages under test, modeless so that the
// test keeps control: built from the pages' own descriptors with the flags
// of the application's sheet.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/property_page.h"

namespace psui::test {

class TestSheet : public SheetListener {
 public:
  explicit TestSheet(std::vector<PropertyPage*> pages, const char* caption = "Stampante di prova");
  ~TestSheet() override;
  TestSheet(const TestSheet&) = delete;
  TestSheet& operator=(const TestSheet&) = delete;

  HWND hwnd() const { return sheet_; }
  HWND CurrentPage() const;
  int CurrentIndex() const;
  // PSM_SETCURSEL; true when the page at index became current (the page
  // being left may refuse).
  bool SelectPage(int index);
  // PSM_PRESSBUTTON (PSBTN_OK, PSBTN_CANCEL, PSBTN_HELP).
  void PressButton(int button);
  // True once OK or Cancel ended the sheet.
  bool ended() const;

  int applied = 0;
  int cancelled = 0;

 private:
  void OnSheetApplied() override { ++applied; }
  void OnSheetCancelled() override { ++cancelled; }

  HWND sheet_ = nullptr;
};

}  // namespace psui::test
