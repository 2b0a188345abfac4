// The application object: the one working settings record, the compiled PPD
// and the start-up run from the driver's start frame to its answer.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "ui/app_state.h"
#include "ui/property_page.h"

namespace psui {

// How the sheet ended: only OK and Cancel answer the driver.
enum class SheetOutcome { kNone, kOk, kCancel };

class Application : public AppState, public SheetListener {
 public:
  // Creates the page objects of the sheet, in sheet order.
  using PageFactory = std::function<std::vector<std::unique_ptr<PropertyPage>>()>;

  Application() = default;
  // Releases the compiled PPD.
  ~Application() override;

  // The whole run: receive, compile, check the printer, show the sheet,
  // answer, then destroy the pages. Always false: no message loop follows.
  bool InitInstance(const PageFactory& makePages);

  // The steps after the start frame came. Prepare compiles the PPD and checks
  // the printer (false: the PPD cannot be compiled, end silently); RunSheet
  // creates every page object and shows the modal sheet with the pages of
  // its mode; Answer tells the driver how it ended; DestroyPages ends the
  // page objects, which live until the answer is sent.
  bool Prepare();
  void RunSheet(const PageFactory& makePages);
  void Answer();
  void DestroyPages();

  // A sheet someone else shows with some of the pages (a page test's
  // modeless sheet): mainWindow() and Page() answer for it until the next
  // call or RunSheet.
  void AdoptSheet(HWND sheet, std::vector<PropertyPage*> pages);

  HWND mainWindow() const override { return sheet_; }
  PropertyPage* Page(int dialogId) const override;
  SheetOutcome outcome() const { return outcome_; }

 private:
  void OnSheetApplied() override { outcome_ = SheetOutcome::kOk; }
  void OnSheetCancelled() override {
    if (outcome_ != SheetOutcome::kOk) outcome_ = SheetOutcome::kCancel;
  }
  static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lparam);

  std::vector<std::unique_ptr<PropertyPage>> pages_;
  std::vector<PropertyPage*> added_;
  SheetOutcome outcome_ = SheetOutcome::kNone;
  HWND sheet_ = nullptr;
};

}  // namespace psui
