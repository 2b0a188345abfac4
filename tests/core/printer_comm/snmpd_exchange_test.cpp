// The client and both drivers against net-snmp's snmpd playing printers
// (scripts/snmpd-agent.sh, profiles in scripts/snmpd-profiles), checked
// against snmpget for the same objects where snmpget can run.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>

#include "pages/printer_options.h"
#include "platform/last_error.h"
#include "printer_comm/printer_queries.h"
#include "printer_comm/snmp_oid.h"
#include "test_peers.h"

namespace psui {
namespace {

using namespace psui::testing;

// What snmpget prints as the value (quotes of strings removed), or nothing
// when it reports an error. Native builds only: Wine cannot read a Linux
// program's output.
std::optional<std::string> SnmpGet(const std::string& address, const std::string& oid) {
#ifdef _WIN32
  (void)address;
  (void)oid;
  return std::nullopt;
#else
  std::string command = "MIBS= snmpget -v1 -c public -On -Oqv -t 1 -r 2 " + address + " " + oid +
                        " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string out;
  char buffer[512];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
  int status = pclose(pipe);
  if (status != 0 || out.empty()) return std::nullopt;
  if (out.back() == '\n') out.pop_back();
  if (out.size() >= 2 && out.front() == '"' && out.back() == '"') out = out.substr(1, out.size() - 2);
  return out;
#endif
}

constexpr bool kCanCompare =
#ifdef _WIN32
    false;
#else
    true;
#endif

// The OID a driver entry asks: its text with the last arc replaced by the index.
std::string AskedOid(const OptionQuery& entry) {
  std::string text = entry.oidText;
  return text.substr(0, text.rfind('.') + 1) + std::to_string(entry.index);
}

class Agents : public ::testing::Test {
 protected:
  std::array<int32_t, kInstalledOptionCount> Options(int agent) {
    std::copy(std::begin(kInstalledOptionQueries), std::end(kInstalledOptionQueries), options_);
    EXPECT_EQ(QueryInstalledOptions("public", PeerAddress(agent).c_str(), options_), 0)
        << PeerAddress(agent);
    std::array<int32_t, kInstalledOptionCount> values;
    for (size_t i = 0; i < kInstalledOptionCount; ++i) values[i] = options_[i].value;
    return values;
  }
  // Every value the driver took must be what snmpget reads, and every value
  // it refused must be missing there or not an INTEGER.
  void CompareOptionsWithSnmpget(int agent) {
    for (size_t i = 0; i < kInstalledOptionCount; ++i) {
      auto seen = SnmpGet(PeerAddress(agent), AskedOid(options_[i]));
      if (options_[i].value != -1) {
        ASSERT_TRUE(seen.has_value()) << AskedOid(options_[i]);
        EXPECT_EQ(*seen, std::to_string(options_[i].value)) << AskedOid(options_[i]);
      }
    }
  }
  void Supplies(int agent) {
    ASSERT_EQ(QuerySupplyTable("public", PeerAddress(agent).c_str(), kSupplyColumns, rows_), 0);
  }

  SocketsScope sockets_;
  OptionQuery options_[kInstalledOptionCount + 1];
  SupplyRow rows_[kSupplyRowCount];
};

TEST_F(Agents, AFullyFittedPrinterReportsEveryOption) {
  auto values = Options(kFullAgent);
  EXPECT_EQ(values, (std::array<int32_t, kInstalledOptionCount>{1, 7, 4096, 3, 40, 1, 0, 4, 4, 5, 2}));

  SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  ApplyPrinterOptions(record, options_);
  EXPECT_EQ(record.hardDiskInstalled, 1);
  EXPECT_EQ(record.duplexerInstalled, 1);
  EXPECT_EQ(record.stackerInstalled, 1);
  EXPECT_EQ(record.multiResInstalled, 1);
  EXPECT_EQ(record.bin1Installed + record.bin2Installed + record.manualFeedInstalled, 3);
  EXPECT_EQ(+record.collate, 1);
}

TEST_F(Agents, APrinterWithoutDiskAndWithFewerTrays) {
  auto values = Options(kNoDiskAgent);
  EXPECT_EQ(values, (std::array<int32_t, kInstalledOptionCount>{1, 7, -1, 1, -1, -1, 0, 4, -1, -1, -1}));
  if (kCanCompare) {
    EXPECT_FALSE(SnmpGet(PeerAddress(kNoDiskAgent), ".1.3.6.1.2.1.25.2.3.1.4.2"));
  }

  SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  record.overlays[0].enabled = 1;
  SetFieldText(record.destinationProfileName, "Stampa");
  ApplyPrinterOptions(record, options_);
  EXPECT_EQ(record.hardDiskInstalled, 0);
  EXPECT_EQ(record.multiResInstalled, 0);
  EXPECT_EQ(record.bin1Installed, 1);
  EXPECT_EQ(record.bin2Installed, 0);
  EXPECT_EQ(+record.overlays[0].enabled, 0);
  EXPECT_EQ(FieldText(record.destinationProfileName), "Nessuno");
}

TEST_F(Agents, NumbersTypedAsGaugeOrCounterAreNotOptionValues) {
  auto values = Options(kGaugeAgent);
  EXPECT_EQ(values[2], -1);  // Gauge32 4096
  EXPECT_EQ(values[4], 40);
  EXPECT_EQ(values[5], -1);  // Counter32
  EXPECT_EQ(values[7], -1);  // Gauge32
  if (kCanCompare) {
    EXPECT_EQ(SnmpGet(PeerAddress(kGaugeAgent), ".1.3.6.1.2.1.25.2.3.1.4.2"), "4096");
  }
}

TEST_F(Agents, ASupplyTableNumbered1To4And51To52FillsSixRows) {
  Supplies(kSuppliesAgent);
  const int indexes[] = {1, 2, 3, 4, 51, 52};
  for (int row = 0; row < 6; ++row) {
    std::string i = std::to_string(indexes[row]);
    EXPECT_EQ(rows_[row].level, 10 * (row + 1)) << row;
    EXPECT_EQ(rows_[row].maxCapacity, 100 * (row + 1)) << row;
    EXPECT_STREQ(rows_[row].unitText, "pagine") << row;
    EXPECT_EQ(rows_[row].type, row + 3) << row;
    auto description = SnmpGet(PeerAddress(kSuppliesAgent), ".1.3.6.1.2.1.43.11.1.1.6.1." + i);
    if (kCanCompare) {
      ASSERT_TRUE(description.has_value());
      EXPECT_EQ(rows_[row].description, description->substr(0, 255)) << row;
    }
  }
  EXPECT_EQ(std::strlen(rows_[5].description), 255u);  // the agent's text is longer
  EXPECT_STREQ(rows_[6].description, "");
  EXPECT_EQ(rows_[6].level, 0);
}

TEST_F(Agents, NumericUnitsLeaveTheUnitTextEmpty) {
  Supplies(kFullAgent);
  EXPECT_STREQ(rows_[0].description, "Toner nero");
  EXPECT_STREQ(rows_[0].unitText, "");
  EXPECT_EQ(rows_[2].level, -3);
  EXPECT_EQ(rows_[2].maxCapacity, -2);
  EXPECT_EQ(rows_[2].type, 15);
  EXPECT_STREQ(rows_[3].description, "");
}

TEST_F(Agents, GaugesOfTwoToThe31AndMoreKeepTheirLow32Bits) {
  Supplies(kGaugeAgent);
  EXPECT_EQ(static_cast<uint32_t>(rows_[0].level), 3000000000u);
  EXPECT_EQ(static_cast<uint32_t>(rows_[0].maxCapacity), 4294967295u);
  if (kCanCompare) {
    EXPECT_EQ(SnmpGet(PeerAddress(kGaugeAgent), ".1.3.6.1.2.1.43.11.1.1.9.1.1"),
              std::to_string(static_cast<uint32_t>(rows_[0].level)));
  }
}

// The cross-checks need snmpget's output, which a Windows program under Wine
// cannot read: there they are reported as skipped.
TEST_F(Agents, OptionValuesAreWhatSnmpgetReads) {
  if (!kCanCompare) GTEST_SKIP() << "snmpget's output cannot be read under Wine";
  for (int agent : {kFullAgent, kNoDiskAgent}) {
    Options(agent);
    CompareOptionsWithSnmpget(agent);
  }
}

TEST_F(Agents, RawRequestsMatchSnmpget) {
  SnmpSession* session = SnmpMgrOpen(PeerAddress(kFullAgent).c_str(), "public", 1000, 1);
  ASSERT_NE(session, nullptr);
  VarBind bind{};
  bind.value.type = kTagNull;
  VarBindList list{&bind, 1};
  const char* oids[] = {".1.3.6.1.2.1.43.11.1.1.6.1.2", ".1.3.6.1.2.1.43.11.1.1.9.1.3",
                        ".1.3.6.1.2.1.1.2.0", ".1.3.6.1.2.1.43.11.1.1.6.1.9"};
  for (const char* oid : oids) {
    VarBindFree(&bind);
    ASSERT_TRUE(SnmpMgrStrToOid(oid, &bind.name));
    int32_t status = -1, index = -1;
    ASSERT_EQ(SnmpMgrRequest(session, kPduGetRequest, &list, &status, &index), 1) << oid;
    auto seen = SnmpGet(PeerAddress(kFullAgent), oid);
    std::string ours;
    if (status != 0) {
      EXPECT_EQ(status, 2) << oid;  // noSuchName
      EXPECT_EQ(bind.value.type, kTagNull);
      if (kCanCompare) {
        EXPECT_FALSE(seen.has_value()) << oid;
      }
      continue;
    }
    if (bind.value.type == kTagInteger) ours = std::to_string(bind.value.number);
    if (bind.value.type == kTagOctetString) {
      ours.assign(reinterpret_cast<char*>(bind.value.string.bytes), bind.value.string.length);
    }
    if (bind.value.type == kTagObjectId) ours = ObjectIdText(bind.value.oid);
    if (kCanCompare) {
      ASSERT_TRUE(seen.has_value()) << oid;
      EXPECT_EQ(ours, *seen) << oid;
    }
  }
  VarBindFree(&bind);
  SnmpSessionClose(session);
  if (!kCanCompare) GTEST_SKIP() << "checked our decoding only; snmpget's output cannot be read under Wine";
}

TEST_F(Agents, AWrongCommunityIsMetWithSilence) {
  auto start = std::chrono::steady_clock::now();
  std::copy(std::begin(kInstalledOptionQueries), std::end(kInstalledOptionQueries), options_);
  EXPECT_EQ(QueryInstalledOptions("private", PeerAddress(kFullAgent).c_str(), options_),
            kSnmpNoAnswer);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(seconds, 0.9);
  for (size_t i = 0; i < kInstalledOptionCount; ++i) EXPECT_EQ(options_[i].value, -1);
}

}  // namespace
}  // namespace psui
