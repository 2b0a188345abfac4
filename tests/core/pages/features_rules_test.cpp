// The Features page's choices and its toner-saving check on the record.
#include "pages/features_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "color/color_profile_store.h"
#include "tests/core/pages/printer_scope.h"
#include "tests/core/ppd/ppd_test_util.h"

namespace psui {
namespace {

using test::Compile;
using test::ImagePtr;

TEST(FeaturesRules, AResolutionCodeGivesItsDotsPerInch) {
  const struct {
    int code;
    int dpi;
  } cases[] = {{1, 300}, {2, 600}, {3, 1200}, {4, 2400}, {5, 600}, {6, 1200}, {7, 600}, {0, 600}, {-1, 600}};
  for (const auto& c : cases) {
    SettingsBlock record;
    std::memset(&record, 0, sizeof record);
    TakeResolution(record, c.code);
    EXPECT_EQ(int{record.resolution}, c.code);
    EXPECT_EQ(int32_t{record.resolutionDpi}, c.dpi) << "code " << c.code;
  }
}

class ColorChoice : public ::testing::Test {
 protected:
  ColorChoice() : printer(std::string("PSUI Funzioni ") + ::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    record = printer.record;
    record.colorModel = 1;
    record.negativeImage = 1;
    record.graphicsHalftone = 9;
    record.rgbSourceProfileId = 108;
    SetFieldText(record.destinationProfileName, "Carta lucida");
  }
  test::PrinterScope printer;
  SettingsBlock record;
};

TEST_F(ColorChoice, ABuiltInConfigurationIsColourWithoutNegativeAndAppliesItsSettings) {
  TakeColorConfiguration(record, "Foto", 4);
  EXPECT_EQ(FieldText(record.colorProfileName), "Foto") << "the entry's text, not its setting string";
  EXPECT_EQ(int{record.colorPreset}, 4);
  EXPECT_EQ(int{record.colorModel}, 0);
  EXPECT_EQ(int{record.negativeImage}, 0);
  EXPECT_EQ(int{record.graphicsHalftone}, 0);
  EXPECT_EQ(int{record.graphicsIntent}, 1);
  EXPECT_EQ(int{record.imageProcessGray}, 1);
  EXPECT_EQ(FieldText(record.destinationProfileName), "Nessuno");
  EXPECT_EQ(int{record.rgbSourceProfileId}, 108) << "the ids keep their values";
}

TEST_F(ColorChoice, CodesThreeAndSixAreBlackAndWhiteAndKeepTheNegativeImage) {
  for (int code : {3, 6}) {
    SCOPED_TRACE(code);
    record.colorModel = 0;
    record.negativeImage = 1;
    TakeColorConfiguration(record, "Bianco e nero", code);
    EXPECT_EQ(int{record.colorModel}, 1);
    EXPECT_EQ(int{record.negativeImage}, 1);
    EXPECT_EQ(int{record.colorPreset}, code);
    EXPECT_EQ(int{record.graphicsHalftone}, 9) << "no setting string: nothing applied";
    EXPECT_EQ(FieldText(record.destinationProfileName), "Carta lucida");
  }
}

TEST_F(ColorChoice, AStoredProfileIsLoadedAndNothingElseChanges) {
  SettingsBlock stored = record;
  stored.colorPreset = 0;
  SetFieldText(stored.colorProfileName, "Ufficio");
  stored.graphicsHalftone = 1;
  stored.colorModel = 0;
  ASSERT_TRUE(SaveColorProfile(stored));

  TakeColorConfiguration(record, "Ufficio", 0);
  EXPECT_EQ(int{record.colorPreset}, 0);
  EXPECT_EQ(FieldText(record.colorProfileName), "Ufficio");
  EXPECT_EQ(int{record.graphicsHalftone}, 1) << "loaded";
  EXPECT_EQ(int{record.colorModel}, 0) << "as stored";
  EXPECT_EQ(int{record.negativeImage}, 1) << "not a colour field";

  // A profile that cannot be read: only the name and the code change.
  TakeColorConfiguration(record, "Perduto", 0);
  EXPECT_EQ(FieldText(record.colorProfileName), "Perduto");
  EXPECT_EQ(int{record.graphicsHalftone}, 1);
}

// 1200 dpi forbids toner saving; 150 dpi has no translation and stands
// before it in the walk.
constexpr char kResolutionPpd[] = R"(*PPD-Adobe: "4.3"
*OpenUI *Resolution/Risoluzione: PickOne
*DefaultResolution: 600dpi
*Resolution 150dpi: "a"
*Resolution 300dpi/300 dpi: "b"
*Resolution 600dpi/600 dpi: "c"
*Resolution 1200dpi/1200 dpi: "d"
*Resolution 2400dpi: "e"
*CloseUI: *Resolution
*OpenUI *MiserMode/Risparmio toner: Boolean
*DefaultMiserMode: False
*MiserMode True/Attivato: "t"
*MiserMode False/Disattivato: "f"
*CloseUI: *MiserMode
*OpenUI *Smoothing/Rifinitura: Boolean
*DefaultSmoothing: False
*Smoothing True/Si: "s"
*Smoothing False/No: "n"
*CloseUI: *Smoothing
*UIConstraints: *MiserMode True *Resolution 1200dpi
*UIConstraints: *Resolution 1200dpi *MiserMode True
*UIConstraints: *Smoothing True *Resolution 300dpi
*UIConstraints: *MiserMode False *Resolution 2400dpi
)";

class TonerSaving : public ::testing::Test {
 protected:
  TonerSaving() : image(Compile(kResolutionPpd)) {
    std::memset(&record, 0, sizeof record);
    record.tonerSave = 1;
  }
  int LeaveWith(int resolution) {
    record.resolution = static_cast<int16_t>(resolution);
    record.tonerSave = 1;
    SettleTonerSaving(record, image.get());
    return record.tonerSave;
  }
  ImagePtr image;
  SettingsBlock record;
};

TEST_F(TonerSaving, IsSwitchedOffAtAResolutionThatForbidsIt) {
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(LeaveWith(3), 0) << "1200 dpi, past an option without translation";
  EXPECT_EQ(LeaveWith(2), 1) << "600 dpi";
  EXPECT_EQ(LeaveWith(1), 1) << "300 dpi is constrained by another keyword only";
}

TEST_F(TonerSaving, ResolutionsWithoutTranslationCodeOrOptionAreNotChecked) {
  EXPECT_EQ(LeaveWith(4), 1) << "2400 dpi has no translation, so its constraint is never looked up";
  EXPECT_EQ(LeaveWith(-1), 1) << "nothing selected";
  EXPECT_EQ(LeaveWith(7), 1) << "\"600dp\" is no option of this PPD";
  record.resolution = 3;
  SettleTonerSaving(record, nullptr);
  EXPECT_EQ(int{record.tonerSave}, 1) << "no image";
}

TEST_F(TonerSaving, AnyMiserModeOptionCountsAndAPpdWithoutResolutionChecksNothing) {
  ImagePtr other = Compile(R"(*PPD-Adobe: "4.3"
*OpenUI *Resolution/Risoluzione: PickOne
*DefaultResolution: 600dpi
*Resolution 600dpi/600 dpi: "c"
*CloseUI: *Resolution
*OpenUI *MiserMode/Risparmio toner: Boolean
*DefaultMiserMode: False
*MiserMode True/Attivato: "t"
*MiserMode False/Disattivato: "f"
*CloseUI: *MiserMode
*UIConstraints: *MiserMode False *Resolution 600dpi
)");
  ASSERT_NE(other, nullptr);
  record.resolution = 2;
  record.tonerSave = 1;
  SettleTonerSaving(record, other.get());
  EXPECT_EQ(int{record.tonerSave}, 0) << "the constraint names MiserMode False";

  ImagePtr none = Compile("*PPD-Adobe: \"4.3\"\n*ColorDevice: False\n");
  ASSERT_NE(none, nullptr);
  record.tonerSave = 1;
  SettleTonerSaving(record, none.get());
  EXPECT_EQ(int{record.tonerSave}, 1);
}

}  // namespace
}  // namespace psui
