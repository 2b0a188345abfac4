#include "color/color_profile_store.h"

#include <cstring>

#include "color/stored_values.h"
#include "platform/registry.h"

namespace psui {

using platform::RegistryKey;
using platform::RegistryRoot;

namespace {

bool OpenStore(const SettingsBlock& record, RegistryKey& key) {
  return RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, ColorProfileKeyPath(record), key) ==
         platform::kRegOk;
}

bool ProfileFromValue(uint32_t type, const std::vector<uint8_t>& data, ColorSettingsRecord* profile) {
  if (type != platform::kRegBinary) return false;
  if (data.size() < kColorSettingsSize || data.size() > kColorSettingsSize + 1) return false;
  std::memcpy(profile, data.data(), kColorSettingsSize);
  return true;
}

bool NamesNoResidentProfile(const ColorSettingsRecord& profile) {
  return FieldText(profile.rgbSourceProfileName) == kNoProfileName &&
         FieldText(profile.simulationProfileName) == kNoProfileName &&
         FieldText(profile.destinationProfileName) == kNoProfileName;
}

bool Usable(const SettingsBlock& record, const ColorSettingsRecord& profile) {
  return record.hardDiskInstalled != 0 || NamesNoResidentProfile(profile);
}

}  // namespace

std::string ColorProfileKeyPath(const SettingsBlock& record) {
  return platform::PrinterKeyPath(FieldText(record.printerName)) + "\\Color Profiles";
}

bool ReadColorProfile(const SettingsBlock& record, std::string_view name,
                      ColorSettingsRecord* profile) {
  RegistryKey key;
  if (!OpenStore(record, key)) return false;
  std::vector<uint8_t> data;
  if (key.ReadValue(name, platform::kRegBinary, data) != platform::kRegOk) return false;
  return ProfileFromValue(platform::kRegBinary, data, profile);
}

bool IsColorProfileUsable(const SettingsBlock& record, std::string_view name) {
  ColorSettingsRecord profile;
  return ReadColorProfile(record, name, &profile) && Usable(record, profile);
}

bool LoadColorProfile(SettingsBlock& record) {
  ColorSettingsRecord profile;
  if (!ReadColorProfile(record, FieldText(record.colorProfileName), &profile)) return false;
  UnpackColorSettings(record, profile);
  record.colorPreset = 0;
  return true;
}

bool SaveColorProfile(const SettingsBlock& record) {
  const std::string_view name = FieldText(record.colorProfileName);
  if (name.empty()) return false;
  RegistryKey key;
  if (!OpenStore(record, key)) return false;
  const ColorSettingsRecord profile = PackColorSettings(record);
  return key.WriteBinary(name, &profile, sizeof profile) == platform::kRegOk;
}

bool DeleteColorProfile(const SettingsBlock& record, std::string_view name) {
  RegistryKey key;
  if (!OpenStore(record, key)) return false;
  return key.DeleteValue(name) == platform::kRegOk;
}

std::vector<std::string> UsableColorProfileNames(const SettingsBlock& record) {
  std::vector<std::string> names;
  RegistryKey key;
  if (!OpenStore(record, key)) return names;
  VisitStoredValues(key, [&](const platform::RegistryValue& value) {
    ColorSettingsRecord profile;
    if (ProfileFromValue(value.type, value.data, &profile) && Usable(record, profile)) {
      names.push_back(value.name);
    }
    return false;
  });
  return names;
}

}  // namespace psui
