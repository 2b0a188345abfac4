// The overlay rows and cycle numbers as the Overlay page stores them, and
// the typed numbers of the watermark dialog.
#include <gtest/gtest.h>

#include <cstring>

#include "pages/overlay_rules.h"

namespace psui {
namespace {

class OverlayRows : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&record_, 0, sizeof record_);
    for (OverlayEntry& overlay : record_.overlays) {
      overlay.enabled = 1;
      std::memset(overlay.fileName, 'x', sizeof overlay.fileName);
      SetFieldText(overlay.fileName, "OLD.OVL");
      overlay.placement = 1;
    }
    record_.complexOverlayFirst = 5;
    record_.complexOverlayCycle = 4;
  }
  SettingsBlock record_;
};

TEST_F(OverlayRows, WithoutADiskEveryRowIsClearedAndWithOneNothingChanges) {
  record_.hardDiskInstalled = 1;
  EXPECT_FALSE(ClearOverlaysWithoutDisk(record_));
  EXPECT_EQ(FieldText(record_.overlays[2].fileName), "OLD.OVL");

  record_.hardDiskInstalled = 0;
  EXPECT_TRUE(ClearOverlaysWithoutDisk(record_));
  for (const OverlayEntry& overlay : record_.overlays) {
    EXPECT_EQ(+overlay.enabled, 0);
    EXPECT_EQ(FieldText(overlay.fileName), "");
    EXPECT_EQ(+overlay.placement, 0);
  }
  EXPECT_EQ(+record_.complexOverlayFirst, 5) << "the cycle is not part of the rows";
}


TEST_F(OverlayRows, ATickedRowTakesAn83NameAndRefusesAnyOther) {
  EXPECT_TRUE(StoreOverlayRow(record_, 4, true, "LOGO.OVL"));
  EXPECT_EQ(FieldText(record_.overlays[3].fileName), "LOGO.OVL");
  EXPECT_EQ(+record_.overlays[3].enabled, 1);
  EXPECT_EQ(+record_.overlays[3].fileName[9], 'x') << "bytes after the NUL stay";

  EXPECT_FALSE(StoreOverlayRow(record_, 4, true, "LOGOTIPO1"));
  EXPECT_EQ(FieldText(record_.overlays[3].fileName), "LOGO.OVL");
  EXPECT_FALSE(StoreOverlayRow(record_, 4, true, "LOGO.OVLX"));
}

TEST_F(OverlayRows, ATickedRowWithoutANameIsTurnedOffAndTheComplexOneRestartsItsCycle) {
  EXPECT_TRUE(StoreOverlayRow(record_, 1, true, ""));
  EXPECT_EQ(+record_.overlays[0].enabled, 0);
  EXPECT_EQ(+record_.overlays[0].placement, 0);
  EXPECT_EQ(FieldText(record_.overlays[0].fileName), "");
  EXPECT_EQ(+record_.complexOverlayFirst, 5);

  EXPECT_TRUE(StoreOverlayRow(record_, kComplexOverlayRow, true, ""));
  EXPECT_EQ(+record_.overlays[4].enabled, 0);
  EXPECT_EQ(+record_.complexOverlayFirst, 1);
  EXPECT_EQ(+record_.complexOverlayCycle, 1);
}


TEST(OverlayCount, DigitsOnlyFromOneToNinetyNine) {
  EXPECT_EQ(ParseOverlayCount("1"), 1);
  EXPECT_EQ(ParseOverlayCount("99"), 99);
  EXPECT_EQ(ParseOverlayCount("007"), 7);
  for (const char* bad : {"", "0", "00", "100", "+5", "-1", "5a", " 5", "5 "}) {
    EXPECT_FALSE(ParseOverlayCount(bad).has_value()) << '"' << bad << '"';
  }
}

TEST(OverlayCount, ALongNumberIsOutOfRangeNotWrappedIntoIt) {
  // 2^32 + 5 and 2^64 + 5 would wrap to 5 in 32 or 64 bits.
  EXPECT_FALSE(ParseOverlayCount("4294967301").has_value());
  EXPECT_FALSE(ParseOverlayCount("18446744073709551621").has_value());
}

TEST(TypedNumbers, AWholeNumberHasAnOptionalSignAndDigitsOnly) {
  EXPECT_EQ(ParseWholeNumber("-5"), -5);
  EXPECT_EQ(ParseWholeNumber("+12"), 12);
  EXPECT_EQ(ParseWholeNumber("350"), 350);
  for (const char* bad : {"", "-", "+", "4a", "a4", "1-", "--1", "1.5"}) {
    EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << '"' << bad << '"';
  }
  EXPECT_GT(*ParseWholeNumber("100000000004"), 350);
  EXPECT_LT(*ParseWholeNumber("-99999999999999999999999"), -396);
}

TEST(TypedNumbers, TheLeadingNumberIsWhatStandsBeforeTheFirstOtherCharacter) {
  EXPECT_EQ(LeadingNumber("351"), 351);
  EXPECT_EQ(LeadingNumber("-3"), -3);
  EXPECT_EQ(LeadingNumber("12abc"), 12);
  EXPECT_EQ(LeadingNumber("-"), 0);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_GT(LeadingNumber("4294967296"), 360) << "not wrapped to 0";
}


}  // namespace
}  // namespace psui
