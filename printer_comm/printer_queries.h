// The two query drivers over the SNMP client: the installed-options list and
// the walk of the printer's marker-supplies table. Each run opens one
// session, uses a one-entry VarBindList and returns 0 or the code of the
// step that failed (never 0 for a failure).
#pragma once

#include <cstddef>
#include <cstdint>

#include "printer_comm/snmp_session.h"
#include "printer_comm/snmp_types.h"

namespace psui {

// The enterprise number under which the maker's private objects live
// (1.3.6.1.4.1.32473, the number set aside for documentation examples).
constexpr uint32_t kMakerEnterpriseNumber = 32473;

// Outcome of a check of the printer: the start-up's (the application's
// linkStatus) and the Settings page's own.
enum LinkStatus { kPrinterAnswered = 1, kPrinterQueryFailed = 2, kPrinterNotQueried = 3 };

// One object to ask; lists end with an entry whose oidText is null.
struct OptionQuery {
  const char* oidText;        // dotted text; its last arc is replaced by index
  const char* secondOidText;  // asked only when the first gave a value; may be null
  int32_t index;
  int32_t value;        // -1 when the printer gave none
  int32_t secondValue;  // -1 when the printer gave none
};

constexpr size_t kInstalledOptionCount = 11;
// Written by QueryInstalledOptions, read by position by the pages.
extern OptionQuery kInstalledOptionQueries[kInstalledOptionCount + 1];

constexpr size_t kSupplyColumnCount = 5;
// Description, level, max capacity, unit, type: the position of a column
// decides the SupplyRow field it fills.
extern const OptionQuery kSupplyColumns[kSupplyColumnCount + 1];

constexpr size_t kSnmpTextSize = 256;
constexpr size_t kSupplyRowCount = 12;

struct SupplyRow {
  char description[kSnmpTextSize];
  int32_t level;
  int32_t maxCapacity;
  char unitText[kSnmpTextSize];  // stays empty when the agent answers with a number
  int32_t type;
};

// One GET of `oidText` with its last arc replaced by `index`, into the list's
// only binding (freed first). Returns 0, or the failure code, which is also
// the thread's last-error value (kSnmpInvalidArgument for bad OID text).
int32_t SnmpGetIndexed(SnmpSession* session, VarBindList* list, int32_t index,
                       const char* oidText, int32_t* errorStatus, int32_t* errorIndex);

// The value when the answer carries no error and an integer type (INTEGER,
// Counter, Gauge, TimeTicks); -1 otherwise.
int32_t VarBindInteger(const VarBindList& list, int32_t errorStatus, int32_t errorIndex);

// Fills `text` (zeroed first) with the value's bytes, cut to 255, when the
// answer carries no error and a byte-string type; false otherwise.
bool VarBindText(const VarBindList& list, int32_t errorStatus, int32_t errorIndex,
                 char (&text)[kSnmpTextSize]);

// Once the session is open, resets every value to -1, then asks each entry
// in order (a run that fails before keeps the previous values). Only INTEGER
// answers count as values.
int32_t QueryInstalledOptions(const char* community, const char* address, OptionQuery* list);

// Once the session is open, resets the rows, then reads each column at indexes 1, 2, ... until the
// agent reports an error, then from 51, then from 101, at most
// kSupplyRowCount rows per column.
int32_t QuerySupplyTable(const char* community, const char* address, const OptionQuery* columns,
                         SupplyRow (&rows)[kSupplyRowCount]);

}  // namespace psui
