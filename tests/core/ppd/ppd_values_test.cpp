#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ppd/ppd_values.h"

namespace psui {
namespace {

std::vector<std::string> Tokens(const char* value) {
  std::vector<std::string> tokens;
  char buffer[kPpdTokenBufferSize];
  const char* cursor = value;
  while (PpdNextToken(&cursor, buffer) > 0) tokens.push_back(buffer);
  return tokens;
}

TEST(PpdNextToken, SplitsOnSpacesAndTabsOnlyAndClipsLongTokens) {
  EXPECT_EQ(Tokens("  a\tb \r\nc  "), (std::vector<std::string>{"a", "b", "\r\nc"}));
  std::string long_token(50, 'x');
  auto tokens = Tokens((long_token + " next").c_str());
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0], std::string(39, 'x'));
  EXPECT_EQ(tokens[1], "next");
  EXPECT_TRUE(Tokens("   ").empty());
}

TEST(PpdNextTokenView, GivesTheSameTokensAsTheCopyingTokenizer) {
  const std::string long_token(45, 'y');
  for (const std::string& value : std::vector<std::string>{"  *Duplex\t*InputSlot  Envelope ", "", "*", "a " + long_token + " b"}) {
    const char* copy_cursor = value.c_str();
    const char* view_cursor = value.c_str();
    char buffer[kPpdTokenBufferSize];
    PpdTokenView view;
    for (;;) {
      size_t copied = PpdNextToken(&copy_cursor, buffer);
      size_t viewed = PpdNextTokenView(&view_cursor, &view);
      ASSERT_EQ(copied, viewed) << value;
      EXPECT_EQ(std::string(buffer), std::string(view.text, view.length));
      EXPECT_EQ(copy_cursor, view_cursor);
      if (copied == 0) break;
    }
  }
  PpdTokenView star{"*", 1};
  EXPECT_FALSE(PpdStripStar(&star));
  PpdTokenView name{"*PageSize", 9};
  EXPECT_TRUE(PpdStripStar(&name));
  EXPECT_EQ(std::string(name.text, name.length), "PageSize");
}

TEST(PpdParseInteger, DigitsSignAndLimits) {
  uint32_t v = 99;
  EXPECT_EQ(PpdParseInteger("42", &v), kPpdOk);
  EXPECT_EQ(v, 42u);
  EXPECT_EQ(PpdParseInteger("1.5", &v), kPpdOk);
  EXPECT_EQ(v, 1u);
  EXPECT_EQ(PpdParseInteger("-17", &v), kPpdOk);
  EXPECT_EQ(v, 0u);
  EXPECT_EQ(PpdParseInteger("99999999999999999999", &v), kPpdOk);
  EXPECT_EQ(v, 0xFFFFFFFFu);
  v = 5;
  EXPECT_EQ(PpdParseInteger("-", &v), kPpdSyntax);
  EXPECT_EQ(PpdParseInteger("x1", &v), kPpdSyntax);
  EXPECT_EQ(PpdParseInteger("", &v), kPpdSyntax);
  EXPECT_EQ(v, 5u) << "a failed parse leaves the output alone";
}

TEST(PpdParseReal, FixedPointRoundingAndLimits) {
  struct Case {
    const char* text;
    uint32_t expected;
  } cases[] = {{"0.5", 128},      {"1", 256},         {"612", 156672}, {".5", 128},
               {"-3.5", 0},       {"0.123456", 32},   {"10.", 2560},   {"0.001953", 0},
               {"0.00196", 1},    {"16777215.99", 0xFFFFFFFD}, {"99999999", 0xFFFFFFFF}};
  for (const Case& c : cases) {
    PpdFixed v = 7;
    EXPECT_EQ(PpdParseReal(c.text, &v), kPpdOk) << c.text;
    EXPECT_EQ(v, c.expected) << c.text;
  }
  // Only five fraction digits count: 0.123456 and 0.12345 give the same.
  PpdFixed a = 0, b = 0;
  PpdParseReal("0.123456", &a);
  PpdParseReal("0.12345", &b);
  EXPECT_EQ(a, b);
  PpdFixed v = 0;
  EXPECT_EQ(PpdParseReal(".", &v), kPpdSyntax);
  EXPECT_EQ(PpdParseReal("-", &v), kPpdSyntax);
  EXPECT_EQ(PpdParseReal("abc", &v), kPpdSyntax);
}

TEST(PpdParseBoolean, TrueFalseAndAnythingElse) {
  uint32_t v = 5;
  EXPECT_EQ(PpdParseBoolean("True", &v), kPpdOk);
  EXPECT_EQ(v, 1u);
  EXPECT_EQ(PpdParseBoolean("False", &v), kPpdOk);
  EXPECT_EQ(v, 0u);
  v = 5;
  EXPECT_EQ(PpdParseBoolean("true", &v), kPpdSyntax);
  EXPECT_EQ(v, 0u);
}

TEST(PpdLookupName, WholeTokenCaseSensitivePrefixMatch) {
  uint16_t v = 0;
  EXPECT_TRUE(PpdLookupName(kPpdBooleans, "True", &v));
  EXPECT_EQ(v, 1);
  EXPECT_TRUE(PpdLookupName(kPpdBooleans, "True ", &v));
  EXPECT_TRUE(PpdLookupName(kPpdBooleans, "True\tx", &v));
  EXPECT_FALSE(PpdLookupName(kPpdBooleans, "Truex", &v));
  EXPECT_FALSE(PpdLookupName(kPpdLanguageEncodings, "isolatin1", &v));
  EXPECT_EQ(v, 5) << "the end row's value on failure";
  EXPECT_FALSE(PpdLookupName(kPpdSectionNames, "Nowhere", &v));
  EXPECT_EQ(v, 32);
}

TEST(PpdStandardFonts, IdsAndTheUnreachableRepeatedRows) {
  size_t rows = 0;
  while (kPpdStandardFonts[rows].name != nullptr) ++rows;
  EXPECT_EQ(rows, kPpdStandardFontRows);
  uint16_t id = 0;
  EXPECT_TRUE(PpdLookupName(kPpdStandardFonts, "Arial", &id));
  EXPECT_EQ(id, 1);
  EXPECT_TRUE(PpdLookupName(kPpdStandardFonts, "Symbol", &id));
  EXPECT_EQ(id, 61);
  EXPECT_TRUE(PpdLookupName(kPpdStandardFonts, "LubalinGraph-DemiOblique", &id));
  EXPECT_EQ(id, 48);
  EXPECT_TRUE(PpdLookupName(kPpdStandardFonts, "ZapfChanceryCE-MediumItalic", &id));
  EXPECT_EQ(id, 168);
  EXPECT_FALSE(PpdLookupName(kPpdStandardFonts, "Foo", &id));
  EXPECT_EQ(id, 0);
  // Every distinct name has its own id, 1 to 168.
  std::vector<bool> seen(169, false);
  for (size_t i = 0; i < rows; ++i) {
    uint16_t first = 0;
    PpdLookupName(kPpdStandardFonts, kPpdStandardFonts[i].name, &first);
    EXPECT_EQ(first, kPpdStandardFonts[i].value) << kPpdStandardFonts[i].name;
    seen[first] = true;
  }
  for (int i = 1; i <= 168; ++i) EXPECT_TRUE(seen[i]) << i;
}

TEST(PpdDecodeHex, DecodesRunsAndRejectsMalformedOnes) {
  char out[32];
  EXPECT_EQ(PpdDecodeHex("Caf<E9>", out), kPpdOk);
  EXPECT_EQ(std::string(out), "Caf\xE9");
  EXPECT_EQ(PpdDecodeHex("<41 42>", out), kPpdSyntax);
  EXPECT_EQ(PpdDecodeHex("<E 9>", out), kPpdSyntax);
  EXPECT_EQ(PpdDecodeHex("<4>", out), kPpdSyntax);
  EXPECT_EQ(PpdDecodeHex("<4", out), kPpdSyntax);
  EXPECT_EQ(PpdDecodeHex("a<4142", out), kPpdOk) << "an open run reaches the end";
  EXPECT_EQ(std::string(out), "aAB");
  EXPECT_EQ(PpdDecodeHex("x>y<>z", out), kPpdOk);
  EXPECT_EQ(std::string(out), "x>yz");
}

TEST(PpdStoreString, FirstDefinitionWinsAndBadHexLeavesTheFieldEmpty) {
  PpdArena arena;
  const char* field = nullptr;
  EXPECT_EQ(PpdStoreString(arena, &field, "<41>", true), kPpdOk);
  EXPECT_STREQ(field, "A");
  EXPECT_EQ(PpdStoreString(arena, &field, "second", false), kPpdOk);
  EXPECT_STREQ(field, "A");
  const char* bad = nullptr;
  EXPECT_EQ(PpdStoreString(arena, &bad, "<zz>", true), kPpdSyntax);
  EXPECT_EQ(bad, nullptr);
  const char* raw = nullptr;
  EXPECT_EQ(PpdStoreString(arena, &raw, "<zz>", false), kPpdOk);
  EXPECT_STREQ(raw, "<zz>");
}

TEST(PpdStripStar, OneLeadingStar) {
  EXPECT_STREQ(PpdStripStar("*PageSize"), "PageSize");
  EXPECT_STREQ(PpdStripStar("PageSize"), "PageSize");
  EXPECT_STREQ(PpdStripStar("**X"), "*X");
  EXPECT_EQ(PpdStripStar("*"), nullptr);
  EXPECT_EQ(PpdStripStar(""), nullptr);
}

}  // namespace
}  // namespace psui
