// The registrations of printer-resident colour profiles: per kind (RGB
// source 108, simulation 122, destination 143) one REG_BINARY value of 362
// bytes per profile under the printer's key + "\Printer Resident\...",
// named after the profile's description. Registry failures are silent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/settings_block.h"

namespace psui {

#pragma pack(push, 1)

struct ResidentProfileRecord {
  uint8_t reserved[4];
  int16_t location;  // kProfileLocationCodes: 0 flash memory, 1 hard disk
  char description[96];
  char fileName[260];
};

#pragma pack(pop)

constexpr size_t kResidentProfileSize = 362;
static_assert(sizeof(ResidentProfileRecord) == kResidentProfileSize,
              "a registration is 362 bytes");

// What the dialogs let the user type.
constexpr int kProfileDescriptionLimit = 64;
constexpr int kProfileFileNameLimit = 12;

// A registration as the lists use it; texts read within their fields.
struct ResidentProfile {
  int location = 0;
  std::string description;
  std::string fileName;
};

// Empty for a kind other than 108, 122 or 143.
std::string ResidentProfileKeyPath(const SettingsBlock& record, int kind);

// The registrations of a kind that the printer can hold now: those on the
// hard disk only while hardDiskInstalled is set. A value that is not a
// 362-byte binary registration is skipped; nothing is created.
std::vector<ResidentProfile> ListResidentProfiles(const SettingsBlock& record, int kind);

// The first registration whose description is exactly `description`.
bool FindResidentProfile(const SettingsBlock& record, std::string_view description, int kind,
                         ResidentProfile* found);

// Stores a registration under its description. Every byte the record does
// not set is zero; texts are cut to their fields.
bool AddResidentProfile(const SettingsBlock& record, const ResidentProfile& profile, int kind);

// Deletes the first registration whose whole description equals
// `description` without regard to case, as the registry compares value
// names. False when none does or the deletion failed.
bool DeleteResidentProfileNamed(const SettingsBlock& record, std::string_view description,
                                int kind);

// Copies the description of the registration shown as `text` (exact match),
// cut to 31 bytes, into the kind's profile name field. False, and the
// record unchanged, when there is no such registration.
bool TakeResidentProfileName(SettingsBlock& record, std::string_view text, int kind);

}  // namespace psui
