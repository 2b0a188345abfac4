#include "tests/ui/harness/test_sheet.h"

#include <commctrl.h>

#include "tests/ui/harness/ui_actions.h"

namespace psui::test {

namespace {
// Who hears the sheet being initialised while PropertySheetA runs.
std::function<void(HWND)>* initializing = nullptr;
}  // namespace

int CALLBACK TestSheet::SheetCallback(HWND sheet, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED && initializing && *initializing) (*initializing)(sheet);
  return 0;
}

TestSheet::TestSheet(std::vector<PropertyPage*> pages, const char* caption, std::function<void(HWND)> initialized) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  std::vector<PageDescriptor> descriptors;
  for (PropertyPage* page : pages) {
    page->SetListener(this);
    descriptors.push_back(page->Descriptor(instance));
  }
  PROPSHEETHEADERA header = {};
  header.dwFlags = PSH_NOAPPLYNOW | PSH_HASHELP | PSH_MODELESS | PSH_USECALLBACK;
  header.pfnCallback = SheetCallback;
  header.hInstance = instance;
  header.pszCaption = caption;
  SetSheetPages(header, descriptors);
  initializing = &initialized;
  sheet_ = reinterpret_cast<HWND>(PropertySheetA(&header));
  initializing = nullptr;
  PumpMessages();
}

TestSheet::~TestSheet() {
  if (IsWindow(sheet_)) DestroyWindow(sheet_);
  PumpMessages();
}

HWND TestSheet::CurrentPage() const { return PropSheet_GetCurrentPageHwnd(sheet_); }

int TestSheet::CurrentIndex() const {
  HWND page = CurrentPage();
  return page ? PropSheet_HwndToIndex(sheet_, page) : -1;
}

bool TestSheet::SelectPage(int index) {
  PropSheet_SetCurSel(sheet_, nullptr, index);
  PumpMessages();
  return CurrentIndex() == index;
}

void TestSheet::PressButton(int button) {
  PropSheet_PressButton(sheet_, button);
  PumpMessages();
}

bool TestSheet::PressOk() {
  PressButton(PSBTN_OK);
  return ended();
}

bool TestSheet::ended() const { return !IsWindow(sheet_) || CurrentPage() == nullptr; }

}  // namespace psui::test
