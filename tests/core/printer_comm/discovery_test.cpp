// Address discovery and the registry interface under it. The same tests run
// natively on the in-memory registry and under Wine on the real one.
#include "printer_comm/printer_address.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "exchange/settings_block.h"
#include "platform/registry.h"
#ifndef _WIN32
#include "platform/memory_registry.h"
#endif

namespace psui {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;
using platform::RegistryValue;

const std::string kMonitors = "System\\CurrentControlSet\\Control\\Print\\Monitors\\";
const char* const kMonitorNames[] = {"Tiller Port+", "Digital Network Port", "Tiller Port",
                                     "ZPX Port"};

// Seeds keys and values and removes the keys it created afterwards, deepest
// first (the real registry outlives the test).
class Seeder {
 public:
  ~Seeder() {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
      RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, *it);
    }
  }
  void String(const std::string& path, const char* name, const std::string& text) {
    EXPECT_EQ(Key(path).WriteString(name, text), 0u);
  }
  void Binary(const std::string& path, const char* name, const std::vector<uint8_t>& data) {
    EXPECT_EQ(Key(path).WriteBinary(name, data.data(), data.size()), 0u);
  }
  RegistryKey Key(const std::string& path) {
    RegistryKey key;
    EXPECT_EQ(RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, path, key), 0u);
    created_.push_back(path);
    return key;
  }

 private:
  std::vector<std::string> created_;
};

std::string PortKey(int monitor, const std::string& port) {
  return kMonitors + kMonitorNames[monitor] + "\\Ports\\" + port;
}

class Discovery : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef _WIN32
    platform::ResetMemoryRegistry();
#endif
    std::memset(&record_, 0, sizeof record_);
    SetFieldText(record_.portName, "driver's port");
  }
  // A printer whose "Port" value names `port`.
  void Printer(const std::string& port) {
    seed_.String(platform::PrinterKeyPath(printer_), "Port", port);
  }
  uint32_t Discover() {
    std::memset(record_.printerAddress, 'x', sizeof record_.printerAddress);
    return DiscoverPrinterAddress(printer_, record_.printerAddress, record_.portName);
  }

  const std::string printer_ = "psui test printer";
  Seeder seed_;
  SettingsBlock record_;
};

TEST_F(Discovery, EachMonitorIsFoundThroughItsOwnValue) {
  const char* values[] = {"IPAddress", "TCP/IP Address", "IPAddress", "IPAddress"};
  for (int monitor = 0; monitor < 4; ++monitor) {
    std::string port = "psui-port-" + std::to_string(monitor);
    Printer(port);
    std::string address = "10.1.2." + std::to_string(monitor);
    seed_.String(PortKey(monitor, port), values[monitor], address);
    EXPECT_EQ(Discover(), 0u) << kMonitorNames[monitor];
    EXPECT_EQ(FieldText(record_.printerAddress), address);
    EXPECT_EQ(FieldText(record_.portName), port);
  }
}

TEST_F(Discovery, TheFirstMonitorKeyThatOpensDecidesEvenWithoutItsValue) {
  Printer("psui-shared");
  seed_.String(PortKey(1, "psui-shared"), "TCP/IP Address", "10.0.0.2");
  seed_.String(PortKey(2, "psui-shared"), "IPAddress", "10.0.0.3");
  EXPECT_EQ(Discover(), 0u);
  EXPECT_EQ(FieldText(record_.printerAddress), "10.0.0.2");

  // Monitor 1 has the port but not the value: no fallback to monitor 2.
  seed_.String(PortKey(0, "psui-shared"), "Other", "x");
  EXPECT_EQ(Discover(), platform::kRegNotFound);
  EXPECT_EQ(FieldText(record_.printerAddress), "");
}

TEST_F(Discovery, APortUnderNoMonitorLeavesTheAddressEmpty) {
  Printer("LPT1:");
  EXPECT_EQ(Discover(), platform::kRegNotFound);
  EXPECT_EQ(FieldText(record_.printerAddress), "");
  EXPECT_EQ(FieldText(record_.portName), "LPT1:");
}

TEST_F(Discovery, AMissingPrinterOrUnreadablePortKeepsTheDriversPortName) {
  EXPECT_EQ(Discover(), platform::kRegNotFound);
  EXPECT_EQ(FieldText(record_.printerAddress), "");
  EXPECT_EQ(FieldText(record_.portName), "driver's port");

  Printer(std::string(32, 'p'));  // 31 bytes at most
  EXPECT_EQ(Discover(), platform::kRegMoreData);
  EXPECT_EQ(FieldText(record_.portName), "driver's port");

  seed_.Binary(platform::PrinterKeyPath(printer_), "Port", {'L', 'P', 'T', '1', 0});
  EXPECT_EQ(Discover(), platform::kRegInvalidData);
  EXPECT_EQ(FieldText(record_.portName), "driver's port");
}

TEST_F(Discovery, AnAddressTooLongForItsFieldLeavesItEmptyAndThePortNameIntact) {
  Printer("psui-long");
  seed_.String(PortKey(0, "psui-long"), "IPAddress", "255.255.255.255");  // 15: fits
  EXPECT_EQ(Discover(), 0u);
  EXPECT_EQ(FieldText(record_.printerAddress), "255.255.255.255");

  for (size_t length : {16u, 63u, 64u, 200u}) {
    seed_.String(PortKey(0, "psui-long"), "IPAddress", std::string(length, '9'));
    EXPECT_EQ(Discover(), platform::kRegMoreData) << length;
    EXPECT_EQ(FieldText(record_.printerAddress), "") << length;
    EXPECT_EQ(FieldText(record_.portName), "psui-long") << length;
  }
}

class Registry : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef _WIN32
    platform::ResetMemoryRegistry();
#endif
  }
  const std::string root_ = "Software\\psui-registry-test";
  Seeder seed_;
};

TEST_F(Registry, BinaryValuesAreWrittenReadEnumeratedAndDeleted) {
  seed_.Key(root_);
  RegistryKey store = seed_.Key(root_ + "\\Color Profiles");
  const std::vector<uint8_t> first(152, 0xA5), second{1, 2, 3};
  ASSERT_EQ(store.WriteBinary("Ufficio", first.data(), first.size()), 0u);
  ASSERT_EQ(store.WriteBinary("Foto", second.data(), second.size()), 0u);
  std::vector<uint8_t> data;
  ASSERT_EQ(store.ReadBinary("ufficio", data), 0u);  // names ignore case
  EXPECT_EQ(data, first);

  std::vector<std::string> names;
  RegistryValue value;
  for (uint32_t i = 0; store.EnumValue(i, value) == 0; ++i) {
    names.push_back(value.name);
    EXPECT_EQ(value.type, platform::kRegBinary);
    EXPECT_EQ(value.data, value.name == "Foto" ? second : first);
  }
  EXPECT_EQ(names.size(), 2u);
  EXPECT_EQ(store.EnumValue(2, value), platform::kRegNoMoreItems);

  EXPECT_EQ(store.DeleteValue("Foto"), 0u);
  EXPECT_EQ(store.ReadBinary("Foto", data), platform::kRegNotFound);
  EXPECT_EQ(store.DeleteValue("Foto"), platform::kRegNotFound);
}

TEST_F(Registry, EnumerationGivesLongNamesAndLargeValuesWhole) {
  seed_.Key(root_);
  RegistryKey store = seed_.Key(root_ + "\\Large");
  const std::string longName(300, 'n');
  std::vector<uint8_t> large(5000);
  for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<uint8_t>(i * 31);
  const std::vector<uint8_t> small{7};
  ASSERT_EQ(store.WriteBinary(longName, small.data(), small.size()), 0u);
  ASSERT_EQ(store.WriteBinary("Grande", large.data(), large.size()), 0u);
  std::vector<std::pair<std::string, std::vector<uint8_t>>> seen;
  RegistryValue value;
  for (uint32_t i = 0; store.EnumValue(i, value) == 0; ++i) seen.emplace_back(value.name, value.data);
  std::sort(seen.begin(), seen.end());
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].first, "Grande");
  EXPECT_EQ(seen[0].second, large);
  EXPECT_EQ(seen[1].first, longName);
  EXPECT_EQ(seen[1].second, small);
}

TEST_F(Registry, StringsAreCappedAndTypesChecked) {
  RegistryKey key = seed_.Key(root_);
  ASSERT_EQ(key.WriteString("Port", "IP_10.0.0.1"), 0u);
  std::string text;
  EXPECT_EQ(key.ReadString("Port", 12, text), 0u);
  EXPECT_EQ(text, "IP_10.0.0.1");
  EXPECT_EQ(key.ReadString("Port", 11, text), platform::kRegMoreData);
  const uint8_t bytes[] = {1, 2};
  ASSERT_EQ(key.WriteBinary("Blob", bytes, 2), 0u);
  EXPECT_EQ(key.ReadString("Blob", 64, text), platform::kRegInvalidData);
  std::vector<uint8_t> data;
  EXPECT_EQ(key.ReadBinary("Port", data), platform::kRegInvalidData);
}

TEST_F(Registry, KeysOpenedForReadingRefuseWritesAndOnlyLeafKeysAreDeleted) {
  seed_.Key(root_);
  seed_.Key(root_ + "\\Watermark Profiles");
  RegistryKey reader;
  ASSERT_EQ(RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, root_, reader), 0u);
  EXPECT_EQ(reader.WriteString("x", "y"), platform::kRegAccessDenied);
  std::string sub;
  ASSERT_EQ(reader.EnumSubKey(0, sub), 0u);
  EXPECT_EQ(sub, "Watermark Profiles");
  EXPECT_EQ(reader.EnumSubKey(1, sub), platform::kRegNoMoreItems);
  EXPECT_EQ(RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, root_), platform::kRegAccessDenied);
  EXPECT_EQ(RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, root_ + "\\Watermark Profiles"), 0u);
  RegistryKey gone;
  EXPECT_EQ(RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, root_ + "\\Watermark Profiles",
                                        gone),
            platform::kRegNotFound);
  EXPECT_FALSE(gone.IsOpen());
  RegistryKey closed;
  EXPECT_EQ(closed.WriteString("x", "y"), platform::kRegInvalidHandle);
}

}  // namespace
}  // namespace psui
