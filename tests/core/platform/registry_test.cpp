// The registry layer on the in-memory registry natively and on the real
// registry under Wine: the same calls must give the same answers.
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace psui::platform {
namespace {

constexpr char kParent[] = "Software\\psui-tests";
constexpr char kKey[] = "Software\\psui-tests\\registry";

class RegistryTest : public ::testing::Test {
 protected:
  RegistryTest() { EXPECT_EQ(RegistryKey::OpenOrCreate(RegistryRoot::kCurrentUser, kKey, key), kRegOk); }
  ~RegistryTest() override {
    key.Close();
    RegistryKey::DeleteKey(RegistryRoot::kCurrentUser, kKey);
    RegistryKey::DeleteKey(RegistryRoot::kCurrentUser, kParent);
  }
  RegistryKey key;
};

TEST_F(RegistryTest, AValueOfAnyTypeIsReadWithItsTypeAndBytes) {
  const uint8_t binary[] = {0x00, 0xFF, 0x10};
  const char multi[] = "Courier\0Arial\0";  // two texts and the closing NUL
  const uint32_t number = 0x01020304;
  ASSERT_EQ(key.WriteBinary("Binary", binary, sizeof binary), kRegOk);
  ASSERT_EQ(key.WriteValue("Multi", kRegMultiString, multi, sizeof multi), kRegOk);
  ASSERT_EQ(key.WriteValue("Number", kRegDword, &number, sizeof number), kRegOk);
  ASSERT_EQ(key.WriteString("Text", "abc"), kRegOk);
  ASSERT_EQ(key.WriteBinary("Empty", nullptr, 0), kRegOk);

  struct Case {
    const char* name;
    uint32_t type;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"Binary", kRegBinary, {0x00, 0xFF, 0x10}},
      {"Multi", kRegMultiString, std::vector<uint8_t>(multi, multi + sizeof multi)},
      {"Number", kRegDword, {0x04, 0x03, 0x02, 0x01}},
      {"text", kRegString, {'a', 'b', 'c', 0}},  // names ignore case
      {"Empty", kRegBinary, {}},
  };
  for (const Case& c : cases) {
    RegistryValue value;
    ASSERT_EQ(key.ReadAnyValue(c.name, value), kRegOk) << c.name;
    EXPECT_EQ(value.name, c.name);
    EXPECT_EQ(value.type, c.type) << c.name;
    EXPECT_EQ(value.data, c.bytes) << c.name;
  }
}

TEST_F(RegistryTest, AMissingValueOrAClosedKeyReadsNothing) {
  RegistryValue value;
  value.type = 99;
  EXPECT_EQ(key.ReadAnyValue("Missing", value), kRegNotFound);
  EXPECT_EQ(value.type, 99u) << "left as it was";
  RegistryKey closed;
  EXPECT_EQ(closed.ReadAnyValue("Missing", value), kRegInvalidHandle);
}

TEST_F(RegistryTest, TypedReadsStillRefuseOtherTypes) {
  ASSERT_EQ(key.WriteString("Text", "abc"), kRegOk);
  std::vector<uint8_t> data;
  EXPECT_EQ(key.ReadBinary("Text", data), kRegInvalidData);
  RegistryValue value;
  EXPECT_EQ(key.ReadAnyValue("Text", value), kRegOk);
}

}  // namespace
}  // namespace psui::platform
