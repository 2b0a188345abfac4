#include "platform/registry.h"

namespace psui::platform {

std::string PrinterKeyPath(std::string_view printerName) {
  std::string path = "System\\CurrentControlSet\\Control\\Print\\Printers\\";
  path.append(printerName);
  return path;
}

}  // namespace psui::platform
