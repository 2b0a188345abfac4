#include "exchange/kept_fields.h"

#include <gtest/gtest.h>

#include <cstring>

namespace psui {
namespace {

SettingsBlock Numbered() {
  SettingsBlock record;
  auto* bytes = reinterpret_cast<uint8_t*>(&record);
  for (size_t i = 0; i < kSettingsBlockSize; ++i) bytes[i] = static_cast<uint8_t>(i);
  return record;
}

TEST(KeptFields, OnlyTheKeptFieldsComeBackAndOnlyWithoutOk) {
  SettingsBlock record = Numbered();
  const SettingsBlock before = record;
  KeptFields kept(record, {PSUI_FIELD(copies), PSUI_FIELD(emailAddress), kWatermarkGroup});
  record.copies = 99;
  SetFieldText(record.emailAddress, "a@b.it");
  std::memset(GroupBytes(record, kWatermarkGroup), 0xEE, kWatermarkGroup.size);
  record.scaling = 250;  // not kept

  EXPECT_EQ(kept.RestoreUnlessOk(1), 1);  // OK: the dialog's values stay
  EXPECT_EQ(int{record.copies}, 99);

  EXPECT_EQ(kept.RestoreUnlessOk(2), 2);
  EXPECT_EQ(int{record.copies}, int{before.copies});
  EXPECT_EQ(std::memcmp(record.emailAddress, before.emailAddress, sizeof record.emailAddress), 0);
  EXPECT_EQ(std::memcmp(GroupBytes(record, kWatermarkGroup), GroupBytes(before, kWatermarkGroup),
                        kWatermarkGroup.size),
            0);
  EXPECT_EQ(int{record.scaling}, 250);
}

TEST(KeptFields, TheFieldMacroNamesTheFieldsBytes) {
  FieldGroup copies = PSUI_FIELD(copies);
  EXPECT_EQ(copies.size, 2u);
  EXPECT_EQ(copies.offset, offsetof(SettingsBlock, copies));
  FieldGroup name = PSUI_FIELD(colorProfileName);
  EXPECT_EQ(name.size, 32u);
}

}  // namespace
}  // namespace psui
