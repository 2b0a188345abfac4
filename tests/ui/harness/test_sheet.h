// A real property sheet around the pages under test, modeless so that the
// test keeps control: built from the pages' own descriptors with the flags
// of the application's sheet.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "ui/property_page.h"

namespace psui::test {

class TestSheet : public SheetListener {
 public:
  // `initialized` hears the sheet's window before any page is created, as
  // the application's sheet callback does.
  explicit TestSheet(std::vector<PropertyPage*> pages, const char* caption = "Stampante di prova",
                     std::function<void(HWND)> initialized = nullptr);
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
  // OK as a user presses it: true when the sheet ended, false when a page
  // refused to be left and the sheet stays.
  bool PressOk();
  // True once OK or Cancel ended the sheet.
  bool ended() const;

  int applied = 0;
  int cancelled = 0;

 private:
  void OnSheetApplied() override { ++applied; }
  void OnSheetCancelled() override { ++cancelled; }
  static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lparam);

  HWND sheet_ = nullptr;
};

}  // namespace psui::test
