// Object identifiers as dotted text (".1.3.6.1.2.1.43.11.1.1.9.1.1").
#pragma once

#include <string>

#include "printer_comm/snmp_types.h"

namespace psui {

constexpr uint32_t kMaxTextArcs = 128;
constexpr uint32_t kMaxArcDigits = 15;

// Converts dotted text into a new identifier: 1 on success, 0 on failure
// (the output then has count 0 and no arcs). The text must start with a
// dot; every arc is decimal, at most 15 digits and at most 2^32-1; two dots
// in a row or a dot at the end stand for an arc 0; 2 to 128 arcs, the first
// below 3 and the second below 40. The arcs come from SnmpMemAlloc. A
// failure leaves kSnmpInvalidArgument (bad text) or kSnmpNoMemory in the
// thread's last-error value.
int SnmpMgrStrToOid(const char* text, ObjectId* id);

// The dotted form with a leading dot; "" for an empty identifier.
std::string ObjectIdText(const ObjectId& id);

}  // namespace psui
