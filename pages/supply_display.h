// What the Consumables page shows for the supply rows of one walk: the
// title, the section header and, for each of the twelve display slots, its
// texts, which of its four controls are visible and where its bar stands.
// Also the query step that refreshes the rows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/settings_block.h"
#include "printer_comm/printer_queries.h"

namespace psui {

constexpr size_t kSupplySlotCount = 12;
// Only the first rows of a walk are ever shown.
constexpr size_t kExaminedSupplyRows = 9;
// Title line: its text and the printer's name, at most this many bytes.
constexpr size_t kSupplyTitleLength = 127;

// Printer MIB supply types that the page shows.
constexpr int32_t kSupplyOther = 1;
constexpr int32_t kSupplyToner = 3;
constexpr int32_t kSupplyWasteToner = 4;
constexpr int32_t kSupplyPhotoconductor = 9;
// Levels and capacities the agent reports instead of a number.
constexpr int32_t kSupplyUnknown = -1;     // neither shown as a toner nor as a print unit
constexpr int32_t kSupplyStatusOnly = -2;  // a toner with a status word instead of a bar
constexpr int32_t kSupplyRemains = -3;     // level: some remains ("Pronto")

// The page's texts, from its string table.
struct SupplyTexts {
  std::string title;          // followed directly by the printer's name
  std::string tonerHeader;    // "Toner: "
  std::string printUnit;      // header, or the sub-header slot's name
  std::string unavailable;    // header when no supply can be shown
  std::string full;           // status word for level 0
  std::string nearlyFull;     // level 1
  std::string ready;          // level kSupplyRemains
};

struct SupplySlot {
  bool used = false;
  std::string name;
  bool valueShown = false;
  std::string valueText;  // the status word; set only when shown
  bool barShown = false;
  int32_t barMaximum = 0;  // the bar's range is 0 to barMaximum
  int32_t barPosition = 0;
  bool levelShown = false;
  std::string levelText;  // set only when shown
};

struct SupplyDisplay {
  std::string title;
  bool titleShown = true;
  std::string header;
  std::array<SupplySlot, kSupplySlotCount> slots;
};

bool IsTonerRow(const SupplyRow& row);
bool IsPrintUnitRow(const SupplyRow& row);

// The display of one walk's rows: the toner rows, then (after a sub-header
// slot when toner rows came first) the print-unit rows, each in row order in
// the next free slot; "not available" without either.
SupplyDisplay PlanSupplyDisplay(const SupplyRow (&rows)[kSupplyRowCount], std::string_view printerName,
                                const SupplyTexts& texts);

// The refresh's query step: with no cached address, the address found from
// the printer's port is cached in printerAddress; then, with a community and
// an address, the installed options are asked again and the supply table is
// read into `rows`. Without either no request goes out and the rows keep
// what they hold. True when the printer was asked.
bool QuerySupplies(SettingsBlock& record, OptionQuery* queries, const OptionQuery* columns,
                   SupplyRow (&rows)[kSupplyRowCount]);

}  // namespace psui
