// Figures, not a test: the time from a received start frame to the sheet on
// the screen, in this process (no Wine process start), and its parts.
//   startup_benchmark [CORPUS_DIR]
// CORPUS_DIR (the extracted PPD corpus of the native build, if any) gives the
// largest real PPD to compile.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/startup_steps.h"
#include "app/sheet_pages.h"

namespace psui {
namespace {

constexpr char kSamplePpd[] = "C:\\psui-e2e\\PSUICLR.ppd";
constexpr char kAgent[] = "127.0.0.40";  // snmpd "full" profile of the Wine tests

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Median milliseconds of `runs` runs of `step`.
double Median(int runs, const std::function<void()>& step) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    double start = Now();
    step();
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void FindLargestPpd(const std::string& folder, std::string* largest, ULONGLONG* size) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      FindLargestPpd(path, largest, size);
    } else if (name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".ppd") == 0) {
      ULONGLONG bytes = (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
      if (bytes > *size) {
        *size = bytes;
        *largest = path;
      }
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

void SeedPort(const char* printer, const char* address) {
  std::string key = std::string("System\\CurrentControlSet\\Control\\Print\\Printers\\") + printer;
  HKEY handle;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr);
  RegSetValueExA(handle, "Port", 0, REG_SZ, reinterpret_cast<const BYTE*>("IP_BENCH"), 9);
  RegCloseKey(handle);
  std::string monitor = "System\\CurrentControlSet\\Control\\Print\\Monitors\\Tiller Port+\\Ports\\IP_BENCH";
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, monitor.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                  nullptr);
  RegSetValueExA(handle, "IPAddress", 0, REG_SZ, reinterpret_cast<const BYTE*>(address),
                 static_cast<DWORD>(strlen(address) + 1));
  RegCloseKey(handle);
}

SettingsBlock BenchRecord(const char* printer, const char* community) {
  SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  record.deviceMode = 1;
  SetFieldText(record.printerName, printer);
  SetFieldText(record.driverFileName, "C:\\psui-e2e\\PSUICLR.DRV");
  SetFieldText(record.snmpCommunity, community);
  return record;
}

double CheckTime(const char* printer, const char* community, int runs) {
  return Median(runs, [&] {
    SettingsBlock record = BenchRecord(printer, community);
    CheckPrinter(record, kInstalledOptionQueries);
  });
}

// Start frame received -> sheet shown: Prepare (compile, check) and the sheet
// up to its first activation, which a CBT hook notes before cancelling it.
double sheet_shown = 0;

LRESULT CALLBACK NoteSheetShown(int code, WPARAM wparam, LPARAM lparam) {
  HWND window = reinterpret_cast<HWND>(wparam);
  if (code == HCBT_ACTIVATE && sheet_shown == 0 && FindWindowExA(window, nullptr, "SysTabControl32", nullptr)) {
    sheet_shown = Now();
    PostMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

double TimeToSheet() {
  sheet_shown = 0;
  HHOOK hook = SetWindowsHookExA(WH_CBT, NoteSheetShown, nullptr, GetCurrentThreadId());
  Application app;
  app.settings = BenchRecord("PSUI Bench Nobody", "public");
  double start = Now();
  if (!app.Prepare()) return -1;
  app.RunSheet(MakeSheetPages);
  UnhookWindowsHookEx(hook);
  PpdFreeImage(app.ppdImage);
  app.ppdImage = nullptr;
  return sheet_shown - start;
}

}  // namespace
}  // namespace psui

int main(int argc, char** argv) {
  using namespace psui;
  setvbuf(stdout, nullptr, _IONBF, 0);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  CreateDirectoryA("C:\\psui-e2e", nullptr);
  std::string sample = std::string("Z:") + PSUI_SOURCE_DIR + "\\samples\\psui-color.ppd";
  std::replace(sample.begin(), sample.end(), '/', '\\');
  if (!CopyFileA(sample.c_str(), kSamplePpd, FALSE)) {
    std::printf("cannot copy %s\n", sample.c_str());
    return 1;
  }

  std::printf("start-up of psui, in process, under Wine (median of several runs)\n");
  std::printf("  compile the sample PPD (PpdCompile):    %8.2f ms\n",
              Median(50, [] { PpdFreeImage(PpdCompile(kSamplePpd)); }));
  if (argc > 1) {
    std::string folder = argv[1];
    std::replace(folder.begin(), folder.end(), '/', '\\');
    if (folder[0] == '\\') folder = "Z:" + folder;
    std::string largest;
    ULONGLONG size = 0;
    FindLargestPpd(folder, &largest, &size);
    if (!largest.empty()) {
      std::printf("  compile the largest corpus PPD:         %8.2f ms (%llu bytes, %s)\n",
                  Median(10, [&] { PpdFreeImage(PpdCompile(largest.c_str())); }), size, largest.c_str());
    } else {
      std::printf("  compile the largest corpus PPD:         no corpus in %s\n", folder.c_str());
    }
  }
  std::printf("  printer check, no printer:              %8.2f ms\n", CheckTime("PSUI Bench Nobody", "public", 20));
  SeedPort("PSUI Bench Silent", kAgent);
  std::printf("  printer check, silent printer:          %8.2f ms\n", CheckTime("PSUI Bench Silent", "secret", 1));
  SeedPort("PSUI Bench Agent", kAgent);
  std::printf("  printer check, snmpd answering:         %8.2f ms\n", CheckTime("PSUI Bench Agent", "public", 10));
  std::vector<double> sheets;
  for (int i = 0; i < 5; ++i) sheets.push_back(TimeToSheet());
  std::sort(sheets.begin(), sheets.end());
  std::printf("  start frame -> sheet shown, no printer: %8.2f ms (target: under 100 ms)\n", sheets[2]);
  return 0;
}
