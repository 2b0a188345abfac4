// Creates page and dialog templates from the program's real resources,
// hidden and modeless, so that tests can read what a user would see without
// a property sheet or a modal loop around them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace psui::test {

class TemplateHost {
 public:
  TemplateHost();
  ~TemplateHost();
  TemplateHost(const TemplateHost&) = delete;
  TemplateHost& operator=(const TemplateHost&) = delete;

  // The dialog built from template `dialogId`, or null: a page template as a
  // hidden child of the host window, a dialog (popup) template as a hidden
  // window the host owns. The host destroys it.
  HWND Create(int dialogId);

 private:
  HWND parent_ = nullptr;
};

std::wstring Widen(const char* utf8);
std::string Utf8(const std::wstring& text);
std::wstring WindowTextW(HWND window);
std::string ClassNameOf(HWND window);
// The control id as the template wrote it (-1 for IDC_STATIC).
int ControlIdOf(HWND control);
// The direct children of a dialog, in z-order (= template order).
std::vector<HWND> ChildControls(HWND dialog);

}  // namespace psui::test
