#include "pages/watermark_profiles.h"

#include <algorithm>

#include "platform/registry.h"
#include "platform/text_compare.h"

namespace psui {

namespace {

using platform::RegistryKey;
using platform::RegistryRoot;
using platform::RegistryValue;

constexpr size_t kNameCapacity = sizeof(SettingsBlock::watermarkName) - 1;

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return platform::CompareTextIgnoringCaseA(a.c_str(), b.c_str()) == 0;
}

bool IsBuiltInIgnoringCase(const std::string& name) {
  for (const CodeRow* row = kWatermarkCodes; row->name; ++row) {
    if (SameNameIgnoringCase(name, row->name)) return true;
  }
  return false;
}

}  // namespace

std::string WatermarkProfileKeyPath(const SettingsBlock& record) {
  return platform::PrinterKeyPath(FieldText(record.printerName)) + "\\Watermark Profiles";
}

bool SaveWatermarkProfile(const SettingsBlock& record) {
  const std::string_view name = FieldText(record.watermarkName);
  if (name.empty()) return false;
  RegistryKey key;
  if (RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, WatermarkProfileKeyPath(record), key) != 0) {
    return false;
  }
  const WatermarkSettingsRecord settings = PackWatermarkSettings(record);
  return key.WriteBinary(name, &settings, sizeof settings) == 0;
}

bool LoadWatermarkProfile(SettingsBlock& record, int dialogMode) {
  const std::string_view name = FieldText(record.watermarkName);
  RegistryKey key;
  RegistryValue value;
  // An empty name would read the key's default value, which no profile is.
  if (!name.empty() &&
      RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, WatermarkProfileKeyPath(record), key) == 0 &&
      key.ReadAnyValue(name, value) == 0 && value.type == platform::kRegBinary &&
      value.data.size() == kWatermarkRecordSize) {
    WatermarkSettingsRecord settings;
    std::copy(value.data.begin(), value.data.end(), reinterpret_cast<uint8_t*>(&settings));
    UnpackWatermarkSettings(record, settings);
    return true;
  }
  ResetWatermarkDefaults(record, dialogMode);
  return false;
}

bool DeleteWatermarkProfile(const SettingsBlock& record) {
  const std::string_view name = FieldText(record.watermarkName);
  if (name.empty()) return false;
  RegistryKey key;
  if (RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, WatermarkProfileKeyPath(record), key) != 0) {
    return false;
  }
  return key.DeleteValue(name) == 0;
}

std::vector<std::string> ListWatermarkProfiles(const SettingsBlock& record) {
  std::vector<std::string> names;
  RegistryKey key;
  if (RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, WatermarkProfileKeyPath(record), key) != 0) {
    return names;
  }
  for (uint32_t index = 0;; ++index) {
    RegistryValue value;
    const uint32_t rc = key.EnumValue(index, value);
    if (rc == platform::kRegMoreData) continue;  // a name too long to read: not a profile we could load
    if (rc != 0) break;
    const std::string& name = value.name;
    if (name.empty() || name.size() > kNameCapacity || IsBuiltInIgnoringCase(name)) continue;
    const bool listed = std::any_of(names.begin(), names.end(),
                                    [&](const std::string& other) { return SameNameIgnoringCase(name, other); });
    if (!listed) names.push_back(name);
  }
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return platform::CompareTextIgnoringCaseA(a.c_str(), b.c_str()) < 0;
  });
  return names;
}

bool TakeWatermarkInForce(SettingsBlock& record, int dialogMode) {
  if (record.watermarkCode == kUnchosenWatermarkCode) {
    ChooseNoWatermark(record);
    return false;
  }
  if (!LoadWatermarkProfile(record, dialogMode)) {
    // The defaults, printing the watermark's own name.
    std::string name(FieldText(record.watermarkName));
    SetFieldText(record.watermarkText, name);
  }
  return true;
}

}  // namespace psui
