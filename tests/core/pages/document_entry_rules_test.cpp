// When the Features page's dialogs report a number being typed, and what
// their OK accepts.
#include "pages/document_entry_rules.h"

#include <gtest/gtest.h>

namespace psui {
namespace {

TEST(TypedNumbers, CopiesAreReportedFromTheSecondCharacterScalingFromTheThird) {
  EXPECT_FALSE(ReportWhileTyping("", kCopiesRange));
  EXPECT_FALSE(ReportWhileTyping("0", kCopiesRange)) << "a single 0 may become 05";
  EXPECT_TRUE(ReportWhileTyping("00", kCopiesRange));
  EXPECT_FALSE(ReportWhileTyping("99", kCopiesRange));
  EXPECT_FALSE(ReportWhileTyping("999", kCopiesRange));

  EXPECT_FALSE(ReportWhileTyping("2", kScalingRange));
  EXPECT_FALSE(ReportWhileTyping("24", kScalingRange)) << "24 may become 240";
  EXPECT_FALSE(ReportWhileTyping("400", kScalingRange));
  EXPECT_TRUE(ReportWhileTyping("401", kScalingRange));
  EXPECT_TRUE(ReportWhileTyping("024", kScalingRange));
}

TEST(TypedNumbers, TheTimeOutIsReportedEmptyOrOutsideAndALeadingNumberCounts) {
  EXPECT_TRUE(ReportWhileTyping("", kJobTimeoutRange));
  EXPECT_FALSE(ReportWhileTyping("0", kJobTimeoutRange));
  EXPECT_FALSE(ReportWhileTyping("3000", kJobTimeoutRange));
  EXPECT_TRUE(ReportWhileTyping("3001", kJobTimeoutRange));
  EXPECT_TRUE(ReportWhileTyping("-5", kJobTimeoutRange));
  EXPECT_FALSE(ReportWhileTyping("abc", kJobTimeoutRange)) << "no leading number: 0";
  EXPECT_FALSE(ReportWhileTyping("12a", kJobTimeoutRange));
  EXPECT_TRUE(ReportWhileTyping("99999999999999999999", kJobTimeoutRange)) << "no wrap into the range";
}

TEST(TypedNumbers, OkAcceptsWholeNumbersInTheRangeOnly) {
  EXPECT_EQ(AcceptedNumber("3000", kJobTimeoutRange), 3000);
  EXPECT_EQ(AcceptedNumber("+12", kJobTimeoutRange), 12);
  EXPECT_EQ(AcceptedNumber("0", kJobTimeoutRange), 0);
  EXPECT_EQ(AcceptedNumber("3001", kJobTimeoutRange), std::nullopt);
  EXPECT_EQ(AcceptedNumber("-5", kJobTimeoutRange), std::nullopt);
  EXPECT_EQ(AcceptedNumber("12a", kJobTimeoutRange), std::nullopt) << "digits then a letter";
  EXPECT_EQ(AcceptedNumber("", kJobTimeoutRange), std::nullopt);
  EXPECT_EQ(AcceptedNumber("-", kJobTimeoutRange), std::nullopt);
  EXPECT_EQ(AcceptedNumber("18446744073709551617", kJobTimeoutRange), std::nullopt);
  EXPECT_EQ(AcceptedNumber("0", kCopiesRange), std::nullopt);
  EXPECT_EQ(AcceptedNumber("999", kCopiesRange), 999);
  EXPECT_EQ(AcceptedNumber("24", kScalingRange), std::nullopt);
  EXPECT_EQ(AcceptedNumber("25", kScalingRange), 25);
}

}  // namespace
}  // namespace psui
