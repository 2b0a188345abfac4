#include "pages/about_page.h"

#include "pages/restore_defaults.h"
#include "ui/app_state.h"
#include "ui/link_button.h"
#include "ui/message_box.h"
#include "ui/web_link.h"

namespace psui {

namespace {

constexpr int kLinkButtons[] = {IDC_ABOUT_WEB_LINK, IDC_ABOUT_SHOP_LINK};

}  // namespace

bool CAbout::OnInitDialog() {
  Item(IDC_ABOUT_TEXT).SetText(LoadText(IDS_ABOUT_TEXT));
  PlacePicture();
  for (int id : kLinkButtons) MakeLinkButton(Item(id).hwnd());
  return true;
}

void CAbout::PlacePicture() {
  const Static picture = Item<Static>(IDC_ABOUT_PICTURE);
  const HBITMAP bitmap = reinterpret_cast<HBITMAP>(picture.Send(STM_GETIMAGE, IMAGE_BITMAP));
  BITMAP size = {};
  if (!bitmap || GetObjectA(bitmap, sizeof size, &size) != sizeof size) return;
  RECT page;
  RECT text;
  GetWindowRect(hwnd_, &page);
  GetWindowRect(Item(IDC_ABOUT_TEXT).hwnd(), &text);
  // Integer division rounds towards zero; a picture wider than the page
  // starts left of it.
  const int x = (page.right - page.left + 1 - size.bmWidth) / 2;
  const int y = (text.top - size.bmHeight - page.top) / 2;
  SetWindowPos(picture.hwnd(), nullptr, x, y, size.bmWidth, size.bmHeight, SWP_NOZORDER);
}

bool CAbout::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_ABOUT_RESTORE_DEFAULTS:
      // The pages show the new values when they are next activated.
      RestoreDriverDefaults(TheApp().settings, TheApp().ppdImage);
      return true;
    case IDC_ABOUT_WEB_LINK:
      OpenInBrowser(LoadText(IDS_WEB_ADDRESS), SW_SHOW);
      return true;
    case IDC_ABOUT_SHOP_LINK:
      OpenInBrowser(LoadText(IDS_SHOP_ADDRESS), SW_SHOW);
      return true;
    default:
      return false;
  }
}

bool CAbout::OnDrawItem(const DRAWITEMSTRUCT& item) {
  for (int id : kLinkButtons) {
    if (static_cast<int>(item.CtlID) == id) {
      DrawLinkButton(item);
      return true;
    }
  }
  return false;
}

}  // namespace psui
