#include "printer_comm/snmp_oid.h"

#include <cstring>

#include "platform/last_error.h"

namespace psui {

namespace {

int Fail(int32_t code) {
  platform::SetLastErrorValue(static_cast<uint32_t>(code));
  return 0;
}

}  // namespace

int SnmpMgrStrToOid(const char* text, ObjectId* id) {
  if (id == nullptr) return Fail(kSnmpInvalidArgument);
  id->count = 0;
  id->arcs = nullptr;
  if (text == nullptr || text[0] != '.') return Fail(kSnmpInvalidArgument);
  uint32_t arcs[kMaxTextArcs];
  uint32_t count = 0;
  uint64_t arc = 0;
  uint32_t digits = 0;
  for (const char* at = text + 1;; ++at) {
    char c = *at;
    if (c >= '0' && c <= '9') {
      if (++digits > kMaxArcDigits) return Fail(kSnmpInvalidArgument);
      arc = arc * 10 + static_cast<uint64_t>(c - '0');
      if (arc > UINT32_MAX) return Fail(kSnmpInvalidArgument);
      continue;
    }
    if (c != '.' && c != '\0') return Fail(kSnmpInvalidArgument);
    if (count == kMaxTextArcs) return Fail(kSnmpInvalidArgument);
    arcs[count++] = static_cast<uint32_t>(arc);
    arc = 0;
    digits = 0;
    if (c == '\0') break;
  }
  if (count < 2 || arcs[0] >= 3 || arcs[1] >= 40) return Fail(kSnmpInvalidArgument);
  auto* heap = static_cast<uint32_t*>(SnmpMemAlloc(count * sizeof(uint32_t)));
  if (heap == nullptr) return Fail(kSnmpNoMemory);
  std::memcpy(heap, arcs, count * sizeof(uint32_t));
  id->count = count;
  id->arcs = heap;
  return 1;
}

std::string ObjectIdText(const ObjectId& id) {
  std::string text;
  for (uint32_t i = 0; i < id.count && id.arcs != nullptr; ++i) {
    text += '.';
    text += std::to_string(id.arcs[i]);
  }
  return text;
}

}  // namespace psui
