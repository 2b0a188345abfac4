// What the pages and dialogs share with the application object: the one
// working settings record, the compiled PPD, the printer's query lists and
// the running sheet. The application object (app/) is the one instance; it
// exists for the life of the process, so page code reaches it through
// TheApp(). Code that can also run without it (the list helpers) asks
// CurrentApp(), which is null then.
#pragma once

#include <windows.h>

#include "exchange/settings_block.h"
#include "ppd/ppd_image.h"
#include "printer_comm/printer_queries.h"

namespace psui {

class PropertyPage;

class AppState {
 public:
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;

  SettingsBlock settings{};
  HWND ownerWindow = nullptr;
  PpdImage* ppdImage = nullptr;
  // The two query lists of the printer: results by entry position.
  OptionQuery* optionQueries = kInstalledOptionQueries;
  const OptionQuery* supplyColumns = kSupplyColumns;
  int linkStatus = kPrinterNotQueried;

  // The sheet while it is shown (the application's main window), else null.
  virtual HWND mainWindow() const = 0;
  // A page of the running sheet by its dialog id; null when it is not added.
  virtual PropertyPage* Page(int dialogId) const = 0;

 protected:
  AppState();
  virtual ~AppState();
};

// The application object, or null when none exists.
AppState* CurrentApp();
// The application object; only for code that runs inside the application.
AppState& TheApp();

}  // namespace psui
