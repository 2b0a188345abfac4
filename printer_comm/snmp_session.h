// The SNMP GET client: one connected UDP socket to port 161 of the printer
// per session. Failures return null or 0 and leave the reason in the
// thread's last-error value (codes in snmp_types.h, or the sockets error).
#pragma once

#include <cstdint>

#include "printer_comm/snmp_types.h"

namespace psui {

struct SnmpSession;

constexpr uint16_t kSnmpPort = 161;
constexpr int kSnmpSends = 5;          // sends of one request before giving up
constexpr int kSnmpDatagrams = 5;      // datagrams read per request at most
constexpr uint32_t kSnmpWaitMs = 200;  // wait for an answer after each send
constexpr uint32_t kSnmpReceiveBuffer = 4096;

// Opens a session to the agent (dotted IPv4 text or host name). The
// community text is not copied: it must stay alive while the session is
// open. Timeout and retry count are kept but the exchange uses its own
// fixed waits (above). Null on failure.
SnmpSession* SnmpMgrOpen(const char* agent, const char* community, int32_t timeout,
                         int32_t retries);

// Sends one request (the first of a session carries request-id 257) and
// stores the first binding's value of the answer into bindings->list[0].
// 1 on success, also when the agent reports an error-status (read it from
// the out-parameter); 0 on failure.
int SnmpMgrRequest(SnmpSession* session, uint8_t pduType, VarBindList* bindings,
                   int32_t* errorStatus, int32_t* errorIndex);

// Closes the socket, releases the sockets layer and frees the session.
// Accepts null. Always 1.
int SnmpSessionClose(SnmpSession* session);

}  // namespace psui
