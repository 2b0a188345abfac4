#include "printer_comm/printer_queries.h"

#include <cstring>

#include "platform/last_error.h"
#include "printer_comm/snmp_oid.h"

namespace psui {

#define PSUI_MAKER ".1.3.6.1.4.1.32473"
static_assert(kMakerEnterpriseNumber == 32473, "PSUI_MAKER spells the enterprise number");

OptionQuery kInstalledOptionQueries[kInstalledOptionCount + 1] = {
    {PSUI_MAKER ".2.1.3.1.0", nullptr, 0, -1, -1},
    {PSUI_MAKER ".1.1.1001.0", nullptr, 0, -1, -1},
    {".1.3.6.1.2.1.25.2.3.1.4.2", nullptr, 2, -1, -1},  // hrStorageAllocationUnits
    {PSUI_MAKER ".1.1.1011.0", nullptr, 0, -1, -1},
    {".1.3.6.1.2.1.43.13.4.1.2.1.2", nullptr, 2, -1, -1},  // prtMediaPathMaxSpeedPrintUnit
    {PSUI_MAKER ".1.304.1015.0", nullptr, 0, -1, -1},
    {PSUI_MAKER ".1.304.1010.0", nullptr, 0, -1, -1},
    {".1.3.6.1.2.1.43.8.2.1.2.1.2", nullptr, 3, -1, -1},  // prtInputType, input 3
    {".1.3.6.1.2.1.43.8.2.1.2.1.2", nullptr, 4, -1, -1},  // input 4
    {".1.3.6.1.2.1.43.8.2.1.2.1.2", nullptr, 5, -1, -1},  // input 5
    {PSUI_MAKER ".2.1.1.4.1.5", nullptr, 0, -1, -1},
    {nullptr, nullptr, 0, -1, -1},
};

const OptionQuery kSupplyColumns[kSupplyColumnCount + 1] = {
    {".1.3.6.1.2.1.43.11.1.1.6.1.0", nullptr, 0, -1, -1},  // prtMarkerSuppliesDescription
    {".1.3.6.1.2.1.43.11.1.1.9.1.0", nullptr, 0, -1, -1},  // prtMarkerSuppliesLevel
    {".1.3.6.1.2.1.43.11.1.1.8.1.0", nullptr, 0, -1, -1},  // prtMarkerSuppliesMaxCapacity
    {".1.3.6.1.2.1.43.11.1.1.7.1.0", nullptr, 0, -1, -1},  // prtMarkerSuppliesSupplyUnit
    {".1.3.6.1.2.1.43.11.1.1.5.1.0", nullptr, 0, -1, -1},  // prtMarkerSuppliesType
    {nullptr, nullptr, 0, -1, -1},
};

#undef PSUI_MAKER

namespace {

void SetCode(int32_t code) { platform::SetLastErrorValue(static_cast<uint32_t>(code)); }

// The reason of a failure just caught, read before any clean-up can change
// the thread's last-error value. A failure must never look like success.
int32_t CaptureFailure() {
  int32_t code = static_cast<int32_t>(platform::GetLastErrorValue());
  return code != 0 ? code : kSnmpGeneralFailure;
}

char* CopyText(const char* text) {
  if (text == nullptr) text = "";
  size_t size = std::strlen(text) + 1;
  auto* copy = static_cast<char*>(SnmpMemAlloc(size));
  if (copy != nullptr) std::memcpy(copy, text, size);
  return copy;
}

// The frame both drivers share: private copies of the texts, one session and
// a one-entry list for the run, all released whatever happens.
template <typename Loop>
int32_t RunQuery(const char* community, const char* address, Loop loop) {
  int32_t result = 0;
  SnmpSession* session = nullptr;
  VarBindList list{nullptr, 0};
  char* addressCopy = CopyText(address);
  char* communityCopy = CopyText(community);
  if (addressCopy == nullptr || communityCopy == nullptr) {
    result = kSnmpNoMemory;
  } else if ((session = SnmpMgrOpen(addressCopy, communityCopy, 1000, 1)) == nullptr) {
    result = CaptureFailure();
  } else if ((list.list = static_cast<VarBind*>(SnmpMemAlloc(sizeof(VarBind)))) == nullptr) {
    result = kSnmpNoMemory;
  } else {
    list.len = 1;
    list.list[0].value.type = kTagNull;  // the rest is zeroed by the allocator
    result = loop(session, &list);
  }
  SnmpSessionClose(session);
  SnmpMemFree(addressCopy);
  SnmpMemFree(communityCopy);
  VarBindListFree(&list);
  if (result != 0) SetCode(result);
  return result;
}

bool AnswerWithoutError(int32_t errorStatus, int32_t errorIndex) {
  return errorStatus == 0 && errorIndex == 0;
}

void CopyField(char (&field)[kSnmpTextSize], const char (&text)[kSnmpTextSize]) {
  std::memcpy(field, text, kSnmpTextSize);
  field[kSnmpTextSize - 1] = '\0';
}

// Which SupplyRow field a column fills: its position among the list's first
// kSupplyColumnCount entries, found by OID text; kSupplyColumnCount for none.
size_t ColumnPosition(const OptionQuery* columns, const char* oidText) {
  for (size_t i = 0; i < kSupplyColumnCount && columns[i].oidText != nullptr; ++i) {
    if (std::strcmp(columns[i].oidText, oidText) == 0) return i;
  }
  return kSupplyColumnCount;
}

void StoreAnswer(SupplyRow& row, size_t position, const VarBindList& list, int32_t errorStatus,
                 int32_t errorIndex) {
  char text[kSnmpTextSize];
  switch (position) {
    case 0:
      if (VarBindText(list, errorStatus, errorIndex, text)) CopyField(row.description, text);
      break;
    case 1: row.level = VarBindInteger(list, errorStatus, errorIndex); break;
    case 2: row.maxCapacity = VarBindInteger(list, errorStatus, errorIndex); break;
    case 3:
      if (VarBindText(list, errorStatus, errorIndex, text)) CopyField(row.unitText, text);
      break;
    case 4: row.type = VarBindInteger(list, errorStatus, errorIndex); break;
    default: break;
  }
}

}  // namespace

int32_t SnmpGetIndexed(SnmpSession* session, VarBindList* list, int32_t index,
                       const char* oidText, int32_t* errorStatus, int32_t* errorIndex) {
  if (list == nullptr || list->list == nullptr || list->len == 0) {
    SetCode(kSnmpInvalidArgument);
    return kSnmpInvalidArgument;
  }
  VarBind& bind = list->list[0];
  VarBindFree(&bind);
  if (!SnmpMgrStrToOid(oidText, &bind.name)) return CaptureFailure();
  bind.name.arcs[bind.name.count - 1] = static_cast<uint32_t>(index);
  if (!SnmpMgrRequest(session, kPduGetRequest, list, errorStatus, errorIndex)) {
    return CaptureFailure();
  }
  return 0;
}

int32_t VarBindInteger(const VarBindList& list, int32_t errorStatus, int32_t errorIndex) {
  if (list.list == nullptr || list.len == 0 || !AnswerWithoutError(errorStatus, errorIndex)) {
    return -1;
  }
  const SnmpValue& value = list.list[0].value;
  return IsIntegerType(value.type) ? value.number : -1;
}

bool VarBindText(const VarBindList& list, int32_t errorStatus, int32_t errorIndex,
                 char (&text)[kSnmpTextSize]) {
  std::memset(text, 0, sizeof text);
  if (list.list == nullptr || list.len == 0 || !AnswerWithoutError(errorStatus, errorIndex)) {
    return false;
  }
  const SnmpValue& value = list.list[0].value;
  if (value.type != kTagOctetString && value.type != kTagSequence &&
      value.type != kTagIpAddress && value.type != kTagOpaque) {
    return false;
  }
  uint32_t length = value.string.length < kSnmpTextSize - 1 ? value.string.length
                                                           : static_cast<uint32_t>(kSnmpTextSize - 1);
  if (length > 0 && value.string.bytes != nullptr) std::memcpy(text, value.string.bytes, length);
  return true;
}

int32_t QueryInstalledOptions(const char* community, const char* address, OptionQuery* list) {
  if (list == nullptr) {
    SetCode(kSnmpInvalidArgument);
    return kSnmpInvalidArgument;
  }
  // Only a plain INTEGER counts: a Counter, Gauge or TimeTicks here means
  // the agent does not know the object as the printer's.
  auto integerOnly = [](const VarBindList& bindings, int32_t status, int32_t index) {
    const SnmpValue& value = bindings.list[0].value;
    return AnswerWithoutError(status, index) && value.type == kTagInteger ? value.number : -1;
  };
  // The results are reset once the session is open: a run that cannot even
  // open one leaves the previous results as they were.
  return RunQuery(community, address, [&](SnmpSession* session, VarBindList* bindings) {
    for (OptionQuery* entry = list; entry->oidText != nullptr; ++entry) {
      entry->value = -1;
      entry->secondValue = -1;
    }
    for (OptionQuery* entry = list; entry->oidText != nullptr; ++entry) {
      int32_t status = 0, index = 0;
      int32_t rc = SnmpGetIndexed(session, bindings, entry->index, entry->oidText, &status, &index);
      if (rc != 0) return rc;
      entry->value = integerOnly(*bindings, status, index);
      if (entry->value >= 0 && entry->secondOidText != nullptr) {
        rc = SnmpGetIndexed(session, bindings, entry->index, entry->secondOidText, &status, &index);
        if (rc != 0) return rc;
        entry->secondValue = integerOnly(*bindings, status, index);
        if (entry->secondValue < 0) entry->value = -1;
      } else {
        entry->secondValue = -1;
      }
    }
    return 0;
  });
}

int32_t QuerySupplyTable(const char* community, const char* address, const OptionQuery* columns,
                         SupplyRow (&rows)[kSupplyRowCount]) {
  if (columns == nullptr) {
    SetCode(kSnmpInvalidArgument);
    return kSnmpInvalidArgument;
  }
  return RunQuery(community, address, [&](SnmpSession* session, VarBindList* bindings) {
    std::memset(rows, 0, sizeof rows);
    for (const OptionQuery* column = columns; column->oidText != nullptr; ++column) {
      size_t position = ColumnPosition(columns, column->oidText);
      // Tables often number their rows in ranges (per colour, per unit):
      // after the first error jump to 51, after the next to 101.
      const int32_t jumps[] = {51, 101};
      size_t jumpsUsed = 0;
      size_t row = 0;
      int32_t index = 1;
      while (row < kSupplyRowCount) {
        int32_t status = 0, errorIndex = 0;
        int32_t rc = SnmpGetIndexed(session, bindings, index, column->oidText, &status, &errorIndex);
        if (rc != 0) return rc;
        if (status != 0) {
          if (jumpsUsed == 2) break;
          index = jumps[jumpsUsed++];
          continue;
        }
        StoreAnswer(rows[row], position, *bindings, status, errorIndex);
        ++row;
        ++index;
      }
    }
    return 0;
  });
}

}  // namespace psui
