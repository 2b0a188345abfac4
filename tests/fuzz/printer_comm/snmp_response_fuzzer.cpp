// Feeds each input as the datagram that answers a GetRequest (request-id
// 257, community "public"), then decodes its value the way the drivers do.
// The first byte also picks the community, so that short and empty ones
// are exercised too.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "printer_comm/printer_queries.h"
#include "printer_comm/snmp_message.h"
#include "printer_comm/snmp_oid.h"

using namespace psui;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* const kCommunities[] = {"public", "", "p", "a-much-longer-community-name"};
  const char* community = kCommunities[size > 0 ? data[0] % 4 : 0];
  // An exact-size copy, so that any read past the datagram is caught.
  uint8_t* datagram = new uint8_t[size == 0 ? 1 : size];
  if (size > 0) std::memcpy(datagram, data, size);

  VarBind bind{};
  bind.value.type = kTagNull;
  VarBindList list{&bind, 1};
  int32_t status = 0, index = 0;
  int32_t rc = DecodeGetResponse(datagram, size, community, 257, bind, &status, &index);
  if (rc == 0) {
    char text[kSnmpTextSize];
    VarBindInteger(list, status, index);
    VarBindText(list, status, index, text);
    if (bind.value.type == kTagObjectId) ObjectIdText(bind.value.oid);
  }
  VarBindFree(&bind);

  // The same bytes as OID text.
  std::string oidText(reinterpret_cast<const char*>(data), size);
  ObjectId id{};
  if (SnmpMgrStrToOid(oidText.c_str(), &id)) {
    if (ObjectIdText(id).empty()) __builtin_trap();
    SnmpMemFree(id.arcs);
  }
  delete[] datagram;
  return 0;
}
