#include "printer_comm/printer_address.h"

#include <cstring>
#include <string>

#include "platform/registry.h"

namespace psui {

using platform::RegistryKey;
using platform::RegistryRoot;

namespace {

struct PortMonitor {
  const char* keyPrefix;
  const char* addressValue;
};

// Tried in this order; the first key that opens decides.
constexpr PortMonitor kPortMonitors[] = {
    {"System\\CurrentControlSet\\Control\\Print\\Monitors\\Tiller Port+\\Ports\\", "IPAddress"},
    {"System\\CurrentControlSet\\Control\\Print\\Monitors\\Digital Network Port\\Ports\\",
     "TCP/IP Address"},
    {"System\\CurrentControlSet\\Control\\Print\\Monitors\\Tiller Port\\Ports\\", "IPAddress"},
    {"System\\CurrentControlSet\\Control\\Print\\Monitors\\ZPX Port\\Ports\\", "IPAddress"},
};

void CopyTerminated(char* out, size_t size, const std::string& text) {
  size_t n = text.size() < size - 1 ? text.size() : size - 1;
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

}  // namespace

uint32_t DiscoverPrinterAddress(std::string_view printerName,
                                char (&address)[kPrinterAddressSize],
                                char (&portName)[kPortNameSize]) {
  address[0] = '\0';
  RegistryKey key;
  uint32_t rc = RegistryKey::OpenForReading(RegistryRoot::kLocalMachine,
                                            platform::PrinterKeyPath(printerName), key);
  if (rc != platform::kRegOk) return rc;
  std::string port;
  rc = key.ReadString("Port", kPortNameSize, port);
  key.Close();
  if (rc != platform::kRegOk) return rc;
  CopyTerminated(portName, kPortNameSize, port);

  const PortMonitor* monitor = nullptr;
  for (const PortMonitor& candidate : kPortMonitors) {
    rc = RegistryKey::OpenForReading(RegistryRoot::kLocalMachine,
                                     std::string(candidate.keyPrefix) + port, key);
    if (rc == platform::kRegOk) {
      monitor = &candidate;
      break;
    }
  }
  if (monitor == nullptr) return rc;

  std::string text;
  rc = key.ReadString(monitor->addressValue, kAddressValueSize, text);
  key.Close();
  if (rc != platform::kRegOk) return rc;
  // The record's field holds a dotted IPv4 text; anything longer is not one.
  if (text.size() >= kPrinterAddressSize) return platform::kRegMoreData;
  CopyTerminated(address, kPrinterAddressSize, text);
  return platform::kRegOk;
}

}  // namespace psui
