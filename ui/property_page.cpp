#include "ui/property_page.h"

#include "ui/context_help.h"

namespace psui {

void SetSheetPages(PROPSHEETHEADERA& header, const std::vector<PageDescriptor>& pages) {
  header.dwSize = PROPSHEETHEADERA_V1_SIZE;
  header.dwFlags |= PSH_PROPSHEETPAGE;
  header.nPages = static_cast<UINT>(pages.size());
  header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages.data());
}

PageDescriptor PropertyPage::Descriptor(HINSTANCE instance) {
  PageDescriptor page = {};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_HASHELP;
  page.hInstance = instance;
  page.pszTemplate = MAKEINTRESOURCEA(templateId());
  page.pfnDlgProc = PageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  PropertyPage* page;
  if (message == WM_INITDIALOG) {
    page = reinterpret_cast<PropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lparam)->lParam);
    page->Attach(window);
  } else {
    page = reinterpret_cast<PropertyPage*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (!page) return FALSE;
  if (message == WM_NOTIFY) {
    const NMHDR& header = *reinterpret_cast<const NMHDR*>(lparam);
    if (header.code >= PSN_LAST && header.code <= PSN_FIRST) return page->OnPageNotify(header);
  }
  INT_PTR result = page->Dispatch(message, wparam, lparam);
  if (message == WM_NCDESTROY) page->hwnd_ = nullptr;
  return result;
}

INT_PTR PropertyPage::OnPageNotify(const NMHDR& header) {
  switch (header.code) {
    case PSN_SETACTIVE: return SetResult(OnSetActive() ? 0 : -1);
    case PSN_KILLACTIVE: return SetResult(OnKillActive() ? FALSE : TRUE);
    case PSN_APPLY:
      OnApply();
      if (listener_) listener_->OnSheetApplied();
      return SetResult(PSNRET_NOERROR);
    case PSN_RESET:
      OnReset();
      if (listener_) listener_->OnSheetCancelled();
      return SetResult(0);
    case PSN_HELP:
      OnHelp();
      return SetResult(0);
    default: return FALSE;
  }
}

void PropertyPage::OnHelp() { SheetHelpRequest(Sheet()); }

}  // namespace psui
