// The graphics options dialog (210) opened by the Features page's button.
#include "pages/graphics_options_dialog.h"

#include <gtest/gtest.h>

#include "tests/ui/pages/features_test.h"

namespace psui::test {
namespace {

class GraphicsOptionsTest : public FeaturesTest {
 protected:
  GraphicsOptionsTest() {
    record().smoothing = 1;
    record().tonerSave = 0;
    record().negativeImage = 1;
    record().mirrorImage = 0;
    record().rotation = 2;
  }
  std::vector<uint8_t> GraphicsFields() { return Bytes(offsetof(SettingsBlock, smoothing), 10); }
};

TEST_F(GraphicsOptionsTest, OpensWithTheRecordAndOkStoresEveryControl) {
  record().colorModel = 1;  // a black-and-white document on a colour printer
  OpenFeatures();
  RunFromFeatures(IDC_FEATURES_GRAPHICS_OPTIONS, kGraphicsOptions, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, IDC_GRAPHICS_SMOOTHING));
    EXPECT_FALSE(IsChecked(dialog, IDC_GRAPHICS_TONER_SAVE));
    EXPECT_TRUE(IsEnabled(dialog, IDC_GRAPHICS_NEGATIVE));
    EXPECT_TRUE(IsChecked(dialog, IDC_GRAPHICS_NEGATIVE));
    EXPECT_FALSE(IsChecked(dialog, IDC_GRAPHICS_MIRROR));
    EXPECT_TRUE(IsChecked(dialog, IDC_GRAPHICS_ROTATE_180));
    EXPECT_FALSE(IsChecked(dialog, IDC_GRAPHICS_ROTATE_0));

    EXPECT_TRUE(Click(dialog, IDC_GRAPHICS_TONER_SAVE));
    EXPECT_TRUE(Click(dialog, IDC_GRAPHICS_SMOOTHING));
    EXPECT_TRUE(Click(dialog, IDC_GRAPHICS_NEGATIVE));
    EXPECT_TRUE(Click(dialog, IDC_GRAPHICS_MIRROR));
    EXPECT_TRUE(Click(dialog, IDC_GRAPHICS_ROTATE_270));
    EXPECT_EQ(int{record().rotation}, 2) << "nothing is stored before OK";
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().tonerSave}, 1);
  EXPECT_EQ(int{record().smoothing}, 0);
  EXPECT_EQ(int{record().negativeImage}, 0);
  EXPECT_EQ(int{record().mirrorImage}, 1);
  EXPECT_EQ(int{record().rotation}, 3);
}

TEST_F(GraphicsOptionsTest, InColourTheNegativeImageIsOffAtOnceAndStaysOffAfterOk) {
  record().colorModel = 0;
  OpenFeatures();
  RunFromFeatures(IDC_FEATURES_GRAPHICS_OPTIONS, kGraphicsOptions, [&](HWND dialog) {
    EXPECT_FALSE(IsEnabled(dialog, IDC_GRAPHICS_NEGATIVE));
    EXPECT_FALSE(IsChecked(dialog, IDC_GRAPHICS_NEGATIVE));
    EXPECT_EQ(int{record().negativeImage}, 0) << "cleared at opening";
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().negativeImage}, 0);
}

TEST_F(GraphicsOptionsTest, CancelPutsEveryFieldBackEvenTheNegativeImageClearedAtOpening) {
  record().colorModel = 0;
  OpenFeatures();
  const std::vector<uint8_t> before = GraphicsFields();
  RunFromFeatures(IDC_FEATURES_GRAPHICS_OPTIONS, kGraphicsOptions, [&](HWND dialog) {
    for (int id : {IDC_GRAPHICS_TONER_SAVE, IDC_GRAPHICS_SMOOTHING, IDC_GRAPHICS_MIRROR, IDC_GRAPHICS_ROTATE_90}) {
      EXPECT_TRUE(Click(dialog, id));
    }
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(GraphicsFields(), before);
  EXPECT_EQ(int{record().negativeImage}, 1);
}

TEST_F(GraphicsOptionsTest, BookletsKeepTheirRotationAndAnUnknownRotationChecksNone) {
  record().pagesPerSheet = 99;
  record().rotation = 7;
  OpenFeatures();
  RunFromFeatures(IDC_FEATURES_GRAPHICS_OPTIONS, kGraphicsOptions, [&](HWND dialog) {
    for (int id : {IDC_GRAPHICS_ROTATE_0, IDC_GRAPHICS_ROTATE_90, IDC_GRAPHICS_ROTATE_180, IDC_GRAPHICS_ROTATE_270}) {
      EXPECT_FALSE(IsEnabled(dialog, id)) << id;
      EXPECT_FALSE(IsChecked(dialog, id)) << id;
    }
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().rotation}, 7);
}

TEST_F(GraphicsOptionsTest, OkShowsThePageAgainFromTheRecord) {
  HWND page = OpenFeatures();
  ASSERT_EQ(ComboSelection(page, IDC_FEATURES_RESOLUTION), "600 dpi");
  RunFromFeatures(IDC_FEATURES_GRAPHICS_OPTIONS, kGraphicsOptions, [&](HWND dialog) {
    // Something else changed the record meanwhile: the page shows it after OK.
    record().resolution = 3;
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(ComboSelection(page, IDC_FEATURES_RESOLUTION), "1200 dpi");
}

TEST_F(GraphicsOptionsTest, GuidaOpensTheDialogsHelpTopic) {
  OpenFeatures();
  RunFromFeatures(IDC_FEATURES_GRAPHICS_OPTIONS, kGraphicsOptions, [&](HWND dialog) {
    EXPECT_TRUE(Click(dialog, IDC_GRAPHICS_HELP));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  ASSERT_EQ(external.helpCalls.size(), 1u);
  EXPECT_EQ(external.helpCalls[0].command, static_cast<UINT>(HELP_CONTEXT));
  EXPECT_EQ(external.helpCalls[0].data, 210u);
}

}  // namespace
}  // namespace psui::test
