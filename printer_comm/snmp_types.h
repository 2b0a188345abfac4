// The SNMP structures shared by the client and its callers, their release
// functions, the result codes left in the thread's last-error value, and the
// allocator every heap block of these structures comes from.
#pragma once

#include <cstddef>
#include <cstdint>

namespace psui {

// BER tags of the values and PDUs the client handles.
constexpr uint8_t kTagInteger = 0x02;
constexpr uint8_t kTagOctetString = 0x04;
constexpr uint8_t kTagNull = 0x05;
constexpr uint8_t kTagObjectId = 0x06;
constexpr uint8_t kTagSequence = 0x30;
constexpr uint8_t kTagIpAddress = 0x40;
constexpr uint8_t kTagCounter = 0x41;
constexpr uint8_t kTagGauge = 0x42;
constexpr uint8_t kTagTimeTicks = 0x43;
constexpr uint8_t kTagOpaque = 0x44;
constexpr uint8_t kPduGetRequest = 0xA0;
constexpr uint8_t kPduGetResponse = 0xA2;

// Codes the client and the drivers leave in the thread's last-error value.
constexpr int32_t kSnmpNoSessionMemory = 1;
constexpr int32_t kSnmpWrongRequestId = 3;
constexpr int32_t kSnmpCommunityMismatch = 5;
constexpr int32_t kSnmpNoMemory = 8;
constexpr int32_t kSnmpMalformed = 11;
constexpr int32_t kSnmpSocketsVersion = 30;
constexpr int32_t kSnmpGeneralFailure = 31;  // a failure whose reason got lost
constexpr int32_t kSnmpInvalidArgument = 87;
constexpr int32_t kSnmpNoAnswer = 4102;
constexpr int32_t kSnmpSocketFailure = -1;

constexpr uint32_t kMaxDecodedArcs = 32;

struct ObjectId {
  uint32_t count;
  uint32_t* arcs;  // owned heap array, null when count is 0
};

struct SnmpBytes {
  uint8_t* bytes;
  uint32_t length;
  uint32_t owned;  // 1 when bytes belong to the value
};

struct SnmpValue {
  uint8_t type;  // BER tag of the value; kTagNull means no value
  union {
    int32_t number;  // kTagInteger, kTagCounter, kTagGauge, kTagTimeTicks
    SnmpBytes string;  // kTagOctetString, kTagNull, kTagSequence, kTagIpAddress, kTagOpaque
    ObjectId oid;      // kTagObjectId
  };
};

struct VarBind {
  ObjectId name;
  SnmpValue value;
};

struct VarBindList {
  VarBind* list;
  uint32_t len;
};

bool IsIntegerType(uint8_t type);
bool IsByteStringType(uint8_t type);

// Frees the name's arcs and the value's storage; the value becomes NULL.
void VarBindFree(VarBind* bind);
// Frees every binding and the array; a list without an array is left alone.
void VarBindListFree(VarBindList* list);

// Heap blocks of these structures. SnmpMemAlloc returns zeroed memory or
// null; tests can make it fail.
void* SnmpMemAlloc(size_t size);
void SnmpMemFree(void* block);
// From now on, let `remaining` allocations succeed and fail the rest;
// a negative count lifts the limit.
void SetSnmpAllocationLimitForTesting(long remaining);

}  // namespace psui
