// Shows the eight page templates in a real property sheet, one page after
// the other, and saves a picture of the sheet for each page:
//   page_gallery.exe OUTPUT_DIR
// writes OUTPUT_DIR/page-1-211.bmp ... page-8-200.bmp (position, dialog id),
// then shows each modal dialog template on its own and saves
// OUTPUT_DIR/dialog-NNN.bmp. No page or dialog code runs: this shows the
// templates as laid out.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resource.h"
#include "window_picture.h"

namespace {

INT_PTR CALLBACK PlainPageProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

void Pump(DWORD milliseconds) {
  DWORD end = GetTickCount() + milliseconds;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: page_gallery OUTPUT_DIR\n");
    return 2;
  }
  const std::string out = argv[1];
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  // The sheet's order of pages.
  const int dialogs[] = {IDD_LAYOUT,      IDD_PAPER,    IDD_FEATURES, IDD_OVERLAY,
                         IDD_FONTS,       IDD_CONSUMABLES, IDD_SETTINGS, IDD_ABOUT};
  std::vector<HPROPSHEETPAGE> pages;
  for (int id : dialogs) {
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof(page);
    page.hInstance = GetModuleHandleA(nullptr);
    page.pszTemplate = MAKEINTRESOURCEA(id);
    page.pfnDlgProc = PlainPageProc;
    pages.push_back(CreatePropertySheetPageA(&page));
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW | PSH_HASHELP;
  header.hInstance = GetModuleHandleA(nullptr);
  header.pszCaption = "PSUI Color Laser";
  header.nPages = static_cast<UINT>(pages.size());
  header.phpage = pages.data();
  HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
  if (!sheet) {
    std::fprintf(stderr, "page_gallery: the sheet did not open\n");
    return 1;
  }
  SetWindowPos(sheet, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  int failures = 0;
  for (size_t i = 0; i < pages.size(); ++i) {
    SendMessageA(sheet, PSM_SETCURSEL, i, 0);
    Pump(400);
    std::string path = out + "\\page-" + std::to_string(i + 1) + "-" +
                       std::to_string(dialogs[i]) + ".bmp";
    if (psui::test::SaveWindowPicture(sheet, path)) {
      std::printf("%s\n", path.c_str());
    } else {
      std::fprintf(stderr, "page_gallery: could not write %s\n", path.c_str());
      ++failures;
    }
  }
  DestroyWindow(sheet);

  // ---- the modal dialogs, each shown alone (modeless here, so nothing waits).
  const int modal_dialogs[] = {IDD_ADVANCED_PAPER, IDD_CUSTOM_SIZE,
                               // The Features page's dialogs.
                               IDD_GRAPHICS_OPTIONS, IDD_POSTSCRIPT_OPTIONS, IDD_DOCUMENT_OPTIONS,
                               IDD_DOCUMENT_PROFILES};
  for (int id : modal_dialogs) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, PlainPageProc, 0);
    if (!dialog) {
      std::fprintf(stderr, "page_gallery: dialog %d did not open\n", id);
      ++failures;
      continue;
    }
    SetWindowPos(dialog, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    Pump(400);
    std::string path = out + "\\dialog-" + std::to_string(id) + ".bmp";
    if (psui::test::SaveWindowPicture(dialog, path)) {
      std::printf("%s\n", path.c_str());
    } else {
      std::fprintf(stderr, "page_gallery: could not write %s\n", path.c_str());
      ++failures;
    }
    DestroyWindow(dialog);
  }
  return failures == 0 ? 0 : 1;
}
