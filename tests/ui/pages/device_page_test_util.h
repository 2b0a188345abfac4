// What the Settings and Consumables page tests share: the application with
// a device-mode record and a compiled sample PPD, and the printers they
// talk to.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "app/application.h"

namespace psui::test {

// The device pages' loopback peers under Wine (tests/core/printer_comm).
constexpr char kFullAgent[] = "127.0.0.40";      // snmpd "full"
constexpr char kSuppliesAgent[] = "127.0.0.42";  // snmpd "supplies"
constexpr char kLevelsAgent[] = "127.0.0.110";   // snmpd "levels"
constexpr char kSilentPrinter[] = "127.0.0.111";  // nobody listening

inline std::string SamplePpd(const char* name) {
  return std::string("Z:") + PSUI_SOURCE_DIR + "/samples/" + name;
}

// The application object the pages reach through TheApp().
struct DeviceApp {
  DeviceApp() {
    std::memset(&app.settings, 0, sizeof app.settings);
    app.settings.deviceMode = 1;
    SetFieldText(app.settings.printerName, "Stampante di prova");
    SetFieldText(app.settings.snmpCommunity, "public");
    app.ppdImage = PpdCompile(SamplePpd("psui-color.ppd").c_str());
    app.linkStatus = kPrinterAnswered;
  }
  SettingsBlock& record() { return app.settings; }

  Application app;  // frees the image
};

}  // namespace psui::test
