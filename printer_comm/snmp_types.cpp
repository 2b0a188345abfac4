#include "printer_comm/snmp_types.h"

#include <cstdlib>
#include <cstring>

namespace psui {

namespace {
thread_local long allocations_left = -1;
}

bool IsIntegerType(uint8_t type) {
  return type == kTagInteger || type == kTagCounter || type == kTagGauge || type == kTagTimeTicks;
}

bool IsByteStringType(uint8_t type) {
  return type == kTagOctetString || type == kTagNull || type == kTagSequence ||
         type == kTagIpAddress || type == kTagOpaque;
}

void* SnmpMemAlloc(size_t size) {
  if (allocations_left == 0) return nullptr;
  if (allocations_left > 0) --allocations_left;
  return std::calloc(1, size == 0 ? 1 : size);
}

void SnmpMemFree(void* block) { std::free(block); }

void SetSnmpAllocationLimitForTesting(long remaining) { allocations_left = remaining; }

void VarBindFree(VarBind* bind) {
  if (bind == nullptr) return;
  SnmpMemFree(bind->name.arcs);
  bind->name.arcs = nullptr;
  bind->name.count = 0;
  SnmpValue& value = bind->value;
  if (value.type == kTagOctetString || value.type == kTagSequence ||
      value.type == kTagIpAddress || value.type == kTagOpaque) {
    if (value.string.owned) SnmpMemFree(value.string.bytes);
  } else if (value.type == kTagObjectId) {
    SnmpMemFree(value.oid.arcs);
  }
  // A NULL value never holds storage (received NULL contents are not kept),
  // so clearing the union here keeps a later free from misreading it.
  std::memset(&value, 0, sizeof value);
  value.type = kTagNull;
}

void VarBindListFree(VarBindList* list) {
  if (list == nullptr || list->list == nullptr) return;
  for (uint32_t i = 0; i < list->len; ++i) VarBindFree(&list->list[i]);
  SnmpMemFree(list->list);
  list->list = nullptr;
  list->len = 0;
}

}  // namespace psui
