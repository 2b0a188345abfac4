#include "ui/entry_rules.h"

#include <gtest/gtest.h>

namespace psui {
namespace {

TEST(WholeNumbers, AcceptSignedDigitsOnly) {
  EXPECT_EQ(FirstRejectedCharacter("-5", kWholeNumber), -1);
  EXPECT_EQ(FirstRejectedCharacter("+12", kWholeNumber), -1);
  EXPECT_EQ(FirstRejectedCharacter("3000", kWholeNumber), -1);
  EXPECT_EQ(FirstRejectedCharacter("5-", kWholeNumber), 1) << "trailing sign";
  EXPECT_EQ(FirstRejectedCharacter("-", kWholeNumber), 0) << "lone sign";
  EXPECT_EQ(FirstRejectedCharacter("a12", kWholeNumber), 0) << "letter before the digits";
  EXPECT_EQ(FirstRejectedCharacter("1.5", kWholeNumber), 1);
  EXPECT_EQ(FirstRejectedCharacter("--5", kWholeNumber), 1);
  EXPECT_EQ(FirstRejectedCharacter(" 5", kWholeNumber), 0);
}

TEST(DecimalNumbers, AcceptOneDotAndALeadingPlus) {
  EXPECT_EQ(FirstRejectedCharacter("12.5", kDecimalNumber), -1);
  EXPECT_EQ(FirstRejectedCharacter("+3", kDecimalNumber), -1);
  EXPECT_EQ(FirstRejectedCharacter(".", kDecimalNumber), -1);
  EXPECT_EQ(FirstRejectedCharacter("12.", kDecimalNumber), -1);
  EXPECT_EQ(FirstRejectedCharacter(".5", kDecimalNumber), -1);
  EXPECT_EQ(FirstRejectedCharacter("1.2.3", kDecimalNumber), 3) << "second dot";
  EXPECT_EQ(FirstRejectedCharacter("-1", kDecimalNumber), 0) << "no minus";
  EXPECT_EQ(FirstRejectedCharacter("+", kDecimalNumber), 0) << "lone plus";
  EXPECT_EQ(FirstRejectedCharacter("1+", kDecimalNumber), 1);
  EXPECT_EQ(FirstRejectedCharacter("1,5", kDecimalNumber), 1);
}

TEST(NumericModes, EmptyIsRejectedQuietlyAndOtherModesAcceptAll) {
  EXPECT_EQ(FirstRejectedCharacter("", kWholeNumber), -2);
  EXPECT_EQ(FirstRejectedCharacter("", kDecimalNumber), -2);
  EXPECT_EQ(FirstRejectedCharacter("", 7), -2);
  EXPECT_EQ(FirstRejectedCharacter("abc-+.", 0), -1);
  EXPECT_EQ(FirstRejectedCharacter("abc-+.", 3), -1);
}

TEST(DosFileNames, EightDotThreeByTheLastDotOfTheWholeText) {
  EXPECT_TRUE(IsDosFileName(""));
  EXPECT_TRUE(IsDosFileName("LOGO.OVL"));
  EXPECT_TRUE(IsDosFileName("ABCDEFGH.TXT"));
  EXPECT_TRUE(IsDosFileName("ABCDEFGH"));
  EXPECT_TRUE(IsDosFileName("C:\\OVERLAYS\\LOGO.OV"));
  EXPECT_TRUE(IsDosFileName("A B?.C*"));  // the characters are not examined
  EXPECT_FALSE(IsDosFileName("ABCDEFGHI.TXT"));
  EXPECT_FALSE(IsDosFileName("LOGO.OVLX"));
  EXPECT_FALSE(IsDosFileName("ABCDEFGHI"));
  // The last dot lies in a folder name: the "extension" is "B\LONG".
  EXPECT_FALSE(IsDosFileName("C:\\A.B\\LONG"));
  EXPECT_TRUE(IsDosFileName("C:\\LONGFOLDERNAME\\SHORT.TX"));
}

}  // namespace
}  // namespace psui
