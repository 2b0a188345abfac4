#include "template_host.h"

#include <commctrl.h>

namespace psui::test {
namespace {

const char kHostClass[] = "PsuiTemplateHost";

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

TemplateHost::TemplateHost() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kHostClass;
  RegisterClassA(&wc);  // fails harmlessly when a second host registers again
  parent_ = CreateWindowExA(0, kHostClass, "templates", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                            nullptr, nullptr, wc.hInstance, nullptr);
}

TemplateHost::~TemplateHost() {
  if (parent_) DestroyWindow(parent_);
}

HWND TemplateHost::Create(int dialogId) {
  if (!parent_) return nullptr;
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId), parent_,
                            PlainDialogProc, 0);
}

std::wstring Widen(const char* utf8) {
  int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
  if (n <= 0) return L"<invalid UTF-8>";
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &out[0], n);
  out.resize(n - 1);
  return out;
}

std::string Utf8(const std::wstring& text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
  out.resize(n - 1);
  return out;
}

std::wstring WindowTextW(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(length + 1, L'\0');
  int got = GetWindowTextW(window, &text[0], length + 1);
  text.resize(got > 0 ? got : 0);
  return text;
}

std::string ClassNameOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

int ControlIdOf(HWND control) {
  // Ids are 16-bit in the templates' world: IDC_STATIC may come back as
  // 0xFFFF or as -1 depending on the template format.
  return static_cast<short>(GetDlgCtrlID(control) & 0xFFFF);
}

std::vector<HWND> ChildControls(HWND dialog) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

}  // namespace psui::test
