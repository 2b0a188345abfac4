#include "pages/custom_size_math.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace psui {
namespace {

class CustomSize : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&record_, 0, sizeof record_);
    Limits(762, 2159, 1270, 3556);
    record_.customWidth = 210;
    record_.customHeight = 297;
    record_.customUnits = kUnitMillimetres;
    record_.customFeedDirection = kFeedLongEdge;
  }
  void Limits(int16_t minWidth, int16_t maxWidth, int16_t minHeight, int16_t maxHeight) {
    record_.customLimit1 = minWidth;
    record_.customLimit2 = maxWidth;
    record_.customLimit3 = minHeight;
    record_.customLimit4 = maxHeight;
  }
  std::string WidthLabel(int unit) const {
    CustomRanges shown = ShownRanges(record_, unit);
    return RangeText(shown.minWidth, shown.maxWidth);
  }
  std::string HeightLabel(int unit) const {
    CustomRanges shown = ShownRanges(record_, unit);
    return RangeText(shown.minHeight, shown.maxHeight);
  }
  // What the dialog does with a typed text in the record's unit.
  SizeVerdict Validate(SizeEdit edit, const char* text, const char* widthText, bool feedCheck) {
    return ValidateCustomValue(record_, edit, ReadNumber(text), ReadNumber(widthText), feedCheck);
  }

  SettingsBlock record_;
};

TEST(CustomSizeText, TwoDecimalsWithoutLeadingZeroBelowOne) {
  EXPECT_EQ(NumberText(0.0f), "0.00");
  EXPECT_EQ(NumberText(0.5f), ".50");
  EXPECT_EQ(NumberText(0.05f), ".05");
  EXPECT_EQ(NumberText(1.0f), "1.00");
  EXPECT_EQ(NumberText(595.2756f), "595.28");
  EXPECT_EQ(NumberText(0.004f), "0.00") << "rounds to zero";
  EXPECT_EQ(NumberText(0.995f), "1.00") << "0.995f lies above 0.995";
  // The message box writes the leading zero.
  EXPECT_EQ(BoxNumberText(0.5f), "0.50");
  EXPECT_EQ(BoxNumberText(127.0f), "127.00");
  EXPECT_EQ(BoxNumberText(0.0f), "0.00");
}

TEST(CustomSizeText, TiesGoAwayFromZeroOnTheFloatsExactValue) {
  // 0.125 and 0.375 are exact ties (glibc's printf gives .12 and .38).
  EXPECT_EQ(NumberText(0.125f), ".13");
  EXPECT_EQ(NumberText(0.375f), ".38");
  EXPECT_EQ(NumberText(2.5f + 0.125f), "2.63");
  // Not ties once stored as float: 2.675f is 2.67499995..., 1.005f is 1.00499999...
  EXPECT_EQ(NumberText(2.675f), "2.67");
  EXPECT_EQ(NumberText(1.005f), "1.00");
  EXPECT_EQ(NumberText(-0.125f), "-0.13");
}

TEST(CustomSizeText, NegativeValuesKeepTheirSign) {
  EXPECT_EQ(NumberText(-0.5f), "-0.50");
  EXPECT_EQ(NumberText(-1.5f), "-1.50");
  EXPECT_EQ(NumberText(-9.995f), "-9.99");
  EXPECT_EQ(NumberText(-0.001f), "0.00") << "no minus sign on a zero";
  EXPECT_FLOAT_EQ(CutToText(-0.5f), -0.5f);
  EXPECT_EQ(BoxNumberText(-2.0f), "-2.00");
}

TEST(CustomSizeText, AnyFloatHasABoundedText) {
  EXPECT_EQ(NumberText(std::numeric_limits<float>::quiet_NaN()), "0.00");
  EXPECT_EQ(NumberText(std::numeric_limits<float>::infinity()), "0.00");
  EXPECT_EQ(NumberText(-std::numeric_limits<float>::infinity()), "0.00");
  EXPECT_EQ(NumberText(FLT_MAX), "340282346638528859811704183484516925440.00");
  EXPECT_EQ(NumberText(-FLT_MAX), "-340282346638528859811704183484516925440.00");
  EXPECT_EQ(NumberText(16777216.0f), "16777216.00");
  EXPECT_EQ(NumberText(1e20f), "100000002004087734272.00");
  EXPECT_EQ(NumberText(FLT_MIN), "0.00");
}

TEST(CustomSizeText, ReadNumberReadsWhatAtofWould) {
  EXPECT_FLOAT_EQ(ReadNumber(".50"), 0.5f);
  EXPECT_FLOAT_EQ(ReadNumber("+12.5"), 12.5f);
  EXPECT_FLOAT_EQ(ReadNumber("-0.50"), -0.5f);
  EXPECT_FLOAT_EQ(ReadNumber("12.5x"), 12.5f);
  EXPECT_FLOAT_EQ(ReadNumber("1.2.3"), 1.2f);
  EXPECT_FLOAT_EQ(ReadNumber("0.005"), 0.005f);
  EXPECT_EQ(ReadNumber(""), 0.0f);
  EXPECT_EQ(ReadNumber("abc"), 0.0f);
  EXPECT_EQ(ReadNumber("."), 0.0f);
  EXPECT_EQ(ReadNumber("340282346638528859811704183484516925440.00"), FLT_MAX);
}

TEST(CustomSizeText, RangeTextAndMessage) {
  EXPECT_EQ(RangeText(0.5f, 14.0f), "(.50,14.00)");
  EXPECT_EQ(RangeMessage("Valore fuori intervallo; deve essere tra %.2f e %.2f", 0.5f, 127.0f),
            "Valore fuori intervallo; deve essere tra 0.50 e 127.00");
  EXPECT_EQ(RangeMessage("%.2f-%.2f-%.2f", 1, 2), "1.00-2.00-%.2f") << "two values, no more";
  EXPECT_EQ(RangeMessage("no fields", 1, 2), "no fields");
}

TEST_F(CustomSize, LabelsShowTheLimitsInEachUnit) {
  // 762 * 0.1f rounds up to 76.2000046, so with 0.005 it shows 76.21;
  // 1270 * 0.1f + 0.005f lies just below 127.005.
  EXPECT_EQ(WidthLabel(kUnitMillimetres), "(76.21,215.90)");
  EXPECT_EQ(HeightLabel(kUnitMillimetres), "(127.00,355.60)");
  EXPECT_EQ(WidthLabel(kUnitInches), "(3.01,8.50)");
  EXPECT_EQ(HeightLabel(kUnitInches), "(5.01,14.00)");
  EXPECT_EQ(WidthLabel(kUnitPoints), "(216.01,612.00)");
  EXPECT_EQ(HeightLabel(kUnitPoints), "(360.01,1008.00)");
  Limits(900, 3556, 900, 3556);
  EXPECT_EQ(WidthLabel(kUnitInches), "(3.55,14.00)");
}

TEST_F(CustomSize, ConversionsOfTheStoredMillimetres) {
  EXPECT_EQ(NumberText(MillimetresToUnit(210, kUnitPoints)), "595.28");
  EXPECT_EQ(NumberText(MillimetresToUnit(210, kUnitInches)), "8.27");
  EXPECT_EQ(NumberText(MillimetresToUnit(210, kUnitMillimetres)), "210.00");
  EXPECT_FLOAT_EQ(UnitToMillimetres(1, kUnitInches), 25.4f);
  EXPECT_NEAR(UnitToMillimetres(72, kUnitPoints), 25.4f, 1e-5f);
  EXPECT_EQ(UnitToMillimetres(12.5f, kUnitMillimetres), 12.5f);
}

TEST_F(CustomSize, EachUnitChangeStoresWhatWasShown) {
  // The dialog validates the texts in the old unit, then shows the stored
  // millimetres in the new one: 200 x 150 mm through inches and points.
  record_.customWidth = 200;
  record_.customHeight = 150;
  const int units[] = {kUnitInches, kUnitPoints, kUnitMillimetres};
  const char* shown[][2] = {{"7.87", "5.91"}, {"566.64", "425.52"}, {"199.90", "150.11"}};
  for (int step = 0; step < 3; ++step) {
    std::string width = NumberText(MillimetresToUnit(record_.customWidth, record_.customUnits));
    std::string height = NumberText(MillimetresToUnit(record_.customHeight, record_.customUnits));
    ASSERT_TRUE(Validate(SizeEdit::kWidth, width.c_str(), width.c_str(), false).ok) << width;
    ASSERT_TRUE(Validate(SizeEdit::kHeight, height.c_str(), width.c_str(), false).ok) << height;
    record_.customUnits = static_cast<int16_t>(units[step]);
    EXPECT_EQ(NumberText(MillimetresToUnit(record_.customWidth, units[step])), shown[step][0]);
    EXPECT_EQ(NumberText(MillimetresToUnit(record_.customHeight, units[step])), shown[step][1]);
  }
}

TEST_F(CustomSize, RangeChecksCompareWithTheCutLimits) {
  EXPECT_FALSE(Validate(SizeEdit::kWidth, "76.20", "", false).ok);
  EXPECT_TRUE(Validate(SizeEdit::kWidth, "76.21", "", false).ok) << "76.21 is the shown minimum";
  EXPECT_TRUE(Validate(SizeEdit::kWidth, "215.90", "", false).ok);
  SizeVerdict over = Validate(SizeEdit::kWidth, "215.91", "", false);
  EXPECT_FALSE(over.ok);
  EXPECT_EQ(RangeText(over.low, over.high), "(76.21,215.90)");
  EXPECT_EQ(over.focus, SizeEdit::kWidth);
  EXPECT_TRUE(Validate(SizeEdit::kHeight, "127", "", false).ok) << "127.005 shows and cuts as 127.00";
  SizeVerdict low = Validate(SizeEdit::kHeight, "126.99", "", false);
  EXPECT_FALSE(low.ok);
  EXPECT_EQ(RangeText(low.low, low.high), "(127.00,355.60)");
  EXPECT_EQ(low.focus, SizeEdit::kHeight);
}

TEST_F(CustomSize, OnlyPassingValuesAreStoredInMillimetres) {
  record_.customUnits = kUnitInches;
  EXPECT_TRUE(Validate(SizeEdit::kWidth, "8", "8", false).ok);
  EXPECT_FLOAT_EQ(record_.customWidth, 203.2f);
  EXPECT_FALSE(Validate(SizeEdit::kHeight, "20", "8", false).ok);
  EXPECT_FLOAT_EQ(record_.customHeight, 297.0f) << "a failing height is not stored";
  EXPECT_FLOAT_EQ(record_.customWidth, 203.2f) << "the width that passed stays";
}

TEST_F(CustomSize, LongEdgeFeedWantsTheHeightAtMostTheWidth) {
  // The feed check comes before the range check: 400 is also above 355.60.
  SizeVerdict tall = Validate(SizeEdit::kHeight, "400", "210", true);
  EXPECT_FALSE(tall.ok);
  EXPECT_EQ(BoxNumberText(tall.low), "127.00");
  EXPECT_EQ(BoxNumberText(tall.high), "210.00");
  EXPECT_EQ(tall.focus, SizeEdit::kHeight);
  EXPECT_TRUE(Validate(SizeEdit::kHeight, "300", "210", false).ok) << "no feed check on a unit change";
  EXPECT_TRUE(Validate(SizeEdit::kHeight, "200", "210", true).ok);
}

TEST_F(CustomSize, LongEdgeFeedRefusesAWidthBelowTheMinimumHeightWithAPassingRange) {
  SizeVerdict narrow = Validate(SizeEdit::kWidth, "100", "100", true);
  EXPECT_FALSE(narrow.ok);
  EXPECT_EQ(narrow.focus, SizeEdit::kWidth);
  // Not the width range (76.21,215.90), which holds the refused 100.
  EXPECT_EQ(RangeText(narrow.low, narrow.high), "(127.00,215.90)");
  EXPECT_GT(narrow.low, 100.0f);
  EXPECT_TRUE(Validate(SizeEdit::kWidth, "100", "100", false).ok);
  // A minimum width above the minimum height keeps its own minimum.
  Limits(1500, 2159, 1270, 3556);
  SizeVerdict small = Validate(SizeEdit::kWidth, "100", "100", true);
  EXPECT_EQ(RangeText(small.low, small.high), "(150.01,215.90)");
}

TEST_F(CustomSize, ShortEdgeFeedWantsTheHeightAtLeastTheWidth) {
  record_.customFeedDirection = kFeedShortEdge;
  SizeVerdict low = Validate(SizeEdit::kHeight, "200", "210", true);
  EXPECT_FALSE(low.ok);
  EXPECT_EQ(RangeText(low.low, low.high), "(210.00,355.60)");
  SizeVerdict below = Validate(SizeEdit::kHeight, "90", "100", true);
  EXPECT_EQ(RangeText(below.low, below.high), "(127.00,355.60)") << "the larger of width and minimum height";
  EXPECT_TRUE(Validate(SizeEdit::kHeight, "297", "210", true).ok);
  EXPECT_TRUE(Validate(SizeEdit::kWidth, "100", "100", true).ok) << "no width rule for short edge";
}

TEST_F(CustomSize, NegativeLimitsStayNegativeThroughTheCut) {
  Limits(-100, 2159, 1270, 3556);
  EXPECT_EQ(WidthLabel(kUnitMillimetres), "(-9.99,215.90)");
  // Read back without its sign the minimum would be 9.99 and refuse 5.
  EXPECT_TRUE(Validate(SizeEdit::kWidth, "5", "5", false).ok);
  EXPECT_FALSE(Validate(SizeEdit::kWidth, "-10", "-10", false).ok);
}

TEST_F(CustomSize, UnknownUnitsAndFeedDirectionsShowAsMillimetresAndLongEdge) {
  EXPECT_EQ(ShownUnit(0), kUnitInches);
  EXPECT_EQ(ShownUnit(2), kUnitPoints);
  EXPECT_EQ(ShownUnit(3), kUnitMillimetres);
  EXPECT_EQ(ShownUnit(-1), kUnitMillimetres);
  EXPECT_EQ(ShownFeedDirection(9), kFeedShortEdge);
  EXPECT_EQ(ShownFeedDirection(0), kFeedLongEdge);
  // What is checked follows what is shown: unit 7 checks millimetres.
  record_.customUnits = 7;
  EXPECT_TRUE(Validate(SizeEdit::kWidth, "200", "200", false).ok);
  EXPECT_FLOAT_EQ(record_.customWidth, 200.0f);
}

TEST_F(CustomSize, ChangingTheFeedDirectionSwapsOnlyOnAChange) {
  ChangeFeedDirection(record_, kFeedLongEdge);
  EXPECT_FLOAT_EQ(record_.customWidth, 210.0f);
  ChangeFeedDirection(record_, kFeedShortEdge);
  EXPECT_FLOAT_EQ(record_.customWidth, 297.0f);
  EXPECT_FLOAT_EQ(record_.customHeight, 210.0f);
  EXPECT_EQ(+record_.customFeedDirection, kFeedShortEdge);
  record_.customFeedDirection = 0;  // shown as long edge
  ChangeFeedDirection(record_, kFeedLongEdge);
  EXPECT_FLOAT_EQ(record_.customWidth, 297.0f);
  EXPECT_EQ(+record_.customFeedDirection, kFeedLongEdge);
}

}  // namespace
}  // namespace psui
