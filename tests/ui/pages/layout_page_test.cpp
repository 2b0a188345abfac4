// The Layout page on its real template in a real sheet: the duplex choices
// the installed unit and the Paper page's choices leave, booklet, borders,
// orientation and the preview picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/layout_preview.h"
#include "tests/ui/pages/paper_fixture.h"

namespace psui::test {
namespace {

using Items = std::vector<std::string>;
const Items kAllPages = {"1", "2", "4", "6", "9", "16", "Libretto"};
const Items kWithoutBooklet = {"1", "2", "4", "6", "9", "16"};

// The pixels of a bitmap as 32-bit colours, top row first.
std::vector<uint32_t> Pixels(HBITMAP bitmap, SIZE* size) {
  BITMAP info = {};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {};
  size->cx = info.bmWidth;
  size->cy = info.bmHeight;
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  std::vector<uint32_t> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return pixels;
}

class LayoutPage : public PaperPagesTest {
 protected:
  void Choose(const std::string& text) { ASSERT_TRUE(ChooseComboEntry(Page(), 1006, text)); }
  // The picture 1008 shows is the resource `id`, pixel for pixel, centred in
  // the preview frame.
  ::testing::AssertionResult ShowsPicture(int id) {
    HWND preview = GetDlgItem(Page(), 1008);
    SIZE shown_size = {};
    SIZE expected_size = {};
    std::vector<uint32_t> shown =
        Pixels(reinterpret_cast<HBITMAP>(SendMessageA(preview, STM_GETIMAGE, IMAGE_BITMAP, 0)), &shown_size);
    HBITMAP expected_bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    std::vector<uint32_t> expected = Pixels(expected_bitmap, &expected_size);
    DeleteObject(expected_bitmap);
    if (expected.empty()) return ::testing::AssertionFailure() << "no bitmap " << id;
    if (shown != expected || shown_size.cx != expected_size.cx || shown_size.cy != expected_size.cy) {
      return ::testing::AssertionFailure() << "1008 does not show bitmap " << id << " (" << shown_size.cx << "x"
                                           << shown_size.cy << " shown, " << shown.size() << " pixels)";
    }
    RECT frame;
    RECT picture;
    GetWindowRect(GetDlgItem(Page(), 1093), &frame);
    GetWindowRect(preview, &picture);
    const int dx = (frame.left + frame.right) - (picture.left + picture.right);
    const int dy = (frame.top + frame.bottom) - (picture.top + picture.bottom);
    if (dx < -1 || dx > 1 || dy < -1 || dy > 1) {
      return ::testing::AssertionFailure() << "the picture is off the frame's centre by " << dx / 2 << ","
                                           << dy / 2;
    }
    if (picture.right - picture.left != expected_size.cx) {
      return ::testing::AssertionFailure() << "1008 is not the picture's size";
    }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(LayoutPage, WithoutADuplexUnitOnlyOneSidedPrintingAndNoBooklet) {
  record().duplexerInstalled = 0;
  record().duplex = 3;
  record().pagesPerSheet = 99;
  record().pageBorders = 1;
  Open(0);
  EXPECT_EQ(ComboItems(Page(), 1006), kWithoutBooklet);
  EXPECT_EQ(ComboSelection(Page(), 1006), "1");
  EXPECT_EQ(record().pagesPerSheet, 1);
  EXPECT_EQ(record().duplex, 1);
  for (int id : {1003, 1004, 1005}) EXPECT_FALSE(IsEnabled(Page(), id)) << id;
  EXPECT_TRUE(IsChecked(Page(), 1003));
  EXPECT_FALSE(IsEnabled(Page(), 1007));
  EXPECT_FALSE(IsChecked(Page(), 1007));
  EXPECT_EQ(record().pageBorders, 0);
  EXPECT_TRUE(ShowsPicture(152));
}

TEST_F(LayoutPage, APagesPerSheetCodeTheListLacks) {
  record().pagesPerSheet = 3;
  Open(0);
  EXPECT_EQ(ComboSelection(Page(), 1006), "1");
  EXPECT_EQ(record().pagesPerSheet, 3) << "kept with a duplex unit";
  EXPECT_TRUE(IsEnabled(Page(), 1007));
  record().duplexerInstalled = 0;
  ASSERT_TRUE(sheet->SelectPage(1));
  ASSERT_TRUE(sheet->SelectPage(0));
  EXPECT_EQ(record().pagesPerSheet, 1) << "removing the booklet stores the selected code";
}

TEST_F(LayoutPage, ABuiltInDuplexCountsAsAnInstalledUnit) {
  UsePpd(R"(*PPD-Adobe: "4.3"
*OpenUI *PageSize/Formato carta: PickOne
*PageSize A4/A4: "a4"
*CloseUI: *PageSize
*OpenUI *Duplex/Fronte-retro: PickOne
*Duplex None/Disattivato: "none"
*Duplex DuplexNoTumble/Lato lungo: "long"
*CloseUI: *Duplex
)");
  record().duplexerInstalled = 0;
  Open(0);
  EXPECT_EQ(record().duplexerInstalled, 1);
  EXPECT_EQ(ComboItems(Page(), 1006), kAllPages);
  EXPECT_TRUE(IsEnabled(Page(), 1005));
}

TEST_F(LayoutPage, APaperThatRulesOutDuplexLeavesOneSidedAndDropsTheBooklet) {
  record().paperSize = 20;  // Env10 rules out DuplexNoTumble
  record().pagesPerSheet = 99;
  record().duplex = 3;
  Open(0);
  EXPECT_EQ(ComboItems(Page(), 1006), kWithoutBooklet);
  EXPECT_EQ(ComboSelection(Page(), 1006), "1");
  EXPECT_EQ(record().pagesPerSheet, 1);
  EXPECT_EQ(record().duplex, 1);
  EXPECT_TRUE(IsEnabled(Page(), 1003));
  EXPECT_TRUE(IsChecked(Page(), 1003));
  EXPECT_FALSE(IsEnabled(Page(), 1004));
  EXPECT_FALSE(IsEnabled(Page(), 1005));
}

TEST_F(LayoutPage, TheTypeAndTheSourceRuleOutDuplexByTheirFirstName) {
  record().mediaType = 255;  // ThickPaper rules out Duplex None: any option counts
  record().duplex = 2;
  Open(0);
  EXPECT_EQ(record().duplex, 1);
  EXPECT_FALSE(IsEnabled(Page(), 1004));
  record().mediaType = 1;
  record().inputSlot = 4;  // ManualFeed rules out DuplexTumble
  record().duplex = 2;
  ASSERT_TRUE(sheet->SelectPage(1));
  record().inputSlot = 4;
  ASSERT_TRUE(sheet->SelectPage(0));
  EXPECT_EQ(record().duplex, 1);
  // 258 names "Optional" first; only "OptionalBin", which shares the code,
  // rules out duplex.
  record().inputSlot = 258;
  record().duplex = 2;
  ASSERT_TRUE(sheet->SelectPage(1));
  record().inputSlot = 258;
  ASSERT_TRUE(sheet->SelectPage(0));
  EXPECT_EQ(record().duplex, 2);
  EXPECT_TRUE(IsEnabled(Page(), 1004));
}

TEST_F(LayoutPage, TheCustomPaperSizeHasNoBooklet) {
  record().paperSize = 257;
  record().pagesPerSheet = 99;
  Open(0);
  EXPECT_EQ(ComboItems(Page(), 1006), kWithoutBooklet);
  EXPECT_EQ(record().pagesPerSheet, 1);
  EXPECT_TRUE(IsEnabled(Page(), 1005)) << "the custom size itself allows duplex";
}

TEST_F(LayoutPage, BookletBindsOnTheLongEdgeAndSimplexLeavesItForTwoPages) {
  record().duplex = 3;
  Open(0);
  MessageCounter refills(GetDlgItem(Page(), 1006), CB_RESETCONTENT);
  Choose("Libretto");
  EXPECT_EQ(refills.count(), 1) << "the choice runs the activation again";
  EXPECT_EQ(record().pagesPerSheet, 99);
  EXPECT_EQ(record().duplex, 2);
  EXPECT_TRUE(IsChecked(Page(), 1004));
  EXPECT_FALSE(IsChecked(Page(), 1005));
  EXPECT_FALSE(IsEnabled(Page(), 1005));
  EXPECT_TRUE(ShowsPicture(179));
  refills.Reset();
  ASSERT_TRUE(Click(Page(), 1003));
  EXPECT_EQ(refills.count(), 0) << "Simplex runs no activation";
  EXPECT_EQ(record().pagesPerSheet, 2);
  EXPECT_EQ(ComboSelection(Page(), 1006), "2");
  EXPECT_EQ(record().duplex, 1);
  EXPECT_TRUE(IsEnabled(Page(), 1005));
  EXPECT_TRUE(ShowsPicture(156));
  ASSERT_TRUE(Click(Page(), 1005));
  EXPECT_EQ(record().duplex, 3);
  EXPECT_TRUE(ShowsPicture(155));
}

TEST_F(LayoutPage, AKeyboardChoiceOfPagesPerSheetReachesTheRecord) {
  Open(0);
  HWND pages = GetDlgItem(Page(), 1006);
  SetFocus(pages);
  SendMessageA(pages, WM_KEYDOWN, VK_END, 1);
  PumpMessages();
  EXPECT_EQ(ComboSelection(Page(), 1006), "Libretto");
  EXPECT_EQ(record().pagesPerSheet, 99);
  EXPECT_EQ(record().duplex, 2) << "the choice ran the activation";
}

TEST_F(LayoutPage, BordersOnlyWithSeveralPagesPerSheet) {
  record().pageBorders = 1;
  Open(0);
  EXPECT_EQ(record().pageBorders, 0);
  EXPECT_FALSE(IsEnabled(Page(), 1007));
  Choose("4");
  EXPECT_TRUE(IsEnabled(Page(), 1007));
  ASSERT_TRUE(Click(Page(), 1007));
  EXPECT_EQ(record().pageBorders, 1);
  EXPECT_TRUE(ShowsPicture(157)) << "borders do not change the picture";
  Choose("1");
  EXPECT_FALSE(IsEnabled(Page(), 1007));
  EXPECT_FALSE(IsChecked(Page(), 1007));
  EXPECT_EQ(record().pageBorders, 0);
}

TEST_F(LayoutPage, PortraitIsOrientationOneOnly) {
  for (int orientation : {0, 270, 2, 1}) {
    record().orientation = static_cast<int16_t>(orientation);
    Open(0);
    const int checked = orientation == 1 ? 1000 : orientation == 2 ? 1001 : 1002;
    for (int id : {1000, 1001, 1002}) EXPECT_EQ(IsChecked(Page(), id), id == checked) << orientation << " " << id;
    EXPECT_EQ(record().orientation, orientation) << "showing the page changes nothing";
    EXPECT_TRUE(ShowsPicture(orientation == 1 ? 152 : 153)) << orientation;
  }
  ASSERT_TRUE(Click(Page(), 1002));
  EXPECT_EQ(record().orientation, 270);
  ASSERT_TRUE(Click(Page(), 1001));
  EXPECT_EQ(record().orientation, 2);
  ASSERT_TRUE(Click(Page(), 1000));
  EXPECT_EQ(record().orientation, 1);
}

TEST_F(LayoutPage, ThePictureFollowsEveryChoice) {
  record().orientation = 2;
  Open(0);
  Choose("9");
  EXPECT_TRUE(ShowsPicture(186));
  ASSERT_TRUE(Click(Page(), 1004));
  EXPECT_TRUE(ShowsPicture(185));
  Choose("16");
  EXPECT_TRUE(ShowsPicture(182));
  ASSERT_TRUE(Click(Page(), 1000));
  EXPECT_TRUE(ShowsPicture(177));
}

TEST_F(LayoutPage, UntranslatedOptionsBeforeTheChoiceDoNotCutTheSequenceShort) {
  // Legal comes after an option without translation.
  record().paperSize = 5;
  record().duplexerInstalled = 0;
  record().duplex = 2;
  Open(0);
  EXPECT_EQ(ComboItems(Page(), 1006), kWithoutBooklet);
  EXPECT_EQ(record().duplex, 1);
  for (int id : {1003, 1004, 1005}) EXPECT_FALSE(IsEnabled(Page(), id)) << id;
}

TEST_F(LayoutPage, EveryPictureOfTheTableIsAFourBitResource) {
  for (int orientation : {1, 2}) {
    for (int duplex : {1, 2, 3}) {
      for (int pages : {1, 2, 4, 6, 9, 16, 99}) {
        const int id = PreviewBitmapId(orientation, duplex, pages);
        HRSRC resource = FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
        ASSERT_NE(resource, nullptr) << id;
        const auto* header = static_cast<const BITMAPINFOHEADER*>(
            LockResource(LoadResource(GetModuleHandleA(nullptr), resource)));
        ASSERT_NE(header, nullptr) << id;
        EXPECT_EQ(header->biBitCount, 4) << id;
      }
    }
  }
}

}  // namespace
}  // namespace psui::test
