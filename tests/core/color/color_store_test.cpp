// The colour profile store, the resident profile registrations and the
// download utility's command line against the registry: the in-memory one
// natively, the real one under Wine. No result may depend on the order in
// which the registry enumerates values (Wine sorts names, Windows keeps
// creation order): each case that lists is also run with the values created
// in reverse order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "color/color_profile_store.h"
#include "color/download_utility_command.h"
#include "color/resident_profiles.h"
#include "platform/registry.h"
#include "tests/core/color/printer_keys.h"

namespace psui {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;
using test::WriteRawValue;

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

class ColorStore : public ::testing::TestWithParam<bool> {
 protected:
  bool reversed() const { return GetParam(); }

  // Creates the values in the given order, or in reverse for the second run.
  template <typename T, typename Write>
  void CreateAll(std::vector<T> items, Write write) {
    if (reversed()) std::reverse(items.begin(), items.end());
    for (const T& item : items) write(item);
  }

  ColorSettingsRecord Profile(const char* rgb, const char* simulation, const char* destination) {
    SettingsBlock source;
    std::memset(&source, 0, sizeof source);
    source.colorPreset = 0;
    source.graphicsHalftone = 1;
    source.imageIntent = 4;
    source.colorModel = 1;
    source.rgbSourceMode = 1;
    SetFieldText(source.rgbSourceProfileName, rgb);
    SetFieldText(source.simulationProfileName, simulation);
    SetFieldText(source.destinationProfileName, destination);
    return PackColorSettings(source);
  }

  void StoreProfile(const std::string& name, const ColorSettingsRecord& profile, size_t size = 152) {
    std::vector<uint8_t> bytes(std::max<size_t>(size, sizeof profile), 0xAB);
    std::memcpy(bytes.data(), &profile, sizeof profile);
    ASSERT_TRUE(WriteRawValue(ColorProfileKeyPath(record), name, platform::kRegBinary, bytes.data(), size));
  }

  void Register(int kind, const std::string& description, int location,
                const std::string& fileName = "PROFILO.ICC") {
    ResidentProfile profile;
    profile.location = location;
    profile.description = description;
    profile.fileName = fileName;
    ASSERT_TRUE(AddResidentProfile(record, profile, kind));
  }

  std::vector<std::string> Descriptions(int kind) {
    std::vector<std::string> names;
    for (const ResidentProfile& profile : ListResidentProfiles(record, kind)) {
      names.push_back(profile.description);
    }
    return Sorted(names);
  }

  static SettingsBlock EmptyRecord() {
    SettingsBlock empty;
    std::memset(&empty, 0, sizeof empty);
    return empty;
  }

  SettingsBlock record = EmptyRecord();
  test::ScopedPrinterKeys keys{record, "PSUI Color Store Test"};
};

TEST_P(ColorStore, UsableNamesFollowTheHardDiskAndTheExactNoneName) {
  CreateAll<std::string>({"Semplice", "Con destinazione", "Minuscolo", "Con sorgente"},
                         [&](const std::string& name) {
    if (name == "Semplice") StoreProfile(name, Profile("Nessuno", "Nessuno", "Nessuno"));
    if (name == "Con destinazione") StoreProfile(name, Profile("Nessuno", "Nessuno", "Stampante"));
    if (name == "Minuscolo") StoreProfile(name, Profile("nessuno", "Nessuno", "Nessuno"));
    if (name == "Con sorgente") StoreProfile(name, Profile("Lab", "Nessuno", "Nessuno"));
  });
  record.hardDiskInstalled = 0;
  EXPECT_EQ(Sorted(UsableColorProfileNames(record)), std::vector<std::string>{"Semplice"});
  EXPECT_TRUE(IsColorProfileUsable(record, "Semplice"));
  EXPECT_FALSE(IsColorProfileUsable(record, "Con destinazione"));
  EXPECT_FALSE(IsColorProfileUsable(record, "Minuscolo")) << "\"Nessuno\" compares with case";
  record.hardDiskInstalled = 1;
  EXPECT_EQ(Sorted(UsableColorProfileNames(record)),
            (std::vector<std::string>{"Con destinazione", "Con sorgente", "Minuscolo", "Semplice"}));
  EXPECT_FALSE(IsColorProfileUsable(record, "Assente"));
}

TEST_P(ColorStore, ANameLongerThanTheEnumerationBufferIsSkippedNotTheEnd) {
  record.hardDiskInstalled = 1;
  CreateAll<std::string>({std::string(260, 'L'), "Dopo", std::string(259, 'M')}, [&](const std::string& name) {
    StoreProfile(name, Profile("Nessuno", "Nessuno", "Nessuno"));
  });
  EXPECT_EQ(Sorted(UsableColorProfileNames(record)), (std::vector<std::string>{"Dopo", std::string(259, 'M')}));
}

TEST_P(ColorStore, OnlyBinaryValuesOf152Or153BytesAreProfiles) {
  record.hardDiskInstalled = 1;
  const ColorSettingsRecord profile = Profile("Nessuno", "Nessuno", "Nessuno");
  CreateAll<size_t>({151, 152, 153, 154, 0}, [&](size_t size) {
    StoreProfile("Lungo " + std::to_string(size), profile, size);
  });
  ASSERT_TRUE(WriteRawValue(ColorProfileKeyPath(record), "Testo", platform::kRegString, &profile,
                            sizeof profile));
  EXPECT_EQ(Sorted(UsableColorProfileNames(record)),
            (std::vector<std::string>{"Lungo 152", "Lungo 153"}));
  for (const char* name : {"Lungo 0", "Lungo 151", "Lungo 154", "Testo"}) {
    SetFieldText(record.colorProfileName, name);
    const SettingsBlock before = record;
    EXPECT_FALSE(LoadColorProfile(record)) << name;
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << name << " must not be unpacked";
  }
  SetFieldText(record.colorProfileName, "Lungo 153");
  EXPECT_TRUE(LoadColorProfile(record));
  EXPECT_EQ(int{record.imageIntent}, 4);
}

TEST_P(ColorStore, LoadingReplacesTheGroupAndAlwaysLeavesPresetZero) {
  SettingsBlock stored;
  std::memset(&stored, 0, sizeof stored);
  stored.colorPreset = 13;
  SetFieldText(stored.colorProfileName, "Ufficio");
  stored.graphicsHalftone = 0;
  stored.imageHalftone = 1;
  stored.graphicsIntent = 3;
  stored.simulationProfileId = 122;
  SetFieldText(stored.rgbSourceProfileName, "Nessuno");
  SetFieldText(stored.simulationProfileName, "Swop");
  SetFieldText(stored.destinationProfileName, "Nessuno");
  stored.colorModel = 1;
  stored.rgbSourceMode = 1;
  StoreProfile("Ufficio", PackColorSettings(stored));

  record.colorPreset = 0;
  SetFieldText(record.colorProfileName, "ufficio");  // the registry ignores case
  record.graphicsHalftone = 2;
  record.copies = 3;
  ASSERT_TRUE(LoadColorProfile(record));
  EXPECT_EQ(int{record.colorPreset}, 0);
  EXPECT_EQ(FieldText(record.colorProfileName), "Ufficio");
  EXPECT_EQ(int{record.graphicsHalftone}, 0);
  EXPECT_EQ(int{record.imageHalftone}, 1);
  EXPECT_EQ(int{record.graphicsIntent}, 3);
  EXPECT_EQ(int{record.simulationProfileId}, 122);
  EXPECT_EQ(FieldText(record.simulationProfileName), "Swop");
  EXPECT_EQ(int{record.colorModel}, 1);
  EXPECT_EQ(int{record.rgbSourceMode}, 1);
  EXPECT_EQ(int{record.copies}, 3);

  SetFieldText(record.colorProfileName, "Mai salvato");
  const SettingsBlock before = record;
  EXPECT_FALSE(LoadColorProfile(record));
  EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

TEST_P(ColorStore, SavingWritesTheGroupUnderItsNameWithNoStaleBytes) {
  std::memset(GroupBytes(record, kColorGroup), 0x5C, kColorGroup.size);
  record.colorPreset = 0;
  SetFieldText(record.colorProfileName, "Mio");
  SetFieldText(record.rgbSourceProfileName, "Nessuno");
  SetFieldText(record.simulationProfileName, "");
  SetFieldText(record.destinationProfileName, "Nessuno");
  ASSERT_TRUE(SaveColorProfile(record));

  RegistryKey key;
  ASSERT_EQ(RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, ColorProfileKeyPath(record), key), 0u);
  std::vector<uint8_t> data;
  ASSERT_EQ(key.ReadBinary("Mio", data), 0u);
  ASSERT_EQ(data.size(), 152u);
  const auto* stored = reinterpret_cast<const ColorSettingsRecord*>(data.data());
  EXPECT_TRUE(SameColorChoice(*stored, PackColorSettings(record)));
  for (size_t i = 4; i < 32; ++i) EXPECT_EQ(stored->colorProfileName[i], 0) << i;
  for (size_t i = 1; i < 32; ++i) EXPECT_EQ(stored->simulationProfileName[i], 0) << i;

  SetFieldText(record.colorProfileName, "");
  EXPECT_FALSE(SaveColorProfile(record)) << "an empty name would write the default value";
  std::vector<uint8_t> nothing;
  EXPECT_NE(key.ReadBinary("", nothing), 0u);
}

TEST_P(ColorStore, DeletingRemovesOnlyTheNamedProfile) {
  record.hardDiskInstalled = 1;
  CreateAll<std::string>({"Foto", "Foto calda"}, [&](const std::string& name) {
    StoreProfile(name, Profile("Nessuno", "Nessuno", "Nessuno"));
  });
  EXPECT_TRUE(DeleteColorProfile(record, "Foto"));
  EXPECT_EQ(UsableColorProfileNames(record), std::vector<std::string>{"Foto calda"});
  EXPECT_FALSE(DeleteColorProfile(record, "Foto"));
}

TEST_P(ColorStore, RegistrationsOnTheDiskAreListedOnlyWithTheDisk) {
  CreateAll<int>({0, 1, 2}, [&](int n) {
    if (n == 0) Register(108, "In memoria", 0);
    if (n == 1) Register(108, "Sul disco", 1);
    if (n == 2) Register(122, "Altro tipo", 0);
  });
  record.hardDiskInstalled = 0;
  EXPECT_EQ(Descriptions(108), std::vector<std::string>{"In memoria"});
  record.hardDiskInstalled = 1;
  EXPECT_EQ(Descriptions(108), (std::vector<std::string>{"In memoria", "Sul disco"}));
  EXPECT_EQ(Descriptions(122), std::vector<std::string>{"Altro tipo"});
  EXPECT_TRUE(Descriptions(143).empty());
  EXPECT_TRUE(Descriptions(0).empty());
}

TEST_P(ColorStore, ARegistrationIsStoredByteForByte) {
  Register(143, "Carta patinata", 1, "PATINA.ICC");
  RegistryKey key;
  ASSERT_EQ(RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, ResidentProfileKeyPath(record, 143), key),
            0u);
  std::vector<uint8_t> data;
  ASSERT_EQ(key.ReadBinary("Carta patinata", data), 0u);
  ASSERT_EQ(data.size(), 362u);
  std::vector<uint8_t> want(362, 0);
  want[4] = 1;
  std::memcpy(&want[6], "Carta patinata", 14);
  std::memcpy(&want[102], "PATINA.ICC", 10);
  EXPECT_EQ(data, want) << "reserved bytes and the bytes after each text are zero";
}

TEST_P(ColorStore, OnlyBinaryRegistrationsOf362BytesCount) {
  record.hardDiskInstalled = 1;
  ResidentProfileRecord raw;
  std::memset(&raw, 0, sizeof raw);
  std::memcpy(raw.description, "Corto", 6);
  const std::string path = ResidentProfileKeyPath(record, 122);
  std::vector<uint8_t> bigger(363, 0);
  std::memcpy(bigger.data(), &raw, sizeof raw);
  CreateAll<int>({0, 1, 2, 3}, [&](int n) {
    if (n == 0) {
      ASSERT_TRUE(WriteRawValue(path, "Corto", platform::kRegBinary, &raw, 361));
    }
    if (n == 1) {
      ASSERT_TRUE(WriteRawValue(path, "Lungo", platform::kRegBinary, bigger.data(), 363));
    }
    if (n == 2) {
      ASSERT_TRUE(WriteRawValue(path, "Testo", platform::kRegString, &raw, sizeof raw));
    }
    if (n == 3) Register(122, "Buono", 0);
  });
  EXPECT_EQ(Descriptions(122), std::vector<std::string>{"Buono"});
  EXPECT_FALSE(FindResidentProfile(record, "Corto", 122, nullptr));
}

TEST_P(ColorStore, StoredTextsAreReadWithinTheirFields) {
  record.hardDiskInstalled = 1;
  ResidentProfileRecord raw;
  std::memset(&raw, 'x', sizeof raw);  // no terminator anywhere
  raw.location = 0;
  ASSERT_TRUE(WriteRawValue(ResidentProfileKeyPath(record, 108), "Senza fine", platform::kRegBinary,
                            &raw, sizeof raw));
  std::vector<ResidentProfile> listed = ListResidentProfiles(record, 108);
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].description, std::string(96, 'x'));
  EXPECT_EQ(listed[0].fileName, std::string(260, 'x'));
}

TEST_P(ColorStore, FindingAndTakingMatchTheWholeDescriptionWithCase) {
  CreateAll<std::string>({"Foto", "Foto ad alta saturazione per carta lucida"},
                         [&](const std::string& d) { Register(108, d, 0, d == "Foto" ? "A.ICC" : "B.ICC"); });
  ResidentProfile found;
  ASSERT_TRUE(FindResidentProfile(record, "Foto", 108, &found));
  EXPECT_EQ(found.fileName, "A.ICC");
  EXPECT_FALSE(FindResidentProfile(record, "foto", 108, &found));
  EXPECT_FALSE(FindResidentProfile(record, "Fot", 108, &found));
  EXPECT_FALSE(FindResidentProfile(record, "Foto", 122, &found));

  SetFieldText(record.rgbSourceProfileName, "Prima");
  ASSERT_TRUE(TakeResidentProfileName(record, "Foto ad alta saturazione per carta lucida", 108));
  EXPECT_EQ(FieldText(record.rgbSourceProfileName), "Foto ad alta saturazione per ca")
      << "cut to 31 bytes";
  EXPECT_FALSE(TakeResidentProfileName(record, "Foto", 122));
  EXPECT_FALSE(TakeResidentProfileName(record, "FOTO", 108));
  EXPECT_EQ(FieldText(record.rgbSourceProfileName), "Foto ad alta saturazione per ca");
}

TEST_P(ColorStore, DeletingARegistrationNeverTakesOneThatSharesAPrefix) {
  CreateAll<std::string>({"Foto", "Foto calda", "Fo"}, [&](const std::string& d) { Register(122, d, 0); });
  EXPECT_TRUE(DeleteResidentProfileNamed(record, "Foto", 122));
  EXPECT_EQ(Descriptions(122), (std::vector<std::string>{"Fo", "Foto calda"}));
  EXPECT_FALSE(DeleteResidentProfileNamed(record, "Foto", 122));
  EXPECT_FALSE(DeleteResidentProfileNamed(record, "Foto cald", 122));
  EXPECT_EQ(Descriptions(122), (std::vector<std::string>{"Fo", "Foto calda"}));
}

TEST_P(ColorStore, DeletingARegistrationIgnoresCaseAsTheRegistryDoes) {
  Register(143, "Carta Opaca", 0);
  Register(143, "Lucida", 0);
  EXPECT_TRUE(DeleteResidentProfileNamed(record, "carta opaca", 143));
  EXPECT_EQ(Descriptions(143), std::vector<std::string>{"Lucida"});
  // A registration the lists hide (on the disk, no disk) can still go.
  Register(143, "Sul disco", 1);
  record.hardDiskInstalled = 0;
  EXPECT_TRUE(DeleteResidentProfileNamed(record, "SUL DISCO", 143));
  record.hardDiskInstalled = 1;
  EXPECT_EQ(Descriptions(143), std::vector<std::string>{"Lucida"});
}

TEST_P(ColorStore, ReadingCreatesNoRegistrationKeysAndAddingCutsLongTexts) {
  EXPECT_TRUE(ListResidentProfiles(record, 108).empty());
  RegistryKey key;
  EXPECT_NE(RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, ResidentProfileKeyPath(record, 108), key),
            0u);
  ResidentProfile empty;
  EXPECT_FALSE(AddResidentProfile(record, empty, 108)) << "no registration without a description";
  ResidentProfile wide;
  wide.description = std::string(120, 'd');
  wide.fileName = std::string(300, 'f');
  ASSERT_TRUE(AddResidentProfile(record, wide, 108));
  ResidentProfile found;
  ASSERT_TRUE(FindResidentProfile(record, std::string(95, 'd'), 108, &found));
  EXPECT_EQ(found.fileName, std::string(259, 'f'));
}

INSTANTIATE_TEST_SUITE_P(CreationOrder, ColorStore, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("Reversed") : std::string("Forward");
                         });

// The utilities' application paths: removed before and after each case.
class DownloadUtility : public ::testing::Test {
 protected:
  DownloadUtility() { Remove(); }
  ~DownloadUtility() override { Remove(); }
  static void Remove() {
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, kDownloadUtilityKey);
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, kOlderDownloadUtilityKey);
  }
  static void Install(const char* keyPath, const std::string& path) {
    RegistryKey key;
    ASSERT_EQ(RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, keyPath, key), 0u);
    ASSERT_EQ(key.WriteString("", path), 0u);
  }
};

TEST_F(DownloadUtility, TheFirstUtilityTakesTheArgumentTheOlderOneRunsWithout) {
  std::string command = "untouched";
  EXPECT_FALSE(DownloadUtilityCommand(kDownloadColorProfiles, &command));
  EXPECT_EQ(command, "untouched");

  Install(kOlderDownloadUtilityKey, "C:\\Vecchio\\ZPXProDw.exe");
  ASSERT_TRUE(DownloadUtilityCommand(kDownloadColorProfiles, &command));
  EXPECT_EQ(command, "C:\\Vecchio\\ZPXProDw.exe");

  Install(kDownloadUtilityKey, "C:\\Nuovo\\DAVoduDo.exe");
  ASSERT_TRUE(DownloadUtilityCommand(kDownloadFonts, &command));
  EXPECT_EQ(command, "C:\\Nuovo\\DAVoduDo.exe 2");
}

TEST_F(DownloadUtility, APathWithoutRoomForItsArgumentOrTooLongFails) {
  Install(kDownloadUtilityKey, std::string(254, 'p'));  // 254 + 2 > 255
  std::string command;
  EXPECT_FALSE(DownloadUtilityCommand(kDownloadOverlays, &command));
  Install(kDownloadUtilityKey, std::string(253, 'p'));
  ASSERT_TRUE(DownloadUtilityCommand(kDownloadOverlays, &command));
  EXPECT_EQ(command, std::string(253, 'p') + " 1");

  Install(kDownloadUtilityKey, std::string(254, 'p'));
  Install(kOlderDownloadUtilityKey, std::string(256, 'o'));
  EXPECT_FALSE(DownloadUtilityCommand(kDownloadOverlays, &command));
  Install(kOlderDownloadUtilityKey, std::string(255, 'o'));
  ASSERT_TRUE(DownloadUtilityCommand(kDownloadOverlays, &command));
  EXPECT_EQ(command, std::string(255, 'o'));
}

TEST_F(DownloadUtility, AnEmptyPathIsNoUtility) {
  Install(kDownloadUtilityKey, "");
  std::string command;
  EXPECT_FALSE(DownloadUtilityCommand(kDownloadColorProfiles, &command));
}

}  // namespace
}  // namespace psui
