// psui.exe: started by the printer driver, which then talks to it over DDE.
#include <windows.h>

#include "exchange/application.h"
#include "pages/sheet_pages.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  psui::Application application;
  application.InitInstance(psui::MakeSheetPages);
  return 0;
}
