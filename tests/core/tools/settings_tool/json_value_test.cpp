#include "tools/common/json_value.h"

#include <gtest/gtest.h>

#include "tools/common/cp1252.h"
#include "tools/common/json_writer.h"

namespace psui {
namespace {

TEST(JsonParse, ReadsNestedDocumentsAndEscapes) {
  JsonValue value;
  std::string error;
  ASSERT_TRUE(ParseJson(R"( {"a": [1, -2.5e1, true, null], "b": "x\"\\\n\u00e9\ud83d\ude00"} )", &value,
                        &error))
      << error;
  EXPECT_EQ(value.Find("a")->items[1].number, -25);
  EXPECT_EQ(value.Find("b")->text, "x\"\\\n\xC3\xA9\xF0\x9F\x98\x80");
}

TEST(JsonParse, RefusesMalformedDocumentsWithAPosition) {
  JsonValue value;
  std::string error;
  for (const char* bad : {"", "{", "[1,]", "{\"a\" 1}", "\"\\ud800\"", "01x", "[1] 2", "\"a\nb\""}) {
    EXPECT_FALSE(ParseJson(bad, &value, &error)) << bad;
    EXPECT_NE(error.find("at byte"), std::string::npos) << bad;
  }
  std::string deep(100, '[');
  EXPECT_FALSE(ParseJson(deep, &value, &error));
}

TEST(JsonWriter, EscapesBytesThatAreNotUtf8OneByOne) {
  JsonWriter writer(/*compact=*/true);
  writer.BeginArray().String("ok\xC3\xA9").String("\xFF\xC3").String("\x01\t").EndArray();
  EXPECT_EQ(writer.str().substr(0, 9), "[\"ok\xC3\xA9\", ");
  EXPECT_NE(writer.str().find("\\u00ff\\u00c3"), std::string::npos);
  EXPECT_NE(writer.str().find("\\u0001\\t"), std::string::npos);
}

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  std::string back;
  ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), &back));
  EXPECT_EQ(back, all);
  EXPECT_EQ(Cp1252ToUtf8("\x80\x9D\xE0"), "\xE2\x82\xAC\xC2\x9D\xC3\xA0");
  EXPECT_FALSE(Utf8ToCp1252("\xE4\xBD\xA0", &back));  // not in the code page
  EXPECT_FALSE(Utf8ToCp1252("\xC3", &back));          // not UTF-8
}

}  // namespace
}  // namespace psui
