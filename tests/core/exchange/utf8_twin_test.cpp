// The UTF-8 twins: the encoder on UTF-16 input with small fields, and the
// whole way from the ANSI code page (natively the code page 1252 stand-in,
// under Wine the real CP_ACP conversion).
#include "exchange/utf8_twin.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "exchange/settings_block.h"
#include "platform/ansi_text.h"

namespace psui {
namespace {

// The field's bytes up to and including its NUL, and the byte after it.
template <size_t N>
std::string Bytes(const char (&field)[N], size_t count) {
  return std::string(field, count);
}

TEST(Utf8Twin, EncodesOneTwoAndThreeByteCharactersAndTerminates) {
  char field[16];
  std::memset(field, 'x', sizeof field);
  EXPECT_EQ(EncodeUtf8Twin(u"A\u00E8\u20AC", field, sizeof field), 6u);
  EXPECT_EQ(Bytes(field, 8), std::string("A\xC3\xA8\xE2\x82\xAC\0x", 8));
}

TEST(Utf8Twin, EncodesEachSurrogateOnItsOwnInThreeBytes) {
  char field[16] = {};
  // U+1F600 as a surrogate pair: each half is three bytes, not one four-byte form.
  EXPECT_EQ(EncodeUtf8Twin(u"\xD83D\xDE00", field, sizeof field), 6u);
  EXPECT_EQ(Bytes(field, 7), std::string("\xED\xA0\xBD\xED\xB8\x80\0", 7));
}

TEST(Utf8Twin, CutsOnlyBetweenWholeCharacters) {
  char field[6];
  // "A" "è" fit (3 bytes); "€" needs 3 of the 2 left before the NUL: it goes
  // with everything after it, even the "B" that would still fit.
  std::memset(field, 'x', sizeof field);
  EXPECT_EQ(EncodeUtf8Twin(u"A\u00E8\u20ACB", field, sizeof field), 3u);
  EXPECT_EQ(Bytes(field, 6), std::string("A\xC3\xA8\0xx", 6));

  // Exactly filled: five text bytes and the NUL.
  std::memset(field, 'x', sizeof field);
  EXPECT_EQ(EncodeUtf8Twin(u"AB\u20AC", field, sizeof field), 5u);
  EXPECT_EQ(Bytes(field, 6), std::string("AB\xE2\x82\xAC\0", 6));

  // One byte short for the two-byte "è": only "ABCD".
  std::memset(field, 'x', sizeof field);
  EXPECT_EQ(EncodeUtf8Twin(u"ABCD\u00E8", field, sizeof field), 4u);
  EXPECT_EQ(Bytes(field, 6), std::string("ABCD\0x", 6));
}

TEST(Utf8Twin, TinyFieldsHoldOnlyTheTerminatorOrNothing) {
  char field[2] = {'x', 'x'};
  EXPECT_EQ(EncodeUtf8Twin(u"A", field, 1), 0u);
  EXPECT_EQ(field[0], '\0');
  field[0] = 'x';
  EXPECT_EQ(EncodeUtf8Twin(u"A", field, 0), 0u);
  EXPECT_EQ(field[0], 'x');
  EXPECT_EQ(EncodeUtf8Twin(u"", field, 2), 0u);
  EXPECT_EQ(field[0], '\0');
}

class AnsiTwin : public ::testing::Test {
 protected:
  void SetUp() override {
    if (platform::AnsiCodePage() != 1252) {
      GTEST_SKIP() << "the ANSI code page is " << platform::AnsiCodePage() << ", not 1252";
    }
  }
};

TEST_F(AnsiTwin, TheEuroSignComesThroughTheCodePageAsThreeBytes) {
  char twin[8] = {};
  // 0x80 is the euro sign in code page 1252: E2 82 AC, not the C2 80 of U+0080.
  EXPECT_EQ(SetUtf8Twin("\x80", twin), 3u);
  EXPECT_EQ(Bytes(twin, 4), std::string("\xE2\x82\xAC\0", 4));
  // Accented letters are two bytes; an unassigned byte stays its own control character.
  EXPECT_EQ(SetUtf8Twin("\xE0\x81", twin), 4u);
  EXPECT_EQ(Bytes(twin, 5), std::string("\xC3\xA0\xC2\x81\0", 5));
}

TEST_F(AnsiTwin, AFullAuthorOfThreeByteCharactersFitsItsTwin) {
  SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  std::string author(63, '\x80');
  ASSERT_TRUE(SetFieldText(record.author, author));
  EXPECT_EQ(SetUtf8Twin(FieldText(record.author), record.authorUtf8), 189u);
  EXPECT_EQ(record.authorUtf8[189], '\0');
  EXPECT_EQ(Bytes(record.authorUtf8, 6), "\xE2\x82\xAC\xE2\x82\xAC");
}

}  // namespace
}  // namespace psui
