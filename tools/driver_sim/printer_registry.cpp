#include "tools/driver_sim/printer_registry.h"

#include <windows.h>

#include <cstdio>

namespace psui {

namespace {

constexpr char kPrintersKey[] = "System\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr char kMonitorPortsKey[] = "System\\CurrentControlSet\\Control\\Print\\Monitors\\Tiller Port+\\Ports\\";

bool WriteString(const std::string& path, const char* name, const std::string& value) {
  HKEY key;
  LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &key, nullptr);
  if (status != ERROR_SUCCESS) {
    std::fprintf(stderr, "driver_sim: cannot create %s (%ld)\n", path.c_str(), status);
    return false;
  }
  status = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace

bool SeedPrinterRegistry(const std::string& printerName, const std::string& port,
                         const std::string& address) {
  std::string printer_key = kPrintersKey + printerName;
  if (port.empty()) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, printer_key.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
      RegDeleteValueA(key, "Port");
      RegCloseKey(key);
    }
    return true;
  }
  if (!WriteString(printer_key, "Port", port)) return false;
  if (!address.empty() && !WriteString(kMonitorPortsKey + port, "IPAddress", address)) return false;
  return true;
}

}  // namespace psui
