// The About page (200) in a sheet: its text, the picture's place, the link
// buttons' look, and restoring the driver's defaults seen from the pages.
#include "pages/about_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/registry.h"
#include "tests/support/registry_value_guard.h"
#include "tests/ui/pages/features_test.h"
#include "ui/message_box.h"

namespace psui::test {
namespace {

class AboutPageTest : public FeaturesTest {};

RECT WindowRect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

// Where the picture must stand, in the page's client coordinates, by the
// page's and the text's rectangles on the screen.
RECT ExpectedPicture(HWND page, SIZE bitmap) {
  const RECT frame = WindowRect(page);
  const RECT text = WindowRect(GetDlgItem(page, IDC_ABOUT_TEXT));
  const int x = (frame.right - frame.left + 1 - bitmap.cx) / 2;
  const int y = (text.top - bitmap.cy - frame.top) / 2;
  return {x, y, x + bitmap.cx, y + bitmap.cy};
}

RECT PictureInPage(HWND page) {
  RECT rect = WindowRect(GetDlgItem(page, IDC_ABOUT_PICTURE));
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

::testing::AssertionResult SameRect(const RECT& a, const RECT& b) {
  if (EqualRect(&a, &b)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << a.left << "," << a.top << ")-(" << a.right << "," << a.bottom
                                       << ") instead of (" << b.left << "," << b.top << ")-(" << b.right << ","
                                       << b.bottom << ")";
}

TEST_F(AboutPageTest, ShowsTheProductTextAndCentresThePictureAboveIt) {
  OpenSheet(std::vector<int>{IDD_ABOUT});
  HWND page = PageWindow(IDD_ABOUT);
  EXPECT_EQ(Text(page, IDC_ABOUT_TEXT), LoadText(IDS_ABOUT_TEXT));
  EXPECT_EQ(Text(page, IDC_ABOUT_TEXT).find("Version 6.2.0"), Text(page, IDC_ABOUT_TEXT).find("Version"));
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(page, IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(bitmap, nullptr);
  EXPECT_TRUE(SameRect(PictureInPage(page), ExpectedPicture(page, BitmapSize(bitmap))));
}

// The page with a picture wider than itself: it must start left of the page,
// by half the overhang rounded towards zero.
class WidePictureAbout : public CAbout {
 public:
  explicit WidePictureAbout(int extra) : extra_(extra) {}
  ~WidePictureAbout() override { DeleteObject(bitmap_); }
  HBITMAP bitmap() const { return bitmap_; }

 protected:
  bool OnInitDialog() override {
    RECT page;
    GetWindowRect(hwnd_, &page);
    HDC screen = GetDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, page.right - page.left + extra_, 30);
    ReleaseDC(nullptr, screen);
    Item<Static>(IDC_ABOUT_PICTURE).SetBitmap(bitmap_);
    return CAbout::OnInitDialog();
  }

 private:
  int extra_;
  HBITMAP bitmap_ = nullptr;
};

TEST_F(AboutPageTest, APictureWiderThanThePageStartsLeftOfItRoundedTowardsZero) {
  std::vector<std::unique_ptr<PropertyPage>> pages;
  pages.push_back(std::make_unique<WidePictureAbout>(4));  // (width + 1 - (width + 4)) / 2 = -3 / 2 = -1
  auto* about = static_cast<WidePictureAbout*>(pages.back().get());
  OpenSheet(std::move(pages));
  HWND page = PageWindow(IDD_ABOUT);
  ASSERT_NE(page, nullptr);
  const RECT expected = ExpectedPicture(page, BitmapSize(about->bitmap()));
  EXPECT_EQ(expected.left, -1);
  EXPECT_TRUE(SameRect(PictureInPage(page), expected));
}

TEST_F(AboutPageTest, TheWebLinksAreDrawnByThePage) {
  OpenSheet(std::vector<int>{IDD_ABOUT});
  HWND page = PageWindow(IDD_ABOUT);
  for (int id : {IDC_ABOUT_WEB_LINK, IDC_ABOUT_SHOP_LINK}) {
    EXPECT_EQ(GetWindowLongA(GetDlgItem(page, id), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << id;
  }
  EXPECT_EQ(GetWindowLongA(GetDlgItem(page, IDC_ABOUT_RESTORE_DEFAULTS), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(AboutPageTest, TheWebLinksOpenTheirAddressesInTheBrowserShownAsItLikes) {
  RegistryValueGuard browser(platform::RegistryRoot::kLocalMachine, "SOFTWARE\\CLASSES\\htmlfile\\shell\\open\\command",
                             "");
  ASSERT_EQ(browser.WriteString("C:\\browser.exe -nohome"), 0u);
  OpenSheet(std::vector<int>{IDD_ABOUT});
  HWND page = PageWindow(IDD_ABOUT);
  ASSERT_TRUE(Click(page, IDC_ABOUT_WEB_LINK));
  ASSERT_TRUE(Click(page, IDC_ABOUT_SHOP_LINK));
  ASSERT_EQ(external.execCalls.size(), 2u);
  // Each button opens the address it shows.
  EXPECT_EQ(external.execCalls[0].commandLine, "C:\\browser.exe -nohome " + Text(page, IDC_ABOUT_WEB_LINK));
  EXPECT_EQ(external.execCalls[0].commandLine, "C:\\browser.exe -nohome http://www.stampanti.example/");
  EXPECT_EQ(external.execCalls[1].commandLine, "C:\\browser.exe -nohome " + Text(page, IDC_ABOUT_SHOP_LINK));
  for (const ExecCall& call : external.execCalls) EXPECT_EQ(call.show, static_cast<UINT>(SW_SHOW));

  // Without a registered command nothing starts.
  ASSERT_EQ(browser.Delete(), 0u);
  ASSERT_TRUE(Click(page, IDC_ABOUT_WEB_LINK));
  EXPECT_EQ(external.execCalls.size(), 2u);
}

TEST_F(AboutPageTest, RestoreWritesTheDefaultsWhichThePagesShowWhenNextActivated) {
  record().resolution = 3;
  record().resolutionDpi = 1200;
  record().copies = 9;
  record().colorPreset = 4;
  SetFieldText(record().colorProfileName, "Foto");
  record().paperSize = 1;
  OpenSheet({IDD_FEATURES, IDD_ABOUT});
  HWND features = PageWindow(IDD_FEATURES);
  ASSERT_EQ(ComboSelection(features, IDC_FEATURES_RESOLUTION), "1200 dpi");
  ASSERT_TRUE(ShowPage(IDD_ABOUT));
  const SettingsBlock before = record();

  ASSERT_TRUE(Click(PageWindow(IDD_ABOUT), IDC_ABOUT_RESTORE_DEFAULTS));
  EXPECT_EQ(int{record().resolution}, 2) << "the sample PPD's default, 600dpi";
  EXPECT_EQ(int32_t{record().resolutionDpi}, 600);
  EXPECT_EQ(int{record().paperSize}, 9) << "A4";
  EXPECT_EQ(int{record().copies}, 1);
  EXPECT_EQ(int{record().colorPreset}, 1);
  EXPECT_EQ(FieldText(record().colorProfileName), "2023010");
  EXPECT_EQ(std::string(FieldText(record().printerName)), std::string(FieldText(before.printerName)));
  EXPECT_TRUE(IsWindow(sheet->hwnd()) && !sheet->ended()) << "the sheet stays open";
  EXPECT_EQ(ComboSelection(features, IDC_FEATURES_RESOLUTION), "1200 dpi") << "not refreshed until shown";

  ASSERT_TRUE(ShowPage(IDD_FEATURES));
  EXPECT_EQ(ComboSelection(features, IDC_FEATURES_RESOLUTION), "600 dpi");
  EXPECT_EQ(ComboSelection(features, IDC_FEATURES_COLOR_CONFIG), "Auto");

  const SettingsBlock restored = record();
  EXPECT_TRUE(sheet->PressOk());
  EXPECT_EQ(std::memcmp(&record(), &restored, sizeof restored), 0) << "no page wrote old values on OK";
}

}  // namespace
}  // namespace psui::test
