// snmp_query: the printer queries of psui from the command line.
//   snmp_query get COMMUNITY ADDRESS OID
//   snmp_query options COMMUNITY ADDRESS
//   snmp_query supplies COMMUNITY ADDRESS
// Output is tab-separated; the exit code is 0 when the run returned 0.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/last_error.h"
#include "printer_comm/printer_queries.h"
#include "printer_comm/snmp_oid.h"
#include "printer_comm/snmp_session.h"

namespace psui {
namespace {

// Printable ASCII as it is; every other byte, and the backslash that would
// make the escapes ambiguous, as \xHH.
std::string Escaped(const uint8_t* bytes, size_t length) {
  std::string out;
  char hex[8];
  for (size_t i = 0; i < length; ++i) {
    uint8_t b = bytes[i];
    if (b >= 0x20 && b < 0x7F && b != '\\') {
      out += static_cast<char>(b);
    } else {
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    }
  }
  return out;
}

std::string Escaped(const char* text) {
  return Escaped(reinterpret_cast<const uint8_t*>(text), std::strlen(text));
}

std::string ValueText(const SnmpValue& value) {
  switch (value.type) {
    case kTagInteger: return std::to_string(value.number);
    case kTagCounter:
    case kTagGauge:
    case kTagTimeTicks: return std::to_string(static_cast<uint32_t>(value.number));
    case kTagObjectId: return ObjectIdText(value.oid);
    default: return Escaped(value.string.bytes, value.string.length);
  }
}

int Get(const char* community, const char* address, const char* oidText) {
  ObjectId name{};
  if (!SnmpMgrStrToOid(oidText, &name)) {
    std::fprintf(stderr, "snmp_query: not an OID text: %s\n", oidText);
    return 1;
  }
  VarBind bind{};
  bind.name = name;
  bind.value.type = kTagNull;
  VarBindList list{&bind, 1};
  int32_t result = 0;
  int32_t status = 0, index = 0;
  SnmpSession* session = SnmpMgrOpen(address, community, 1000, 1);
  if (session == nullptr ||
      !SnmpMgrRequest(session, kPduGetRequest, &list, &status, &index)) {
    result = static_cast<int32_t>(platform::GetLastErrorValue());
  }
  SnmpSessionClose(session);
  if (result != 0) {
    std::printf("result\t%d\n", result);
  } else {
    std::printf("%02X\t%s\n", bind.value.type, ValueText(bind.value).c_str());
    std::printf("error-status\t%d\terror-index\t%d\n", status, index);
  }
  VarBindFree(&bind);
  return result == 0 ? 0 : 1;
}

int Options(const char* community, const char* address) {
  int32_t result = QueryInstalledOptions(community, address, kInstalledOptionQueries);
  std::printf("result\t%d\n", result);
  for (size_t i = 0; i < kInstalledOptionCount; ++i) {
    const OptionQuery& entry = kInstalledOptionQueries[i];
    std::printf("%zu\t%s\t%d\t%d\t%d\n", i + 1, entry.oidText, entry.index, entry.value,
                entry.secondValue);
  }
  return result == 0 ? 0 : 1;
}

int Supplies(const char* community, const char* address) {
  static SupplyRow rows[kSupplyRowCount];
  int32_t result = QuerySupplyTable(community, address, kSupplyColumns, rows);
  std::printf("result\t%d\n", result);
  for (const SupplyRow& row : rows) {
    std::printf("%s\t%d\t%d\t%s\t%d\n", Escaped(row.description).c_str(), row.level,
                row.maxCapacity, Escaped(row.unitText).c_str(), row.type);
  }
  return result == 0 ? 0 : 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: snmp_query get COMMUNITY ADDRESS OID\n"
               "       snmp_query options COMMUNITY ADDRESS\n"
               "       snmp_query supplies COMMUNITY ADDRESS\n");
  return 2;
}

}  // namespace
}  // namespace psui

int main(int argc, char** argv) {
  if (argc < 4) return psui::Usage();
  std::string command = argv[1];
  int rc;
  if (command == "get" && argc == 5) {
    rc = psui::Get(argv[2], argv[3], argv[4]);
  } else if (command == "options" && argc == 4) {
    rc = psui::Options(argv[2], argv[3]);
  } else if (command == "supplies" && argc == 4) {
    rc = psui::Supplies(argv[2], argv[3]);
  } else {
    return psui::Usage();
  }
  std::fflush(stdout);
  return rc;
}
