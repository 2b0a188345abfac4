#include "pages/custom_sizes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "platform/registry.h"
#ifndef _WIN32
#include "platform/memory_registry.h"
#endif

namespace psui {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

int32_t Int32At(const CustomSizesValue& value, size_t at) {
  uint32_t number = 0;
  for (size_t i = 0; i < 4; ++i) number |= static_cast<uint32_t>(value[at + i]) << (8 * i);
  return static_cast<int32_t>(number);
}

TEST(CustomSizesValue, HoldsTheNameTheSizesAndTheFixedTail) {
  CustomSizesValue value = MakeCustomSizesValue(210.0f, 297.0f);
  EXPECT_STREQ(reinterpret_cast<const char*>(value.data()), "Formato carta personalizzato");
  for (size_t i = 28; i < 64; ++i) EXPECT_EQ(value[i], 0) << "byte " << i;
  EXPECT_EQ(Int32At(value, 64), 21000);
  EXPECT_EQ(Int32At(value, 68), 29700);
  EXPECT_EQ(Int32At(value, 72), 1);
  EXPECT_EQ(value[76], 0);
  EXPECT_EQ(value[77], 0);
  EXPECT_EQ(value[78], 0x02);
  EXPECT_EQ(value[79], 0x01);  // 258
}

TEST(CustomSizesValue, SizesAreCutTowardZero) {
  EXPECT_EQ(HundredthsOfMillimetre(199.898f), 19989);
  EXPECT_EQ(HundredthsOfMillimetre(-1.239f), -123);
  EXPECT_EQ(HundredthsOfMillimetre(0.009f), 0);
}

TEST(CustomSizesValue, SizesBeyondTheIntegerRangeSaturateAndNaNGivesZero) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float infinity = std::numeric_limits<float>::infinity();
  EXPECT_EQ(HundredthsOfMillimetre(3e7f), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(HundredthsOfMillimetre(21474836.0f), std::numeric_limits<int32_t>::max()) << "exactly 2^31";
  EXPECT_EQ(HundredthsOfMillimetre(21474834.0f), 2147483392) << "the product rounds to a float below 2^31";
  EXPECT_EQ(HundredthsOfMillimetre(-3e7f), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(HundredthsOfMillimetre(infinity), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(HundredthsOfMillimetre(-infinity), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(HundredthsOfMillimetre(nan), 0);
  CustomSizesValue value = MakeCustomSizesValue(nan, 1e30f);
  EXPECT_EQ(Int32At(value, 64), 0);
  EXPECT_EQ(Int32At(value, 68), std::numeric_limits<int32_t>::max());
}

class CustomSizesRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef _WIN32
    platform::ResetMemoryRegistry();
#endif
    std::memset(&record_, 0, sizeof record_);
    name_ = "PSUI CustomSizes " + std::to_string(reinterpret_cast<uintptr_t>(this) & 0xFFFF);
    SetFieldText(record_.printerName, name_);
    record_.customWidth = 100.5f;
    record_.customHeight = 200.25f;
  }
  void TearDown() override {
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, platform::PrinterKeyPath(name_) + "\\PrinterDriverData");
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, platform::PrinterKeyPath(name_));
  }
  platform::RegistryValue Read() const {
    platform::RegistryValue value;
    RegistryKey key;
    if (RegistryKey::OpenForReading(RegistryRoot::kLocalMachine,
                                    platform::PrinterKeyPath(name_) + "\\PrinterDriverData", key) == 0) {
      for (uint32_t i = 0; key.EnumValue(i, value) == 0; ++i) {
        if (value.name == "CustomSizes") return value;
      }
    }
    return {};
  }

  SettingsBlock record_;
  std::string name_;
};

TEST_F(CustomSizesRegistry, WritesTheValueUnderACreatedDriverDataKey) {
  WriteCustomSizes(record_);
  platform::RegistryValue value = Read();
  ASSERT_EQ(value.name, "CustomSizes");
  EXPECT_EQ(value.type, platform::kRegBinary);
  CustomSizesValue expected = MakeCustomSizesValue(100.5f, 200.25f);
  EXPECT_EQ(value.data, std::vector<uint8_t>(expected.begin(), expected.end()));
}

TEST_F(CustomSizesRegistry, ReplacesAValueOfAnotherTypeOrSize) {
  RegistryKey key;
  ASSERT_EQ(RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine,
                                      platform::PrinterKeyPath(name_) + "\\PrinterDriverData", key),
            0u);
  ASSERT_EQ(key.WriteString("CustomSizes", "vecchio"), 0u);
  key.Close();
  record_.customWidth = 50;
  WriteCustomSizes(record_);
  platform::RegistryValue value = Read();
  EXPECT_EQ(value.type, platform::kRegBinary);
  ASSERT_EQ(value.data.size(), kCustomSizesSize);
  EXPECT_EQ(value.data[64] | value.data[65] << 8, 5000);
}

}  // namespace
}  // namespace psui
