// The window-free start-up steps against the registry (in memory natively,
// the real one under Wine) and real SNMP peers on loopback.
#include "app/startup_steps.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/registry.h"
#include "tests/core/printer_comm/test_peers.h"

namespace psui {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

constexpr char kPrinter[] = "PSUI Startup Test";
constexpr char kPort[] = "IP_STARTUP_TEST";
constexpr char kPrinterKey[] = "System\\CurrentControlSet\\Control\\Print\\Printers\\PSUI Startup Test";
constexpr char kMonitorKey[] =
    "System\\CurrentControlSet\\Control\\Print\\Monitors\\Tiller Port+\\Ports\\IP_STARTUP_TEST";

SettingsBlock RecordWithDriverFile(const char* driver_file) {
  SettingsBlock record;
  std::memset(&record, 0x5A, sizeof record);
  SetFieldText(record.driverFileName, driver_file);
  return record;
}

TEST(PpdPath, ReplacesTheLastThreeCharactersWithPpd) {
  EXPECT_EQ(PpdPathFor(RecordWithDriverFile("C:\\WINDOWS\\SYSTEM\\PRN.DRV")), "C:\\WINDOWS\\SYSTEM\\PRN.ppd");
  EXPECT_EQ(PpdPathFor(RecordWithDriverFile("Z:\\psui\\PSUICLR.drv")), "Z:\\psui\\PSUICLR.ppd");
  EXPECT_EQ(PpdPathFor(RecordWithDriverFile("ABC")), "ppd");
}

TEST(PpdPath, IsEmptyForNamesShorterThanThreeCharacters) {
  EXPECT_EQ(PpdPathFor(RecordWithDriverFile("")), "");
  EXPECT_EQ(PpdPathFor(RecordWithDriverFile("AB")), "");
}

TEST(PpdPath, UsesAllHundredBytesOfANameWithoutItsNul) {
  SettingsBlock record;
  std::memset(record.driverFileName, 'x', sizeof record.driverFileName);
  std::string path = PpdPathFor(record);
  EXPECT_EQ(path, std::string(97, 'x') + "ppd");
}

class PrinterCheck : public ::testing::Test {
 protected:
  PrinterCheck() {
    std::memset(&record, 0, sizeof record);
    SetFieldText(record.printerName, kPrinter);
    SetFieldText(record.snmpCommunity, "public");
    for (auto& query : queries) query = kInstalledOptionQueries[&query - queries];
  }
  ~PrinterCheck() override {
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, kMonitorKey);
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, kPrinterKey);
  }
  void Seed(const std::string& address) {
    RegistryKey key;
    ASSERT_EQ(RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, kPrinterKey, key), 0u);
    ASSERT_EQ(key.WriteString("Port", kPort), 0u);
    if (address.empty()) return;
    RegistryKey monitor;
    ASSERT_EQ(RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, kMonitorKey, monitor), 0u);
    ASSERT_EQ(monitor.WriteString("IPAddress", address), 0u);
  }

  SettingsBlock record;
  OptionQuery queries[kInstalledOptionCount + 1];
  testing::SocketsScope sockets;
};

TEST_F(PrinterCheck, APrinterThatAnswersGivesStatusOneAndItsReport) {
  Seed(testing::PeerAddress(testing::kFullAgent));
  EXPECT_EQ(CheckPrinter(record, queries), kPrinterAnswered);
  EXPECT_EQ(FieldText(record.printerAddress), testing::PeerAddress(testing::kFullAgent));
  EXPECT_EQ(FieldText(record.portName), kPort);
  EXPECT_EQ(queries[2].value, 4096) << "storage entry 2 of the full profile";
}

TEST_F(PrinterCheck, APrinterThatCannotBeReachedGivesStatusTwoAndKeepsItsAddress) {
  Seed(testing::PeerAddress(testing::kNobodyListening));
  EXPECT_EQ(CheckPrinter(record, queries), kPrinterQueryFailed);
  EXPECT_EQ(FieldText(record.printerAddress), testing::PeerAddress(testing::kNobodyListening));
  EXPECT_EQ(queries[0].value, -1);
}

TEST_F(PrinterCheck, NoCommunityMeansNoQueryAndNoAddress) {
  Seed(testing::PeerAddress(testing::kFullAgent));
  SetFieldText(record.snmpCommunity, "");
  EXPECT_EQ(CheckPrinter(record, queries), kPrinterNotQueried);
  EXPECT_EQ(FieldText(record.printerAddress), "");
  EXPECT_EQ(queries[2].value, kInstalledOptionQueries[2].value) << "nothing was asked";
}

TEST_F(PrinterCheck, APortWithoutAnAddressMeansNoQuery) {
  Seed("");
  SetFieldText(record.printerAddress, "10.1.2.3");  // a stale cached address goes
  EXPECT_EQ(CheckPrinter(record, queries), kPrinterNotQueried);
  EXPECT_EQ(FieldText(record.printerAddress), "");
}

TEST_F(PrinterCheck, AnUnknownPrinterMeansNoQuery) {
  SetFieldText(record.printerName, "No Such Printer");
  EXPECT_EQ(CheckPrinter(record, queries), kPrinterNotQueried);
}

}  // namespace
}  // namespace psui
