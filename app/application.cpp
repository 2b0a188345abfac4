#include "app/application.h"

#include "ui/common_controls.h"

#include <algorithm>
#include <string>

#include "exchange/dde_channel.h"
#include "app/page_set.h"
#include "app/startup_steps.h"
#include "pages/printer_options.h"
#include "resources/resource.h"

namespace psui {

Application::~Application() {
  DestroyPages();
  PpdFreeImage(ppdImage);
}

PropertyPage* Application::Page(int dialogId) const {
  for (PropertyPage* page : added_) {
    if (page->templateId() == dialogId) return page;
  }
  return nullptr;
}

bool Application::InitInstance(const PageFactory& makePages) {
  // The classes of Windows 95's common controls; unlike InitCommonControlsEx
  // this is there in every comctl32 version.
  InitCommonControls();
  if (!ReceiveStartFrame(&ownerWindow, &settings)) return false;
  if (!Prepare()) return false;
  RunSheet(makePages);
  Answer();
  DestroyPages();
  return false;
}

bool Application::Prepare() {
  std::string ppd_path = PpdPathFor(settings);
  if (ppd_path.empty()) return false;
  ppdImage = PpdLoadImage(ppd_path.c_str());
  if (!ppdImage) return false;
  settings.colorDevice = ppdImage->colorDevice ? 1 : 0;
  linkStatus = CheckPrinter(settings, optionQueries);
  if (linkStatus == kPrinterAnswered) ApplyPrinterOptions(settings, optionQueries);
  return true;
}

void Application::Answer() {
  switch (outcome_) {
    case SheetOutcome::kOk: SendSettings(settings); break;
    case SheetOutcome::kCancel: SendCancel(); break;
    // Ended otherwise (the driver left and its disconnect ended the sheet):
    // nobody is there to answer.
    case SheetOutcome::kNone: CloseChannel(); break;
  }
}

void Application::AdoptSheet(HWND sheet, std::vector<PropertyPage*> pages) {
  sheet_ = sheet;
  added_ = std::move(pages);
}

void Application::DestroyPages() {
  added_.clear();
  pages_.clear();
}

int CALLBACK Application::SheetCallback(HWND sheet, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED) {
    if (auto* app = static_cast<Application*>(CurrentApp())) app->sheet_ = sheet;
  }
  return 0;
}

void Application::RunSheet(const PageFactory& makePages) {
  // Every page object exists with the sheet; only the added ones ever run.
  DestroyPages();
  pages_ = makePages();
  std::vector<int> wanted = SheetPageDialogs(settings.deviceMode != 0, linkStatus);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  std::vector<PageDescriptor> descriptors;
  for (int dialog : wanted) {
    auto page = std::find_if(pages_.begin(), pages_.end(),
                             [dialog](const auto& p) { return p->templateId() == dialog; });
    if (page == pages_.end()) continue;
    (*page)->SetListener(this);
    added_.push_back(page->get());
    descriptors.push_back((*page)->Descriptor(instance));
  }
  std::string caption(FieldText(settings.printerName));
  PROPSHEETHEADERA header = {};
  header.dwFlags = PSH_NOAPPLYNOW | PSH_HASHELP | PSH_USECALLBACK | PSH_USEICONID;
  // A handle that names no window (the driver's window is gone) would keep
  // the sheet from being created at all: the sheet then has no owner.
  header.hwndParent = IsWindow(ownerWindow) ? ownerWindow : nullptr;
  header.hInstance = instance;
  header.pszIcon = MAKEINTRESOURCEA(IDI_PSUI);
  header.pszCaption = caption.c_str();
  header.nStartPage = 0;
  SetSheetPages(header, descriptors);
  header.pfnCallback = SheetCallback;
  PropertySheetA(&header);
  sheet_ = nullptr;
}

}  // namespace psui
