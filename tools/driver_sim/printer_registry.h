// What the driver's installation leaves in the registry for psui to find
// the printer: the printer's port, and the port monitor's address entry.
#pragma once

#include <string>

namespace psui {

// Writes "Port" of the printer's key (and, with an address, "IPAddress" of
// the monitor's port key); with an empty port deletes the printer's "Port"
// value so that no address is left from an earlier run. False on a
// registry failure.
bool SeedPrinterRegistry(const std::string& printerName, const std::string& port,
                         const std::string& address);

}  // namespace psui
