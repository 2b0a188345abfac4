// Loopback peers for the SNMP tests: the address plan, a test-side encoder
// and request parser that share no code with the client, and a scripted UDP
// responder on port 161 of its own address.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "platform/udp_socket.h"

namespace psui::testing {

// Native tests use 127.0.0.20-39, the Windows build under Wine 127.0.0.40-59.
#ifndef PSUI_TEST_ADDRESS_BASE
#define PSUI_TEST_ADDRESS_BASE 20
#endif

enum PeerOffset {
  kFullAgent = 0,       // snmpd, profile "full"
  kNoDiskAgent = 1,     // snmpd, profile "nodisk"
  kSuppliesAgent = 2,   // snmpd, profile "supplies"
  kGaugeAgent = 3,      // snmpd, profile "gauge"
  kExchangeResponder = 5,
  kSilentListener = 6,
  kNobodyListening = 7,
  kDriverResponder = 8,
  kDriverSilent = 9,
  kBenchmarkSilent = 10,
  kBenchmarkNobody = 11,
  // 17: nobody listening, for the snmp_query tests (tools/snmp_query).
};

std::string PeerAddress(int offset);

using Bytes = std::vector<uint8_t>;

// Minimal-length TLV, written independently of the client's encoder.
Bytes Tlv(uint8_t tag, const Bytes& contents);
Bytes IntegerTlv(int64_t value, uint8_t tag = 0x02);
Bytes OctetStringTlv(const std::string& text, uint8_t tag = 0x04);
Bytes Concat(std::initializer_list<Bytes> parts);

struct ParsedRequest {
  std::string community;
  uint8_t pduType = 0;
  int32_t requestId = 0;
  Bytes nameContents;  // OID contents of the first binding
  std::string oidText;
};
bool ParseRequest(const Bytes& datagram, ParsedRequest& request);

Bytes ResponseMessage(const std::string& community, int32_t requestId, int32_t errorStatus,
                      int32_t errorIndex, const Bytes& nameContents, const Bytes& valueTlv,
                      uint8_t pduTag = 0xA2);

// What the responder sends back for one request: any number of datagrams.
using Script = std::function<std::vector<Bytes>(const ParsedRequest& request, const Bytes& raw,
                                                int number)>;

// Answers like an agent from a table of OID text -> value TLV: noSuchName
// (error-status 2, error-index 1, NULL) for what is not in it.
Script TableScript(std::map<std::string, Bytes> table, const std::string& community = "public");

class ScriptedResponder {
 public:
  ~ScriptedResponder() { Stop(); }
  // Binds port 161 of the address and answers on a thread of its own.
  bool Start(const std::string& address, Script script);
  void Stop();
  int Requests() const { return requests_.load(); }

 private:
  void Run();
  platform::UdpSocket socket_;
  Script script_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<int> requests_{0};
  bool started_ = false;
};

// A socket bound to port 161 that reads nothing and answers nothing.
class SilentListener {
 public:
  bool Start(const std::string& address);

 private:
  platform::UdpSocket socket_;
  bool started_ = false;
};

// Keeps the sockets layer started for a test body (Winsock needs it before a
// test peer opens its socket).
class SocketsScope {
 public:
  SocketsScope();
  ~SocketsScope();
};

}  // namespace psui::testing
