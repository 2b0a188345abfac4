#include "app/startup_steps.h"

#include <cstring>

#include "printer_comm/printer_address.h"

namespace psui {

std::string PpdPathFor(const SettingsBlock& record) {
  std::string path(FieldText(record.driverFileName));
  if (path.size() < 3) return std::string();
  path.replace(path.size() - 3, 3, "ppd");
  return path;
}

int CheckPrinter(SettingsBlock& record, OptionQuery* queries) {
  static_assert(sizeof record.printerAddress == kPrinterAddressSize, "address field");
  static_assert(sizeof record.portName == kPortNameSize, "port field");
  DiscoverPrinterAddress(FieldText(record.printerName), record.printerAddress, record.portName);
  // Texts that arrived without their NUL are used as far as their field goes.
  std::string community(FieldText(record.snmpCommunity));
  std::string address(FieldText(record.printerAddress));
  if (community.empty() || address.empty()) {
    SetFieldText(record.printerAddress, "");
    return kPrinterNotQueried;
  }
  return QueryInstalledOptions(community.c_str(), address.c_str(), queries) == 0 ? kPrinterAnswered
                                                                                  : kPrinterQueryFailed;
}

}  // namespace psui
