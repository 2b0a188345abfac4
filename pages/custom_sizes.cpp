#include "pages/custom_sizes.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "platform/registry.h"

namespace psui {

namespace {

constexpr char kCustomSizeName[] = "Formato carta personalizzato";
constexpr char kValueName[] = "CustomSizes";
constexpr char kDriverDataKey[] = "\\PrinterDriverData";

void PutLittleEndian(CustomSizesValue& value, size_t at, uint32_t number, size_t width) {
  for (size_t i = 0; i < width; ++i) value[at + i] = static_cast<uint8_t>(number >> (8 * i));
}

}  // namespace

int32_t HundredthsOfMillimetre(float millimetres) {
  const float hundredths = millimetres * 100.0f;
  if (std::isnan(hundredths)) return 0;
  // 2^31 is exact as a float; anything from there up does not fit.
  if (hundredths >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
  if (hundredths <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(hundredths);
}

CustomSizesValue MakeCustomSizesValue(float width, float height) {
  CustomSizesValue value{};
  static_assert(sizeof kCustomSizeName <= 64, "the name field holds 64 bytes");
  std::memcpy(value.data(), kCustomSizeName, sizeof kCustomSizeName);
  PutLittleEndian(value, 64, static_cast<uint32_t>(HundredthsOfMillimetre(width)), 4);
  PutLittleEndian(value, 68, static_cast<uint32_t>(HundredthsOfMillimetre(height)), 4);
  PutLittleEndian(value, 72, 1, 4);
  PutLittleEndian(value, 76, 0, 2);
  PutLittleEndian(value, 78, 258, 2);
  return value;
}

void WriteCustomSizes(const SettingsBlock& record) {
  std::string path = platform::PrinterKeyPath(FieldText(record.printerName)) + kDriverDataKey;
  platform::RegistryKey key;
  if (platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, path, key) != platform::kRegOk) {
    return;
  }
  const float width = record.customWidth;
  const float height = record.customHeight;
  CustomSizesValue value = MakeCustomSizesValue(width, height);
  key.WriteBinary(kValueName, value.data(), value.size());
}

}  // namespace psui
