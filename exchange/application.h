// The application object: the one working settings record, the compiled PPD
// and the start-up run from the driver's start frame to its answer.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "exchange/page_set.h"
#include "exchange/property_page.h"
#include "exchange/settings_block.h"
#include "ppd/ppd_image.h"
#include "printer_comm/printer_queries.h"

namespace psui {

// How the sheet ended: only OK and Cancel answer the driver.
enum class SheetOutcome { kNone, kOk, kCancel };

class Application : public SheetListener {
 public:
  // Creates the eight page objects, in sheet order (Layout, Paper, Features,
  // Overlay, Fonts, Consumables, Settings, About).
  using PageFactory = std::function<std::vector<std::unique_ptr<PropertyPage>>()>;

  Application();
  // Releases the compiled PPD.
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The whole run: receive, compile, check the printer, show the sheet,
  // answer. Always false: no message loop follows.
  bool InitInstance(const PageFactory& makePages);

  // The steps after the start frame came. Prepare compiles the PPD and checks
  // the printer (false: the PPD cannot be compiled, end silently); RunSheet
  // shows the modal sheet; Answer tells the driver how it ended.
  bool Prepare();
  void RunSheet(const PageFactory& makePages);
  void Answer();

  SettingsBlock settings{};
  HWND ownerWindow = nullptr;
  PpdImage* ppdImage = nullptr;
  // The two query lists of the printer: results by entry position.
  OptionQuery* optionQueries = kInstalledOptionQueries;
  const OptionQuery* supplyColumns = kSupplyColumns;
  int linkStatus = kPrinterNotQueried;

  // The sheet while it is shown (the application's main window), else null.
  HWND mainWindow() const { return sheet_; }
  // A page of the running sheet by its dialog id; null when it is not added.
  PropertyPage* Page(int dialogId) const;
  SheetOutcome outcome() const { return outcome_; }

 private:
  void OnSheetApplied() override { outcome_ = SheetOutcome::kOk; }
  void OnSheetCancelled() override {
    if (outcome_ != SheetOutcome::kOk) outcome_ = SheetOutcome::kCancel;
  }
  static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lparam);

  std::vector<PropertyPage*> added_;
  SheetOutcome outcome_ = SheetOutcome::kNone;
  HWND sheet_ = nullptr;
};

// The one application object (the record every page edits, the image every
// page queries).
Application& TheApp();

}  // namespace psui
