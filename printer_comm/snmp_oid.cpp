#include "printer_comm/snmp_oid.h"

#include <cstring>

namespace psui {

int SnmpMgrStrToOid(const char* text, ObjectId* id) {
  if (id == nullptr) return 0;
  id->count = 0;
  id->arcs = nullptr;
  if (text == nullptr || text[0] != '.') return 0;
  uint32_t arcs[kMaxTextArcs];
  uint32_t count = 0;
  uint64_t arc = 0;
  uint32_t digits = 0;
  for (const char* at = text + 1;; ++at) {
    char c = *at;
    if (c >= '0' && c <= '9') {
      if (++digits > kMaxArcDigits) return 0;
      arc = arc * 10 + static_cast<uint64_t>(c - '0');
      if (arc > UINT32_MAX) return 0;
      continue;
    }
    if (c != '.' && c != '\0') return 0;
    if (count == kMaxTextArcs) return 0;
    arcs[count++] = static_cast<uint32_t>(arc);
    arc = 0;
    digits = 0;
    if (c == '\0') break;
  }
  if (count < 2 || arcs[0] >= 3 || arcs[1] >= 40) return 0;
  auto* heap = static_cast<uint32_t*>(SnmpMemAlloc(count * sizeof(uint32_t)));
  if (heap == nullptr) return 0;
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
