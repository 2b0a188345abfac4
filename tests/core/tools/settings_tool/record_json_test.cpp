#include "tools/settings_tool/record_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "exchange/settings_block.h"

namespace psui {
namespace {

std::vector<uint8_t> RandomRecord(uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> record(kSettingsBlockSize);
  for (auto& b : record) b = static_cast<uint8_t>(random());
  return record;
}

JsonValue Decode(const std::vector<uint8_t>& record) {
  JsonValue value;
  std::string error;
  EXPECT_TRUE(ParseJson(RecordToJson(record.data()), &value, &error)) << error;
  return value;
}

// Encodes `json` over base; the error (if any) goes to *error.
std::vector<uint8_t> Encode(const std::string& json, const std::vector<uint8_t>& base,
                            std::string* error, bool* ok) {
  JsonValue value;
  std::string parse_error;
  EXPECT_TRUE(ParseJson(json, &value, &parse_error)) << parse_error;
  std::vector<uint8_t> out(kSettingsBlockSize);
  *ok = JsonToRecord(value, base.data(), out.data(), error);
  return out;
}

std::vector<uint8_t> EncodeOk(const std::string& json, const std::vector<uint8_t>& base) {
  std::string error;
  bool ok = false;
  std::vector<uint8_t> out = Encode(json, base, &error, &ok);
  EXPECT_TRUE(ok) << error;
  return out;
}

std::string EncodeError(const std::string& json, const std::vector<uint8_t>& base) {
  std::string error;
  bool ok = true;
  Encode(json, base, &error, &ok);
  EXPECT_FALSE(ok);
  return error;
}

TEST(RecordJson, EncodingADecodedRecordGivesItBackByteForByte) {
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    std::vector<uint8_t> record = RandomRecord(seed);
    // Some special values random bytes rarely produce.
    if (seed % 3 == 0) std::memcpy(&record[1389], "\x01\x00\xC0\x7F", 4);  // a NaN with payload
    if (seed % 5 == 0) std::memset(&record[1275], 'h', 16);                // host without a NUL
    std::string json = RecordToJson(record.data());
    ASSERT_EQ(EncodeOk(json, record), record) << "seed " << seed;
  }
}

TEST(RecordJson, TextsAreWindows1252AsUtf8AndStopAtTheFieldEnd) {
  std::vector<uint8_t> record(kSettingsBlockSize, 0);
  std::memcpy(&record[1], "Caf\xE9 \x80 \x81\0garbage", 16);  // printerName
  std::memset(&record[1275], 'x', 16);                         // host, no NUL
  std::memcpy(&record[1291], "ABC", 3);                        // accountNumber after it
  JsonValue decoded = Decode(record);
  EXPECT_EQ(decoded.Find("printerName")->text, "Caf\xC3\xA9 \xE2\x82\xAC \xC2\x81");
  EXPECT_EQ(decoded.Find("host")->text, std::string(16, 'x'));
}

TEST(RecordJson, NumbersFlagsAndSpecialFloats) {
  std::vector<uint8_t> record(kSettingsBlockSize, 0);
  record[0] = 7;  // deviceMode: the stored byte
  int16_t paper = -2;
  std::memcpy(&record[269], &paper, 2);
  float nan = NAN, width = 215.9f;
  std::memcpy(&record[1389], &width, 4);
  std::memcpy(&record[1393], &nan, 4);
  JsonValue decoded = Decode(record);
  EXPECT_EQ(decoded.Find("deviceMode")->number, 7);
  EXPECT_EQ(decoded.Find("paperSize")->number, -2);
  EXPECT_EQ(static_cast<float>(decoded.Find("customWidth")->number), 215.9f);
  EXPECT_EQ(decoded.Find("customHeight")->text, "NaN");
  EXPECT_EQ(decoded.Find("reserved243")->text, "00000000");
  EXPECT_EQ(decoded.Find("overlays")->items.size(), 5u);
  EXPECT_EQ(decoded.Find("customColors")->items.size(), 16u);
}

TEST(RecordJson, InvalidUtf8InTheUtf8FieldsIsShownAsHex) {
  std::vector<uint8_t> record(kSettingsBlockSize, 0);
  std::memcpy(&record[859], "ok\xFF", 3);  // authorUtf8
  JsonValue decoded = Decode(record);
  const JsonValue* author = decoded.Find("authorUtf8");
  ASSERT_EQ(author->type, JsonValue::Type::kObject);
  EXPECT_EQ(author->Find("hex")->text, "6f6bff");
  EXPECT_EQ(decoded.Find("hostUtf8")->text, "");
}

TEST(RecordJson, EncodeWritesTheNamedFieldsAndKeepsEveryOtherByte) {
  std::vector<uint8_t> base = RandomRecord(99);
  std::vector<uint8_t> out = EncodeOk(
      R"({"paperSize": 9, "printerName": "Stampante €", "customWidth": 210.5,
          "overlays": [{}, {"fileName": "LOGO.OVL"}, {}, {}, {"placement": 1}],
          "customColors": )" +
          [&] {
            // Only element 3 differs from the base.
            JsonValue decoded = Decode(base);
            decoded.Find("customColors");
            std::string colors = "[";
            for (int i = 0; i < 16; ++i) {
              double value = i == 3 ? 255 : decoded.Find("customColors")->items[i].number;
              colors += (i ? "," : "") + std::to_string(static_cast<uint64_t>(value));
            }
            return colors + "]";
          }() + "}",
      base);
  std::vector<uint8_t> expected = base;
  int16_t nine = 9;
  std::memcpy(&expected[269], &nine, 2);
  std::memcpy(&expected[1], "Stampante \x80", 12);  // text, NUL; bytes after it kept
  float width = 210.5f;
  std::memcpy(&expected[1389], &width, 4);
  std::memcpy(&expected[618 + 2], "LOGO.OVL", 9);
  int16_t one = 1;
  std::memcpy(&expected[669 + 15], &one, 2);
  uint32_t color = 255;
  std::memcpy(&expected[165 + 12], &color, 4);
  EXPECT_EQ(out, expected);
}

TEST(RecordJson, EncodeRefusesWhatCannotBeStoredAndNamesTheField) {
  std::vector<uint8_t> base(kSettingsBlockSize, 0);
  EXPECT_EQ(EncodeError(R"({"noSuchField": 1})", base), "unknown field noSuchField");
  EXPECT_NE(EncodeError(R"({"paperSize": 40000})", base).find("paperSize"), std::string::npos);
  EXPECT_NE(EncodeError(R"({"paperSize": 1.5})", base).find("paperSize"), std::string::npos);
  EXPECT_NE(EncodeError(R"({"deviceMode": -1})", base).find("deviceMode"), std::string::npos);
  EXPECT_NE(EncodeError(R"({"host": "0123456789abcdef"})", base).find("host"), std::string::npos);
  EXPECT_NE(EncodeError(R"({"author": "\u4f60"})", base).find("Windows-1252"), std::string::npos);
  EXPECT_NE(EncodeError(R"({"customWidth": 1e39})", base).find("customWidth"), std::string::npos);
  EXPECT_NE(EncodeError(R"({"reserved233": "00"})", base).find("reserved233"), std::string::npos);
  EXPECT_NE(EncodeError(R"({"overlays": [{"size": 1}, {}, {}, {}, {}]})", base)
                .find("overlays[0].size"),
            std::string::npos);
  EXPECT_NE(EncodeError(R"({"customColors": [1, 2]})", base).find("customColors"), std::string::npos);
}

TEST(RecordJson, FifteenBytesFitAHostFieldOfSixteen) {
  std::vector<uint8_t> base(kSettingsBlockSize, 0x55);
  std::vector<uint8_t> out = EncodeOk(R"({"host": "0123456789abcde"})", base);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(&out[1275]), 16), std::string("0123456789abcde\0", 16));
}

TEST(RecordJson, FramesAndCancelFramesDecodeWithTheirHeaders) {
  std::string frame(1446, '\0');
  frame[0] = static_cast<char>(0xA6);
  frame[1] = 0x05;
  frame[4] = 1;
  frame[8] = 0x34;
  std::string json;
  ASSERT_TRUE(BytesToJson(frame, &json));
  JsonValue value;
  ASSERT_TRUE(ParseJson(json, &value, nullptr));
  EXPECT_EQ(value.Find("frame")->Find("length")->number, 1446);
  EXPECT_EQ(value.Find("frame")->Find("command")->number, 1);
  EXPECT_EQ(value.Find("frame")->Find("window")->number, 0x34);
  EXPECT_NE(value.Find("record")->Find("collateDefaulted"), nullptr);

  ASSERT_TRUE(BytesToJson(std::string("\x08\0\0\0\x02\0\0\0", 8), &json));
  ASSERT_TRUE(ParseJson(json, &value, nullptr));
  EXPECT_EQ(value.Find("frame")->Find("command")->number, 2);
  EXPECT_EQ(value.Find("record"), nullptr);

  EXPECT_FALSE(BytesToJson(std::string(1433, '\0'), &json));
  EXPECT_FALSE(BytesToJson(std::string(), &json));
}

TEST(RecordJson, DiffListsChangedFieldsAndRowMembers) {
  std::vector<uint8_t> before = RandomRecord(5);
  std::vector<uint8_t> after = before;
  int16_t copies = 3;
  std::memcpy(&after[531], &copies, 2);
  after[618 + 2] = 'Z';
  after[1000] ^= 1;  // inside authorUtf8: shows only if it changes the decoded value
  std::vector<std::string> lines = DiffRecords(before.data(), after.data());
  ASSERT_GE(lines.size(), 2u);
  bool saw_copies = false, saw_overlay = false;
  for (const auto& line : lines) {
    if (line.rfind("copies: ", 0) == 0) saw_copies = line.find("-> 3") != std::string::npos;
    if (line.rfind("overlays[1].fileName: ", 0) == 0) saw_overlay = true;
  }
  EXPECT_TRUE(saw_copies);
  EXPECT_TRUE(saw_overlay);
  EXPECT_TRUE(DiffRecords(before.data(), before.data()).empty());
}

}  // namespace
}  // namespace psui
