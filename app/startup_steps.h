// The window-free steps of start-up: the PPD path and the printer check.
#pragma once

#include <string>

#include "exchange/settings_block.h"
#include "printer_comm/printer_queries.h"

namespace psui {

// driverFileName with its last three characters replaced by "ppd" (PRN.DRV
// becomes PRN.ppd). Empty when the name is shorter than three characters,
// which start-up treats as a PPD that cannot be compiled.
std::string PpdPathFor(const SettingsBlock& record);

// Finds the printer's address from its port (stored into printerAddress and
// portName), asks the printer what is installed when a community and an
// address are known, and returns the outcome: kPrinterAnswered,
// kPrinterQueryFailed, or kPrinterNotQueried (the address is then cleared).
// Does not apply the answer.
int CheckPrinter(SettingsBlock& record, OptionQuery* queries);

}  // namespace psui
