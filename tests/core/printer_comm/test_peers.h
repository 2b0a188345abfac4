// The loopback peers of the SNMP tests. The client always talks to port 161,
// so every peer has an address of its own: native tests use 127.0.0.20-39,
// the Windows build under Wine 127.0.0.40-59. The peers are separate
// processes started by ctest fixtures: snmpd agents (scripts/snmpd-agent.sh)
// and scripted responders (scripts/snmp-responder.py, whose behaviour each
// request picks by its community). The device pages' tests have a range of
// their own under Wine: 127.0.0.110 snmpd "levels", 127.0.0.111 nobody
// listening (tests/core/printer_comm/CMakeLists.txt).
#pragma once

#include <cstdint>
#include <string>

namespace psui::testing {

#ifndef PSUI_TEST_ADDRESS_BASE
#define PSUI_TEST_ADDRESS_BASE 20
#endif

enum PeerOffset {
  kFullAgent = 0,       // snmpd, profile "full"
  kNoDiskAgent = 1,     // snmpd, profile "nodisk"
  kSuppliesAgent = 2,   // snmpd, profile "supplies"
  kGaugeAgent = 3,      // snmpd, profile "gauge"
  kExchangeResponder = 5,
  kNobodyListening = 7,
  kDriverResponder = 8,
  kBenchmarkResponder = 10,
  kBenchmarkNobody = 11,
  // 17: nobody listening, for the snmp_query tests (tools/snmp_query).
};

std::string PeerAddress(int offset);

// Requests the responder at `address` received since the previous call
// (asked through the client itself; the question is not counted), or -1.
int32_t RespondedRequestsSince(const std::string& address);

// Keeps the sockets layer started for a test body.
class SocketsScope {
 public:
  SocketsScope();
  ~SocketsScope();
};

}  // namespace psui::testing
