// Prints how long the two query drivers take against a loopback snmpd, next
// to snmpget sending the same requests one process each, and how long a run
// takes to give up on a printer that does not answer. Figures only: it
// fails only when a run itself fails.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "printer_comm/printer_queries.h"
#include "test_peers.h"

namespace psui {
namespace {

using namespace psui::testing;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Runs snmpget once; true when the agent answered without an error-status.
bool SnmpGet(const std::string& address, const std::string& oid) {
  std::string command = "MIBS= snmpget -v1 -c public -On -t 1 -r 0 " + address + " " + oid +
                        " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

long AgentPackets(const std::string& address) {
  std::string command = "MIBS= snmpget -v1 -c public -Oqv -t 1 -r 0 " + address +
                        " .1.3.6.1.2.1.11.1.0 2>/dev/null";  // snmpInPkts
  FILE* pipe = popen(command.c_str(), "r");
  long packets = -1;
  if (pipe != nullptr) {
    if (std::fscanf(pipe, "%ld", &packets) != 1) packets = -1;
    pclose(pipe);
  }
  return packets;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string Index(const char* oidText, int index) {
  std::string text = oidText;
  return text.substr(0, text.rfind('.') + 1) + std::to_string(index);
}

// The requests the supply walk makes, replayed with one snmpget each.
int SupplyWalkWithSnmpget(const std::string& address) {
  int requests = 0;
  for (const OptionQuery* column = kSupplyColumns; column->oidText != nullptr; ++column) {
    const int jumps[] = {51, 101};
    size_t used = 0, row = 0;
    int index = 1;
    while (row < kSupplyRowCount) {
      ++requests;
      if (!SnmpGet(address, Index(column->oidText, index))) {
        if (used == 2) break;
        index = jumps[used++];
        continue;
      }
      ++row;
      ++index;
    }
  }
  return requests;
}

int Run() {
  const int kRuns = 7;
  int failures = 0;
  SocketsScope sockets;
  OptionQuery options[kInstalledOptionCount + 1];
  std::printf("SNMP client benchmark (loopback snmpd, %d runs each, median)\n", kRuns);

  for (int agent : {kFullAgent, kSuppliesAgent}) {
    std::string address = PeerAddress(agent);
    std::vector<double> optionTimes, supplyTimes;
    long before = AgentPackets(address);
    for (int run = 0; run < kRuns; ++run) {
      std::copy(std::begin(kInstalledOptionQueries), std::end(kInstalledOptionQueries), options);
      auto start = Clock::now();
      failures += QueryInstalledOptions("public", address.c_str(), options) != 0;
      optionTimes.push_back(MsSince(start));
    }
    long middle = AgentPackets(address);
    static SupplyRow rows[kSupplyRowCount];
    for (int run = 0; run < kRuns; ++run) {
      auto start = Clock::now();
      failures += QuerySupplyTable("public", address.c_str(), kSupplyColumns, rows) != 0;
      supplyTimes.push_back(MsSince(start));
    }
    long after = AgentPackets(address);
    long optionRequests = (middle - before - 1) / kRuns;
    long supplyRequests = (after - middle - 1) / kRuns;

    auto start = Clock::now();
    for (size_t i = 0; i < kInstalledOptionCount; ++i) {
      SnmpGet(address, Index(kInstalledOptionQueries[i].oidText, kInstalledOptionQueries[i].index));
    }
    double snmpgetOptions = MsSince(start);
    start = Clock::now();
    int walked = SupplyWalkWithSnmpget(address);
    double snmpgetSupplies = MsSince(start);

    std::printf("agent %s:\n", address.c_str());
    std::printf("  QueryInstalledOptions  %7.2f ms  (%ld requests; %.3f ms per request)\n",
                Median(optionTimes), optionRequests, Median(optionTimes) / optionRequests);
    std::printf("  snmpget, same requests %7.2f ms  (%zu processes)\n", snmpgetOptions,
                kInstalledOptionCount);
    std::printf("  QuerySupplyTable       %7.2f ms  (%ld requests; %.3f ms per request)\n",
                Median(supplyTimes), supplyRequests, Median(supplyTimes) / supplyRequests);
    std::printf("  snmpget, same requests %7.2f ms  (%d processes)\n", snmpgetSupplies, walked);
  }

  // A printer that is there but never answers, and an address where
  // nothing listens at all.
  const std::pair<const char*, int> deadPrinters[] = {{"silent printer", kBenchmarkResponder},
                                                      {"nothing listening", kBenchmarkNobody}};
  for (auto [label, offset] : deadPrinters) {
    std::copy(std::begin(kInstalledOptionQueries), std::end(kInstalledOptionQueries), options);
    auto start = Clock::now();
    int32_t rc = QueryInstalledOptions("silent", PeerAddress(offset).c_str(), options);
    double ms = MsSince(start);
    std::printf("give-up time, %-17s %7.1f ms  (result %d; target: at most 1100 ms)\n", label, ms,
                rc);
  }
  std::printf("%s\n", failures == 0 ? "benchmark done" : "benchmark: some runs failed");
  return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace psui

int main() { return psui::Run(); }
