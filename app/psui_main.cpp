// psui.exe: started by the printer driver, which then talks to it over DDE.
#include <windows.h>

#include "app/application.h"
#include "app/sheet_pages.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  psui::Application application;
  application.InitInstance(psui::MakeSheetPages);
  return 0;
}
