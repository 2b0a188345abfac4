// The SNMPv1 messages of the client: the GetRequest it sends and the
// checks and decoding of the GetResponse it receives. No sockets here, so
// the decoding can be exercised with any datagram.
#pragma once

#include <cstddef>
#include <cstdint>

#include "printer_comm/ber.h"
#include "printer_comm/snmp_types.h"

namespace psui {

// Builds the whole message: version 0, the community, and a PDU of the given
// type holding the request-id, error-status 0, error-index 0 and one binding
// per VarBind (its name and, for a NULL value, 05 00). Returns 0,
// kSnmpInvalidArgument when a name cannot be encoded, or kSnmpNoMemory.
int32_t BuildGetRequest(int32_t requestId, const char* community, uint8_t pduType,
                        const VarBindList& bindings, BerElement& message);

// Checks a received datagram as the answer to `requestId` and decodes it:
// error-status and error-index go through the pointers that are given, the
// first binding's value into `bind.value` (its name is not compared). The
// previous value is overwritten, not freed. Returns 0; kSnmpWrongRequestId
// when the datagram answers another request (nothing is stored then);
// kSnmpCommunityMismatch; kSnmpMalformed for a wrong tag, an unsupported
// value type or any element that does not fit its parent; kSnmpNoMemory.
// Every read stays inside the `size` bytes of the datagram.
int32_t DecodeGetResponse(const uint8_t* datagram, size_t size, const char* community,
                          int32_t requestId, VarBind& bind, int32_t* errorStatus,
                          int32_t* errorIndex);

}  // namespace psui
