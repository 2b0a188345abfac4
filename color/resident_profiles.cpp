#include "color/resident_profiles.h"

#include <cstring>
#include <functional>

#include "color/color_settings.h"
#include "color/stored_values.h"
#include "platform/registry.h"
#include "platform/text_compare.h"

namespace psui {

using platform::RegistryKey;
using platform::RegistryRoot;

namespace {

#define PSUI_REGISTRATION_AT(field, offset)                  \
  static_assert(offsetof(ResidentProfileRecord, field) == (offset), \
                "ResidentProfileRecord::" #field " is at offset " #offset)
PSUI_REGISTRATION_AT(reserved, 0);
PSUI_REGISTRATION_AT(location, 4);
PSUI_REGISTRATION_AT(description, 6);
PSUI_REGISTRATION_AT(fileName, 102);

const char* KindFolder(int kind) {
  switch (kind) {
    case kRgbSourceProfileKind: return "RGB Source Profiles";
    case kSimulationProfileKind: return "Simulation Profiles";
    case kDestinationProfileKind: return "Destination Profiles";
    default: return nullptr;
  }
}

// Calls visit(valueName, registration) for each well-formed registration of
// the kind, in the registry's order, until it returns true. Only an existing
// key is read.
void VisitRegistrations(const SettingsBlock& record, int kind,
                        const std::function<bool(const std::string&, const ResidentProfile&)>& visit) {
  const std::string path = ResidentProfileKeyPath(record, kind);
  if (path.empty()) return;
  RegistryKey key;
  if (RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, path, key) != platform::kRegOk) return;
  VisitStoredValues(key, [&](const platform::RegistryValue& value) {
    if (value.type != platform::kRegBinary || value.data.size() != kResidentProfileSize) return false;
    ResidentProfileRecord stored;
    std::memcpy(&stored, value.data.data(), sizeof stored);
    ResidentProfile profile;
    profile.location = stored.location;
    profile.description = std::string(FieldText(stored.description));
    profile.fileName = std::string(FieldText(stored.fileName));
    return visit(value.name, profile);
  });
}

}  // namespace

std::string ResidentProfileKeyPath(const SettingsBlock& record, int kind) {
  const char* folder = KindFolder(kind);
  if (folder == nullptr) return std::string();
  return platform::PrinterKeyPath(FieldText(record.printerName)) + "\\Printer Resident\\" + folder;
}

std::vector<ResidentProfile> ListResidentProfiles(const SettingsBlock& record, int kind) {
  std::vector<ResidentProfile> profiles;
  VisitRegistrations(record, kind, [&](const std::string&, const ResidentProfile& profile) {
    if (profile.location == 0 || record.hardDiskInstalled != 0) profiles.push_back(profile);
    return false;
  });
  return profiles;
}

bool FindResidentProfile(const SettingsBlock& record, std::string_view description, int kind,
                         ResidentProfile* found) {
  bool matched = false;
  VisitRegistrations(record, kind, [&](const std::string&, const ResidentProfile& profile) {
    if (profile.description != description) return false;
    if (found) *found = profile;
    matched = true;
    return true;
  });
  return matched;
}

bool AddResidentProfile(const SettingsBlock& record, const ResidentProfile& profile, int kind) {
  const std::string path = ResidentProfileKeyPath(record, kind);
  // An empty name would write the key's default value.
  if (path.empty() || profile.description.empty()) return false;
  ResidentProfileRecord stored;
  std::memset(&stored, 0, sizeof stored);
  stored.location = static_cast<int16_t>(profile.location);
  SetFieldText(stored.description, profile.description);
  SetFieldText(stored.fileName, profile.fileName);
  RegistryKey key;
  if (RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, path, key) != platform::kRegOk) {
    return false;
  }
  return key.WriteBinary(FieldText(stored.description), &stored, sizeof stored) == platform::kRegOk;
}

bool DeleteResidentProfileNamed(const SettingsBlock& record, std::string_view description,
                                int kind) {
  std::string valueName;
  bool matched = false;
  VisitRegistrations(record, kind, [&](const std::string& name, const ResidentProfile& profile) {
    // The registry's own comparison of value names, accented letters included.
    if (platform::CompareTextIgnoringCaseA(profile.description.c_str(), std::string(description).c_str()) != 0) {
      return false;
    }
    valueName = name;
    matched = true;
    return true;
  });
  if (!matched) return false;
  RegistryKey key;
  if (RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, ResidentProfileKeyPath(record, kind),
                                key) != platform::kRegOk) {
    return false;
  }
  return key.DeleteValue(valueName) == platform::kRegOk;
}

bool TakeResidentProfileName(SettingsBlock& record, std::string_view text, int kind) {
  char* field = ResidentProfileNameField(record, kind);
  if (field == nullptr) return false;
  ResidentProfile found;
  if (!FindResidentProfile(record, text, kind, &found)) return false;
  SetFieldText(field, kProfileNameFieldSize, found.description);
  return true;
}

}  // namespace psui
