#include "exchange/code_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace psui {
namespace {

TEST(CodeTables, HaveTheirRowCounts) {
  EXPECT_EQ(CodeTableLength(kPageSizeCodes), 99);
  EXPECT_EQ(CodeTableLength(kInputSlotCodes), 33);
  EXPECT_EQ(CodeTableLength(kMediaTypeCodes), 9);
  EXPECT_EQ(CodeTableLength(kOutputBinCodes), 57);
  EXPECT_EQ(CodeTableLength(kResolutionCodes), 7);
  EXPECT_EQ(CodeTableLength(kPagesPerSheetCodes), 7);
  EXPECT_EQ(CodeTableLength(kWatermarkCodes), 7);
  EXPECT_EQ(CodeTableLength(kColorPresetCodes), 6);
}

TEST(CodeFor, FirstMatchingRowWins) {
  EXPECT_EQ(CodeFor(kPageSizeCodes, "11x17"), 17);
  EXPECT_EQ(CodeFor(kPageSizeCodes, "B4"), 12);
  EXPECT_EQ(CodeFor(kPageSizeCodes, "B5"), 13);
  EXPECT_EQ(CodeFor(kPageSizeCodes, "B6"), 35);
  EXPECT_EQ(CodeFor(kInputSlotCodes, "Optional"), 258);
  EXPECT_EQ(CodeFor(kInputSlotCodes, "OptionalBin"), 258);
}

TEST(CodeNameFor, FindsTheFirstRowWithTheCode) {
  EXPECT_STREQ(CodeNameFor(kPageSizeCodes, 3), "11x17");
  EXPECT_STREQ(CodeNameFor(kPageSizeCodes, 257), "Custom Paper");
  EXPECT_STREQ(CodeNameFor(kPageSizeCodes, 48), "RESERVED--DO NOT USE");
  EXPECT_STREQ(CodeNameFor(kOutputBinCodes, 49), "Tray40");
  EXPECT_STREQ(CodeNameFor(kOutputBinCodes, 56), "Mailbin5");
  EXPECT_EQ(CodeNameFor(kPageSizeCodes, 42), nullptr);
  EXPECT_EQ(CodeNameFor(kWatermarkCodes, 0), nullptr);
}

TEST(CodeFor, NoMatchGivesZeroWhichOutputBinDefaultAlsoGives) {
  EXPECT_EQ(CodeFor(kOutputBinCodes, "Default"), 0);
  EXPECT_EQ(CodeFor(kOutputBinCodes, "NoSuchBin"), 0);
  EXPECT_EQ(CodeFor(kPageSizeCodes, nullptr), 0);
}

TEST(CodeFor, ComparesExactlyAndCaseSensitively) {
  EXPECT_EQ(CodeFor(kPageSizeCodes, "a4"), 0);
  EXPECT_EQ(CodeFor(kPageSizeCodes, "A4 "), 0);
  EXPECT_EQ(CodeFor(kPageSizeCodes, "A4SMALL"), 10);
  EXPECT_EQ(CodeFor(kOutputBinCodes, "Tray10"), 19);
  EXPECT_EQ(CodeFor(kColorPresetCodes, "1133110"), 14);
}

TEST(CodeFor, FractionRowsHoldWindows1252Bytes) {
  // What a PPD written in Windows-1252 holds, not the UTF-8 of the same text.
  EXPECT_EQ(CodeFor(kPageSizeCodes, "Envelope #12 4 \xBE x 11"), 22);
  EXPECT_EQ(CodeFor(kPageSizeCodes, "Letter Extra Transverse 9\xBD x 12 in"), 56);
  EXPECT_EQ(CodeFor(kPageSizeCodes, "Letter Extra 9 \xC2\xBD x 12 in"), 0);
  EXPECT_EQ(std::string(CodeNameFor(kPageSizeCodes, 54)), "Letter Transverse 8 \xBD x 11 in");
}

TEST(ResolutionDpiForCode, MapsCodesToDotsPerInch) {
  EXPECT_EQ(ResolutionDpiForCode(1), 300);
  EXPECT_EQ(ResolutionDpiForCode(2), 600);
  EXPECT_EQ(ResolutionDpiForCode(3), 1200);
  EXPECT_EQ(ResolutionDpiForCode(4), 2400);
  EXPECT_EQ(ResolutionDpiForCode(5), 600);
  EXPECT_EQ(ResolutionDpiForCode(6), 1200);
  EXPECT_EQ(ResolutionDpiForCode(7), 600);
  EXPECT_EQ(ResolutionDpiForCode(0), 600);
  EXPECT_EQ(ResolutionDpiForCode(-1), 600);
}

}  // namespace
}  // namespace psui
