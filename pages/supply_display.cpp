#include "pages/supply_display.h"

#include <cstring>

#include "printer_comm/printer_address.h"

namespace psui {

namespace {

std::string_view RowText(const char (&text)[kSnmpTextSize]) {
  const void* end = std::memchr(text, '\0', kSnmpTextSize);
  return {text, end ? static_cast<size_t>(static_cast<const char*>(end) - text) : kSnmpTextSize};
}

const std::string& StatusWord(int32_t level, const SupplyTexts& texts) {
  static const std::string kNone;
  switch (level) {
    case 0: return texts.full;
    case 1: return texts.nearlyFull;
    case kSupplyRemains: return texts.ready;
    default: return kNone;
  }
}

// A bar and its level text. With a capacity the bar runs to it and the text
// is the level's share of it; without one the level counts as a share of 100.
// A level the agent gives as a negative code has no position and no text.
void ShowLevel(SupplySlot& slot, const SupplyRow& row) {
  const bool has_capacity = row.maxCapacity > 0;
  slot.barShown = true;
  slot.levelShown = true;
  slot.barMaximum = has_capacity ? row.maxCapacity : 100;
  if (row.level < 0) {
    slot.barPosition = 0;
    slot.levelText.clear();
    return;
  }
  slot.barPosition = row.level;
  const int64_t percent = has_capacity ? int64_t{row.level} * 100 / row.maxCapacity : row.level;
  slot.levelText = std::to_string(percent) + "%";
}

void ShowToner(SupplySlot& slot, const SupplyRow& row, const SupplyTexts& texts) {
  slot.used = true;
  slot.name = std::string(RowText(row.description));
  if (row.maxCapacity == kSupplyStatusOnly) {
    slot.valueShown = true;
    slot.valueText = StatusWord(row.level, texts);
    return;
  }
  ShowLevel(slot, row);
}

void ShowPrintUnit(SupplySlot& slot, const SupplyRow& row) {
  slot.used = true;
  slot.name = std::string(RowText(row.description));
  ShowLevel(slot, row);
}

}  // namespace

bool IsTonerRow(const SupplyRow& row) {
  return row.type == kSupplyToner ||
         (row.type == kSupplyWasteToner && row.maxCapacity != kSupplyUnknown && row.level != kSupplyUnknown);
}

bool IsPrintUnitRow(const SupplyRow& row) {
  return row.type == kSupplyPhotoconductor ||
         (row.type == kSupplyOther && row.maxCapacity != kSupplyUnknown && row.level != kSupplyUnknown);
}

SupplyDisplay PlanSupplyDisplay(const SupplyRow (&rows)[kSupplyRowCount], std::string_view printerName,
                                const SupplyTexts& texts) {
  SupplyDisplay display;
  display.title = texts.title;
  display.title.append(printerName);
  if (display.title.size() > kSupplyTitleLength) display.title.resize(kSupplyTitleLength);

  size_t next = 0;
  bool toner_shown = false;
  for (size_t r = 0; r < kExaminedSupplyRows && next < kSupplySlotCount; ++r) {
    if (!IsTonerRow(rows[r])) continue;
    display.header = texts.tonerHeader;
    ShowToner(display.slots[next++], rows[r], texts);
    toner_shown = true;
  }

  bool print_unit_shown = false;
  for (size_t r = 0; r < kExaminedSupplyRows && next < kSupplySlotCount; ++r) {
    if (!IsPrintUnitRow(rows[r])) continue;
    if (!toner_shown) {
      display.header = texts.printUnit;
    } else if (!print_unit_shown) {
      SupplySlot& sub_header = display.slots[next++];
      sub_header.used = true;
      sub_header.name = texts.printUnit;
      if (next == kSupplySlotCount) break;
    }
    ShowPrintUnit(display.slots[next++], rows[r]);
    print_unit_shown = true;
  }

  if (!toner_shown && !print_unit_shown) {
    display.header = texts.unavailable;
    display.titleShown = false;
  }
  return display;
}

bool QuerySupplies(SettingsBlock& record, OptionQuery* queries, const OptionQuery* columns,
                   SupplyRow (&rows)[kSupplyRowCount]) {
  if (FieldIsEmpty(record.printerAddress)) {
    char address[kPrinterAddressSize] = {};
    char port[kPortNameSize] = {};
    DiscoverPrinterAddress(FieldText(record.printerName), address, port);
    if (address[0] != '\0') SetFieldText(record.printerAddress, address);
  }
  if (FieldIsEmpty(record.snmpCommunity) || FieldIsEmpty(record.printerAddress)) return false;
  // Field copies with their NUL: the driver may send a field without one.
  const std::string address(FieldText(record.printerAddress));
  const std::string community(FieldText(record.snmpCommunity));
  // The results are not examined: rows the walk did not reach keep their
  // reset values, which show as nothing.
  QueryInstalledOptions(community.c_str(), address.c_str(), queries);
  QuerySupplyTable(community.c_str(), address.c_str(), columns, rows);
  return true;
}

}  // namespace psui
