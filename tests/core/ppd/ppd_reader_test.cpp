#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/core/ppd/ppd_test_util.h"

namespace psui {
namespace {

using test::Cut;
using test::CutAll;

TEST(PpdCrc, MatchesTheXmodemCheckValueAndTheBytewiseMethod) {
  const std::string digits = "123456789";
  auto* bytes = reinterpret_cast<const uint8_t*>(digits.data());
  EXPECT_EQ(PpdCrc16(0, bytes, digits.size()), 0x31C3);
  std::mt19937 random(7);
  for (size_t length : {0u, 1u, 7u, 8u, 9u, 63u, 1000u}) {
    std::string data(length, '\0');
    for (char& c : data) c = static_cast<char>(random());
    auto* d = reinterpret_cast<const uint8_t*>(data.data());
    for (uint16_t start : {0, 0x1234, 0xFFFF})
      EXPECT_EQ(PpdCrc16(start, d, length), PpdCrc16Bytewise(start, d, length)) << length;
  }
}

TEST(PpdCrc, CoversEveryByteOfACompiledFileIncludingADroppedLastStatement) {
  const std::string text = "*% comment\n*NickName: \"A\"\n*Last: value without line end";
  auto image = test::Compile(text);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->fileCrc,
            PpdCrc16(0, reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

TEST(PpdReadStatement, CutsKeywordOptionTranslationAndValue) {
  auto cuts = CutAll("*OpenUI *PageSize/Page Size: PickOne\n");
  ASSERT_EQ(cuts.size(), 1u);
  EXPECT_EQ(cuts[0].result, kPpdOk);
  EXPECT_EQ(cuts[0].main, "OpenUI");
  EXPECT_EQ(cuts[0].option, "*PageSize");
  EXPECT_EQ(cuts[0].translation, "Page Size");
  EXPECT_EQ(cuts[0].value, "PickOne");
  EXPECT_EQ(cuts[0].kind, kPpdValueString);
}

TEST(PpdReadStatement, SkipsCommentsBlankLinesAndLinesNotStartingWithAStar) {
  auto cuts = CutAll("*% comment *Foo: 1\n\n  *Indented: 2\r\nplain *Text: 3\n*Real: 4\n");
  ASSERT_EQ(cuts.size(), 1u);
  EXPECT_EQ(cuts[0].main, "Real");
  EXPECT_EQ(cuts[0].value, "4");
}

TEST(PpdReadStatement, ValueKinds) {
  auto cuts = CutAll("*End\n*Sym: ^Symbol\n*Quoted: \"a\"\n*Str: word\n*Empty:\n");
  ASSERT_EQ(cuts.size(), 5u);
  EXPECT_EQ(cuts[0].kind, kPpdValueNone);
  EXPECT_EQ(cuts[1].kind, kPpdValueSymbol);
  EXPECT_EQ(cuts[1].value, "^Symbol");
  EXPECT_EQ(cuts[2].kind, kPpdValueQuoted);
  EXPECT_EQ(cuts[3].kind, kPpdValueString);
  EXPECT_EQ(cuts[4].kind, kPpdValueString);
  EXPECT_EQ(cuts[4].value, "");
}

TEST(PpdReadStatement, QuotedValuesSpanLinesAndDropTheRestOfTheClosingLine) {
  auto cuts = CutAll("*Code: \"line1\r\nline2\n\" ignored *Not: this\n*Next: x\n");
  ASSERT_EQ(cuts.size(), 2u);
  EXPECT_EQ(cuts[0].value, "line1\r\nline2\n");
  EXPECT_EQ(cuts[1].main, "Next");
}

TEST(PpdReadStatement, StringValuesKeepTrailingBlanksAndLoseTextAfterASlash) {
  auto cuts = CutAll("*DefaultPageSize: A4  \n*Key: Value/Text dropped\n");
  ASSERT_EQ(cuts.size(), 2u);
  EXPECT_EQ(cuts[0].value, "A4  ");
  EXPECT_EQ(cuts[1].value, "Value");
  EXPECT_EQ(cuts[1].translation, "");
}

TEST(PpdReadStatement, StringValuesEndAtTheFirstLineEndOrSlashWhereverItFalls) {
  for (size_t length = 0; length < 40; ++length) {
    std::string value;
    for (size_t i = 0; i < length; ++i) value.push_back(static_cast<char>('a' + i % 26));
    for (const char* stop : {"\n", "\r\n", "/x\n"}) {
      auto cuts = CutAll("*K: " + value + stop + "*Next: 1\n");
      ASSERT_EQ(cuts.size(), 2u) << length << stop;
      EXPECT_EQ(cuts[0].value, value) << length;
      EXPECT_EQ(cuts[1].main, "Next");
    }
  }
}

TEST(PpdReadStatement, KeywordAndTranslationLimits) {
  const std::string k40(40, 'K');
  const std::string o40(40, 'o');
  const std::string t128(128, 't');
  auto ok = CutAll("*" + k40 + " " + o40 + "/" + t128 + ": v\n");
  ASSERT_EQ(ok.size(), 1u);
  EXPECT_EQ(ok[0].result, kPpdOk);
  EXPECT_EQ(ok[0].main, k40);
  EXPECT_EQ(ok[0].translation, t128);

  EXPECT_EQ(CutAll("*" + k40 + "K: v\n").at(0).result, kPpdNoMemory);
  EXPECT_EQ(CutAll("*K " + o40 + "o: v\n").at(0).result, kPpdNoMemory);
  EXPECT_EQ(CutAll("*K o/" + t128 + "t: v\n").at(0).result, kPpdNoMemory);
}

TEST(PpdReadStatement, MalformedStatementsAreSyntaxErrorsAndReadingGoesOn) {
  auto cuts = CutAll("* space\n*Key Option/: v\n*Key Opt Extra: v\n*High\xE9: v\n*Good: 1\n");
  ASSERT_EQ(cuts.size(), 5u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(cuts[i].result, kPpdSyntax) << i;
  EXPECT_EQ(cuts[4].result, kPpdOk);
  EXPECT_EQ(cuts[4].main, "Good");
}

TEST(PpdReadStatement, TranslationStopsAtABytePastAsciiAndTheStatementFails) {
  auto cuts = CutAll("*PageSize A4/A\xE9" "4: \"x\"\n*PageSize A5/A5: \"y\"\n");
  ASSERT_EQ(cuts.size(), 2u);
  EXPECT_EQ(cuts[0].result, kPpdSyntax);
  EXPECT_EQ(cuts[1].option, "A5");
}

TEST(PpdReadStatement, AStatementCutShortByTheEndOfTheFileIsDropped) {
  EXPECT_TRUE(CutAll("*Key: value").empty());
  EXPECT_TRUE(CutAll("*Key: \"open quote\n").empty());
  EXPECT_TRUE(CutAll("*Key: \"closed\"").empty());  // the line end after the quote is missing
  EXPECT_TRUE(CutAll("*").empty());
  EXPECT_EQ(CutAll("*Key: v\n*Tail").size(), 1u);
}

TEST(PpdReadStatement, LongValuesGrowTheBufferAndStayIntact) {
  std::string big(100000, 'x');
  for (size_t i = 0; i < big.size(); i += 97) big[i] = '\n';
  auto cuts = CutAll("*Code: \"" + big + "\"\n*After: 1\n");
  ASSERT_EQ(cuts.size(), 2u);
  EXPECT_EQ(cuts[0].value, big);
  EXPECT_EQ(cuts[1].value, "1");
}

TEST(PpdReadStatement, AFilterThatWantsNothingCutsTheSameStatementsWithoutValues) {
  const std::string text =
      "*A: \"multi\nline\" tail\n*B x/T: v/dropped\n*" + std::string(41, 'K') +
      ": x\n*C: ^sym\r\n* bad\n*D: \"open";
  auto cut = [&](const PpdStatementFilter* filter) {
    std::vector<Cut> cuts;
    uint16_t crc = 0;
    PpdReader reader(reinterpret_cast<const uint8_t*>(text.data()), text.size(), &crc);
    PpdStatement s;
    for (int result; (result = PpdReadStatement(reader, s, filter)) != kPpdEndOfFile;) {
      cuts.push_back({result, s.mainKeyword, s.optionKeyword, s.translation, std::string(s.value, s.valueLength),
                      s.valueKind});
      EXPECT_EQ(s.skipped, filter != nullptr && result == kPpdOk);
    }
    reader.SyncCrc();
    EXPECT_EQ(crc, PpdCrc16(0, reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    return cuts;
  };
  PpdStatementFilter nothing{[](void*, PpdStatement&) { return false; }, nullptr};
  std::vector<Cut> plain = cut(nullptr);
  std::vector<Cut> filtered = cut(&nothing);
  ASSERT_EQ(plain.size(), filtered.size());
  for (size_t i = 0; i < plain.size(); ++i) {
    EXPECT_EQ(plain[i].result, filtered[i].result) << i;
    EXPECT_EQ(plain[i].main, filtered[i].main) << i;
    EXPECT_EQ(plain[i].option, filtered[i].option) << i;
    EXPECT_EQ(plain[i].translation, filtered[i].translation) << i;
    EXPECT_EQ(plain[i].kind, filtered[i].kind) << i;
    EXPECT_EQ(filtered[i].value, "") << i;
  }
}

TEST(PpdReader, NextByteDeliversEveryByteThenEndOfFile) {
  const uint8_t data[] = {'a', 0, 0xFF};
  uint16_t crc = 0;
  PpdReader reader(data, sizeof data, &crc);
  uint8_t byte = 0;
  std::string seen;
  while (reader.NextByte(&byte) == kPpdOk) seen.push_back(static_cast<char>(byte));
  EXPECT_EQ(seen, std::string("a\0\xFF", 3));
  EXPECT_EQ(reader.NextByte(&byte), kPpdEndOfFile);
  reader.SyncCrc();
  EXPECT_EQ(crc, PpdCrc16Bytewise(0, data, sizeof data));
}

}  // namespace
}  // namespace psui
