#include "exchange/settings_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "exchange/settings_fields.h"

namespace psui {
namespace {

TEST(SettingsFieldTable, CoversTheRecordInOrderWithoutGapOrOverlap) {
  size_t expected_offset = 0;
  for (size_t i = 0; i < kSettingsFieldCount; ++i) {
    const FieldInfo& field = kSettingsFields[i];
    EXPECT_EQ(field.offset, expected_offset) << field.name;
    expected_offset = field.offset + field.width;
  }
  EXPECT_EQ(expected_offset, kSettingsBlockSize);
}

TEST(SettingsFieldTable, WidthsMatchTheirKinds) {
  for (size_t i = 0; i < kSettingsFieldCount; ++i) {
    const FieldInfo& field = kSettingsFields[i];
    switch (field.kind) {
      case FieldKind::kFlag: EXPECT_EQ(field.width, 1u) << field.name; break;
      case FieldKind::kInt16: EXPECT_EQ(field.width, 2u) << field.name; break;
      case FieldKind::kInt32:
      case FieldKind::kFloat32: EXPECT_EQ(field.width, 4u) << field.name; break;
      case FieldKind::kColors: EXPECT_EQ(field.width, 64u) << field.name; break;
      case FieldKind::kOverlays: EXPECT_EQ(field.width, 85u) << field.name; break;
      default: EXPECT_GT(field.width, 0u) << field.name;
    }
  }
  EXPECT_EQ(FindSettingsField("reserved249")->width, 12u);
  EXPECT_EQ(FindSettingsField("spareOptions")->offset, 849u);
  EXPECT_EQ(FindSettingsField("nosuchfield"), nullptr);
}

TEST(SettingsBlock, FieldsWriteTheirLittleEndianBytesAtTheirOffsets) {
  SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  record.paperSize = 0x1234;
  record.resolutionDpi = 0x01020304;
  record.customWidth = 1.0f;  // 0x3F800000
  record.overlays[4].placement = -2;
  record.collateDefaulted = 1;
  const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
  EXPECT_EQ(bytes[269], 0x34);
  EXPECT_EQ(bytes[270], 0x12);
  EXPECT_EQ(bytes[289], 0x04);
  EXPECT_EQ(bytes[292], 0x01);
  EXPECT_EQ(bytes[1392], 0x3F);
  EXPECT_EQ(bytes[1391], 0x80);
  EXPECT_EQ(bytes[669 + 15], 0xFE);
  EXPECT_EQ(bytes[669 + 16], 0xFF);
  EXPECT_EQ(bytes[1433], 1);
}

TEST(SettingsBlock, GroupsAreTheDocumentedByteRuns) {
  SettingsBlock record{};
  EXPECT_EQ(GroupBytes(record, kColorGroup), reinterpret_cast<uint8_t*>(&record.colorPreset));
  EXPECT_EQ(GroupBytes(record, kColorGroup) + kColorGroup.size,
            reinterpret_cast<uint8_t*>(&record.allowAppPostScript));
  EXPECT_EQ(GroupBytes(record, kWatermarkGroup), reinterpret_cast<uint8_t*>(record.watermarkName));
  EXPECT_EQ(GroupBytes(record, kOptionFlagGroup) + kOptionFlagGroup.size - 1,
            &record.manualFeedInstalled);
}

TEST(FieldText, StopsAtTheNulOrAtTheEndOfAFieldWithoutOne) {
  SettingsBlock record;
  std::memset(&record, 'x', sizeof record);
  // host is char[16] followed by accountNumber: without a NUL the text is the
  // 16 bytes of the field and nothing of its neighbour.
  std::memset(record.host, 'h', sizeof record.host);
  std::memset(record.accountNumber, 'a', sizeof record.accountNumber);
  EXPECT_EQ(FieldText(record.host), std::string(16, 'h'));
  std::memcpy(record.host, "srv\0junk", 8);
  EXPECT_EQ(FieldText(record.host), "srv");
}

TEST(SetFieldText, CutsToWidthMinusOneAndKeepsTheBytesAfterTheNul) {
  char field[8];
  std::memcpy(field, "ABCDEFGH", 8);
  EXPECT_TRUE(SetFieldText(field, "xy"));
  EXPECT_EQ(std::string(field, 8), std::string("xy\0DEFGH", 8));
  EXPECT_FALSE(SetFieldText(field, "123456789"));
  EXPECT_EQ(std::string(field, 8), std::string("1234567\0", 8));
  EXPECT_TRUE(SetFieldText(field, "1234567"));
  EXPECT_EQ(FieldText(field), "1234567");
}

TEST(CustomColors, RestoreValuesAreBgrPacked) {
  EXPECT_EQ(kDefaultCustomColors[0], 0x0000FFu);   // red
  EXPECT_EQ(kDefaultCustomColors[2], 0xFF0000u);   // blue
  EXPECT_EQ(kDefaultCustomColors[8], 0x4040FFu);   // (255, 64, 64)
  EXPECT_EQ(kDefaultCustomColors[15], 0x800000u);  // (0, 0, 128)
}

}  // namespace
}  // namespace psui
