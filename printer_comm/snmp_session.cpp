#include "printer_comm/snmp_session.h"

#include <cstdio>
#include <new>

#include "platform/last_error.h"
#include "platform/udp_socket.h"
#include "printer_comm/ber.h"
#include "printer_comm/snmp_message.h"

namespace psui {

using platform::WaitResult;

struct SnmpSession {
  platform::UdpSocket socket;
  uint32_t peerAddress = 0;
  const char* community = "";
  int32_t timeout = 0;
  int32_t retries = 0;
  int32_t requestId = 256;
  uint8_t receiveBuffer[kSnmpReceiveBuffer];
};

namespace {

void SetCode(int32_t code) { platform::SetLastErrorValue(static_cast<uint32_t>(code)); }

SnmpSession* FailOpen(SnmpSession* session, bool socketsStarted, int32_t code) {
  delete session;  // closes the socket when one was opened
  if (socketsStarted) platform::StopSockets();
  // Last, so that nothing in the clean-up overwrites the reason.
  SetCode(code);
  return nullptr;
}

// Sends the request and waits for a first datagram, resending when none
// comes. Returns 0 once one is waiting.
int32_t SendAndWait(SnmpSession& session, const BerElement& message) {
  for (int send = 0; send < kSnmpSends; ++send) {
    if (session.socket.Send(message.data, message.length) != static_cast<long>(message.length)) {
      return kSnmpSocketFailure;
    }
    switch (session.socket.WaitReadable(kSnmpWaitMs)) {
      case WaitResult::kReadable: return 0;
      case WaitResult::kFailed: return kSnmpSocketFailure;
      case WaitResult::kTimedOut: break;
    }
  }
  return kSnmpNoAnswer;
}

// Reads datagrams until one answers this request; a datagram for another
// request is dropped and the next one awaited, within the same bounded wait.
int32_t ReceiveAnswer(SnmpSession& session, VarBind& bind, int32_t* errorStatus,
                      int32_t* errorIndex) {
  for (int datagram = 0; datagram < kSnmpDatagrams; ++datagram) {
    if (datagram > 0) {
      switch (session.socket.WaitReadable(kSnmpWaitMs)) {
        case WaitResult::kReadable: break;
        case WaitResult::kFailed: return kSnmpSocketFailure;
        case WaitResult::kTimedOut: return kSnmpNoAnswer;
      }
    }
    long got = session.socket.Receive(session.receiveBuffer, sizeof session.receiveBuffer);
    if (got < 0) return kSnmpSocketFailure;
    int32_t rc = DecodeGetResponse(session.receiveBuffer, static_cast<size_t>(got),
                                   session.community, session.requestId, bind, errorStatus,
                                   errorIndex);
    if (rc != kSnmpWrongRequestId) return rc;
  }
  return kSnmpWrongRequestId;
}

}  // namespace

SnmpSession* SnmpMgrOpen(const char* agent, const char* community, int32_t timeout,
                         int32_t retries) {
  SnmpSession* session = new (std::nothrow) SnmpSession;
  if (session == nullptr) return FailOpen(nullptr, false, kSnmpNoSessionMemory);
  if (agent == nullptr) return FailOpen(session, false, kSnmpInvalidArgument);

  uint8_t major = 0, minor = 0;
  uint32_t rc = platform::StartSockets(major, minor);
  if (rc != 0) return FailOpen(session, false, static_cast<int32_t>(rc));
  if (major != 1 || minor != 1) {
    std::printf("Version: %u.%u\n", major, minor);
    std::fflush(stdout);
    return FailOpen(session, true, kSnmpSocketsVersion);
  }
  if (!session->socket.Open()) {
    return FailOpen(session, true, static_cast<int32_t>(platform::LastSocketError()));
  }
  rc = platform::ResolveIpv4(agent, session->peerAddress);
  if (rc != 0) return FailOpen(session, true, static_cast<int32_t>(rc));
  if (!session->socket.Connect(session->peerAddress, kSnmpPort)) {
    return FailOpen(session, true, static_cast<int32_t>(platform::LastSocketError()));
  }
  session->community = community != nullptr ? community : "";
  session->timeout = timeout;
  session->retries = retries;
  session->requestId = 256;
  return session;
}

int SnmpMgrRequest(SnmpSession* session, uint8_t pduType, VarBindList* bindings,
                   int32_t* errorStatus, int32_t* errorIndex) {
  // The answer goes into the first binding, so there must be one.
  if (session == nullptr || bindings == nullptr || bindings->list == nullptr ||
      bindings->len == 0) {
    SetCode(kSnmpInvalidArgument);
    return 0;
  }
  session->requestId = static_cast<int32_t>(static_cast<uint32_t>(session->requestId) + 1);
  BerElement message;
  int32_t rc = BuildGetRequest(session->requestId, session->community, pduType, *bindings, message);
  if (rc == 0) rc = SendAndWait(*session, message);
  if (rc == 0) rc = ReceiveAnswer(*session, bindings->list[0], errorStatus, errorIndex);
  if (rc != 0) {
    SetCode(rc);
    return 0;
  }
  return 1;
}

int SnmpSessionClose(SnmpSession* session) {
  if (session == nullptr) return 1;
  session->socket.Close();
  delete session;
  platform::StopSockets();
  return 1;
}

}  // namespace psui
