// Finding the printer's network address from its port, through the port
// monitors' entries in the registry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace psui {

constexpr size_t kPrinterAddressSize = 16;  // SettingsBlock::printerAddress
constexpr size_t kPortNameSize = 32;        // SettingsBlock::portName
constexpr size_t kAddressValueSize = 64;    // what a monitor's address value may hold

// Reads the printer's "Port" value into `portName` and then the address
// value of the first port-monitor key that opens for that port. Returns 0
// or a registry error code; the address is left empty on every failure,
// including an address too long for its field (kRegMoreData). The port name
// is only written when the "Port" value was read.
uint32_t DiscoverPrinterAddress(std::string_view printerName,
                                char (&address)[kPrinterAddressSize],
                                char (&portName)[kPortNameSize]);

}  // namespace psui
