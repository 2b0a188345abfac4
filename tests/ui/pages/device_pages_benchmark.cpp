// Figures, not a test: how long the device pages keep the user waiting for
// the printer, as the median of five runs under Wine.
//   - the refresh's two query drivers alone (what the printer costs);
//   - a Consumables refresh ("Aggiorna": the query and the display);
//   - the Settings page's first showing (its check of the printer included):
//     the page's own work, and the whole change of page with the creation of
//     the template's controls;
// each against snmpd "full" and "supplies", a silent printer and no address.
// Targets: under 100 ms with snmpd, under 5 ms without an address, about
// 2 s (never above 2.5 s) with a silent printer.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "pages/about_page.h"
#include "pages/consumables_page.h"
#include "pages/settings_page.h"
#include "tests/ui/harness/test_sheet.h"
#include "tests/ui/harness/ui_actions.h"
#include "tests/ui/pages/device_page_test_util.h"

namespace psui {
namespace {

constexpr int kRuns = 5;

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Median milliseconds of kRuns runs of `step`; `prepare` runs untimed before each.
double Median(const std::function<void()>& prepare, const std::function<void()>& step) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    prepare();
    double start = Now();
    step();
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

struct Printer {
  const char* label;
  const char* address;  // empty: none known
};

// The two query drivers alone, as a refresh runs them: what the printer and
// the SNMP exchange cost, apart from the page.
double QueriesAlone(const Printer& printer) {
  test::DeviceApp device;
  SetFieldText(device.record().printerAddress, printer.address);
  SupplyRow rows[kSupplyRowCount];
  return Median([] {}, [&] {
    QuerySupplies(device.record(), device.app.optionQueries, device.app.supplyColumns, rows);
  });
}

// "Aggiorna" as the page handles it: the query and the setting of the
// controls; the painting that follows is left out of the time.
double ConsumablesRefresh(const Printer& printer) {
  test::DeviceApp device;
  SetFieldText(device.record().printerAddress, printer.address);
  CConsumables page;
  test::TestSheet sheet({&page});  // showing the page refreshes once
  HWND window = sheet.CurrentPage();
  HWND refresh = GetDlgItem(window, IDC_CONSUMABLES_REFRESH);
  return Median(test::PumpMessages, [&] {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_CONSUMABLES_REFRESH, BN_CLICKED),
                 reinterpret_cast<LPARAM>(refresh));
  });
}

// The page's own work at its first showing: initialisation (with its check
// of the printer) and activation.
class TimedSettings : public CSettings {
 public:
  double workMs = 0;

 protected:
  bool OnInitDialog() override { return Timed([this] { return CSettings::OnInitDialog(); }); }
  bool OnSetActive() override { return Timed([this] { return CSettings::OnSetActive(); }); }

 private:
  bool Timed(const std::function<bool()>& handler) {
    double start = Now();
    bool result = handler();
    workMs += Now() - start;
    return result;
  }
};

struct SettingsFigures {
  double work;   // median of the page's own work
  double whole;  // median of the whole change of page, the template's controls created
};

SettingsFigures SettingsFirstShowing(const Printer& printer) {
  test::DeviceApp device;
  SetFieldText(device.record().printerAddress, printer.address);
  CAbout first;
  std::unique_ptr<TimedSettings> page;
  std::unique_ptr<test::TestSheet> sheet;
  std::vector<double> work;
  double whole = Median(
      [&] {
        if (page) work.push_back(page->workMs);
        sheet.reset();
        page = std::make_unique<TimedSettings>();
        sheet = std::make_unique<test::TestSheet>(std::vector<PropertyPage*>{&first, page.get()});
      },
      [&] { sheet->SelectPage(1); });
  work.push_back(page->workMs);
  sheet.reset();
  std::sort(work.begin(), work.end());
  return {work[work.size() / 2], whole};
}

}  // namespace
}  // namespace psui

int main() {
  using namespace psui;
  const Printer printers[] = {
      {"snmpd \"full\"", test::kFullAgent},
      {"snmpd \"supplies\"", test::kSuppliesAgent},
      {"silent printer", test::kSilentPrinter},
      {"no address", ""},
  };
  std::printf("device pages, median of %d runs under Wine (ms)\n", kRuns);
  std::printf("%-20s %12s %12s %28s\n", "printer", "queries", "Consumables", "Settings first showing");
  std::printf("%-20s %12s %12s %14s %13s\n", "", "alone", "refresh", "page's work", "with template");
  for (const Printer& printer : printers) {
    double queries = QueriesAlone(printer);
    double refresh = ConsumablesRefresh(printer);
    SettingsFigures showing = SettingsFirstShowing(printer);
    std::printf("%-20s %12.1f %12.1f %14.1f %13.1f\n", printer.label, queries, refresh, showing.work,
                showing.whole);
  }
  std::printf("targets: under 100 with snmpd, under 5 without an address, about 2000 (at most 2500) silent\n");
  return 0;
}
