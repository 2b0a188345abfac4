// Figures, not a test: how long the colour lists take on the real registry.
//   color_benchmark
// Prints the median of five runs of FillColorConfigList with 10, 100 and
// 1000 stored profiles, and of the advanced colour dialog's refresh (a
// choice in its list) with 50 registrations of each of the three kinds.
// Fails only when a run itself fails.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/application.h"
#include "color/advanced_color_dialog.h"
#include "color/color_lists.h"
#include "color/color_profile_store.h"
#include "color/resident_profiles.h"
#include "tests/core/color/printer_keys.h"

namespace psui {
namespace {

constexpr int kRuns = 5;

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::string ProfileName(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "Profilo %04d", n);
  return name;
}

// Stores profiles until there are `count`.
void StoreProfiles(SettingsBlock& record, int from, int count) {
  SettingsBlock copy = record;
  copy.colorPreset = 0;
  for (int n = from; n < count; ++n) {
    SetFieldText(copy.colorProfileName, ProfileName(n));
    SaveColorProfile(copy);
  }
}

// The refresh runs inside the dialog's modal loop: a timer there times it.
std::vector<double> refresh_times;
bool refresh_checked = false;

void CALLBACK TimeRefresh(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HWND dialog = GetActiveWindow();
  HWND list = GetDlgItem(dialog, IDC_ADVCOLOR_CONFIG);
  if (!list) return;
  for (int run = 0; run < 2 * kRuns; ++run) {
    // Alternately "Foto" (position 2) and "Auto" (0): each a selection change.
    SendMessageA(list, CB_SETCURSEL, run % 2 == 0 ? 2 : 0, 0);
    const double start = Now();
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ADVCOLOR_CONFIG, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    refresh_times.push_back(Now() - start);
  }
  char line[128] = {};
  GetDlgItemTextA(dialog, IDC_ADVCOLOR_HALFTONE, line, sizeof line);
  refresh_checked = std::strcmp(line, "Mezzi toni schermo: Auto") == 0 &&
                    SendMessageA(GetDlgItem(dialog, IDC_ADVCOLOR_SIMULATION_LIST), CB_GETCOUNT, 0, 0) == 50;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

int Run() {
  Application app;
  std::memset(&app.settings, 0, sizeof app.settings);
  SettingsBlock& record = app.settings;
  test::ScopedPrinterKeys keys(record, "PSUI Colour Benchmark " + std::to_string(GetCurrentProcessId()));
  record.hardDiskInstalled = 1;
  record.colorPreset = 1;
  SetFieldText(record.colorProfileName, "Auto");
  ApplyBuiltInColorConfig(record);

  HWND holder = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ComboBox list(CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWN, 0, 0, 150, 100, holder, nullptr,
                                GetModuleHandleA(nullptr), nullptr));
  int failures = 0;
  int stored = 0;
  for (int count : {10, 100, 1000}) {
    StoreProfiles(record, stored, count);
    stored = count;
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
      const double start = Now();
      FillColorConfigList(list);
      times.push_back(Now() - start);
    }
    if (list.Count() != 6 + count) {
      std::printf("FillColorConfigList: %d entries, expected %d\n", list.Count(), 6 + count);
      ++failures;
    }
    std::printf("FillColorConfigList, %4d stored profiles: %8.2f ms (median of %d)\n", count, Median(times),
                kRuns);
  }
  DestroyWindow(holder);
  // The dialog's own list then holds the thousand profiles too.
  for (int kind : {kRgbSourceProfileKind, kSimulationProfileKind, kDestinationProfileKind}) {
    for (int n = 0; n < 50; ++n) {
      ResidentProfile profile;
      profile.description = "Registrazione " + std::to_string(kind) + "-" + std::to_string(n);
      profile.fileName = "P" + std::to_string(n) + ".ICC";
      profile.location = n % 2;
      AddResidentProfile(record, profile, kind);
    }
  }
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, TimeRefresh);
  RunAdvancedColorOptions(nullptr);
  KillTimer(nullptr, timer);
  if (refresh_times.empty() || !refresh_checked) {
    std::printf("advanced colour refresh: did not run as expected\n");
    ++failures;
  } else {
    std::printf("Advanced colour refresh, 3 x 50 registrations: %8.2f ms (median of %zu)\n",
                Median(refresh_times), refresh_times.size());
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace psui

int main() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  return psui::Run();
}
