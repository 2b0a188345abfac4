// Figures, not a test: how long the paper pages take on a sample PPD and on
// the real PPDs with the most paper sizes and the most constraints, in this
// process (real templates, real sheet):
//   paper_pages_benchmark SAMPLE_PPD [CORPUS_DIR]
// Paper activation, one paper size choice (the whole cascade below it),
// Layout activation and the start of the advanced paper handling dialog,
// each the median of many runs. CORPUS_DIR is the native build's extracted
// PPD corpus, when there is one.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "pages/advanced_paper_dialog.h"
#include "pages/layout_page.h"
#include "pages/paper_page.h"
#include "tests/ui/harness/test_sheet.h"
#include "tests/ui/harness/ui_actions.h"
#include "tools/ppd_dump/ppd_bench.h"

namespace psui {
namespace {

constexpr int kRuns = 41;

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(const std::function<void(int run)>& step) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    double start = Now();
    step(run);
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Lines of a PPD that start with `keyword`.
int CountStatements(const std::string& text, const char* keyword) {
  int count = 0;
  const size_t length = std::strlen(keyword);
  for (size_t at = 0; (at = text.find(keyword, at)) != std::string::npos; at += length) {
    if (at == 0 || text[at - 1] == '\n' || text[at - 1] == '\r') ++count;
  }
  return count;
}

// Reads a whole file into `text`, reusing its buffer from file to file.
void ReadWholeFile(const std::string& path, std::string* text) {
  text->clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD size = GetFileSize(file, nullptr);
  DWORD read = 0;
  if (size != INVALID_FILE_SIZE) {
    text->resize(size);
    if (!::ReadFile(file, &(*text)[0], size, &read, nullptr)) read = 0;
    text->resize(read);
  }
  CloseHandle(file);
}

struct Candidate {
  std::string path;
  int sizes = -1;
  int constraints = -1;
};

void ScanCorpus(const std::string& folder, Candidate* mostSizes, Candidate* mostConstraints) {
  std::string text;
  for (const std::string& path : FilesBelow(folder, ".ppd")) {
    ReadWholeFile(path, &text);
    Candidate here{path, CountStatements(text, "*PageSize "), CountStatements(text, "*UIConstraints:")};
    if (here.sizes <= 0) continue;  // not a PPD with paper sizes (or no file at all)
    if (here.sizes > mostSizes->sizes) *mostSizes = here;
    if (here.constraints > mostConstraints->constraints) *mostConstraints = here;
  }
}

// Ends each advanced paper handling dialog as soon as it is activated, and
// notes when that was (its WM_INITDIALOG has run by then).
HHOOK g_hook = nullptr;
double g_activated = 0;
LRESULT CALLBACK CancelOnActivate(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE) {
    g_activated = Now();
    PostMessageA(reinterpret_cast<HWND>(wparam), WM_COMMAND, IDCANCEL, 0);
  }
  return CallNextHookEx(g_hook, code, wparam, lparam);
}

INT_PTR CALLBACK PlainDialog(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

void Activate(HWND page) {
  NMHDR header = {GetParent(page), 0, static_cast<UINT>(PSN_SETACTIVE)};
  SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

bool Measure(const char* label, const std::string& path) {
  Application app;
  std::memset(&app.settings, 0, sizeof app.settings);
  SetFieldText(app.settings.printerName, "PSUI Benchmark");
  app.settings.orientation = 1;
  app.settings.duplex = 1;
  app.settings.pagesPerSheet = 1;
  app.settings.paperSize = 9;
  app.settings.inputSlot = 7;
  app.settings.duplexerInstalled = 1;
  app.ppdImage = PpdCompile(path.c_str());
  if (!app.ppdImage) {
    std::printf("%s: %s does not compile\n", label, path.c_str());
    return false;
  }
  CLayout layout;
  CPaper paper;
  test::TestSheet sheet({&layout, &paper});
  sheet.SelectPage(1);
  HWND paper_page = sheet.CurrentPage();
  HWND sizes = GetDlgItem(paper_page, IDC_PAPER_SIZE);
  const int entries = static_cast<int>(SendMessageA(sizes, CB_GETCOUNT, 0, 0));
  const int constraints = app.ppdImage->constraints ? app.ppdImage->constraints->count : 0;

  double paper_activation = Median([&](int) { Activate(paper_page); });
  double size_choice = Median([&](int run) {
    SendMessageA(sizes, CB_SETCURSEL, entries > 1 ? run % entries : 0, 0);
    SendMessageA(paper_page, WM_COMMAND, MAKEWPARAM(IDC_PAPER_SIZE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
  });
  sheet.SelectPage(0);
  HWND layout_page = sheet.CurrentPage();
  double layout_activation = Median([&](int) { Activate(layout_page); });
  g_hook = SetWindowsHookExA(WH_CBT, CancelOnActivate, nullptr, GetCurrentThreadId());
  std::vector<double> to_activation;
  double dialog_start = Median([&](int) {
    AdvancedPaperDialog dialog;
    double start = Now();
    dialog.DoModal(layout_page);
    to_activation.push_back(g_activated - start);
  });
  std::sort(to_activation.begin(), to_activation.end());
  // The same template without any dialog code: what Wine's window creation
  // alone costs.
  std::vector<double> plain;
  Median([&](int) {
    double start = Now();
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ADVANCED_PAPER), layout_page, PlainDialog, 0);
    plain.push_back(g_activated - start);
  });
  std::sort(plain.begin(), plain.end());
  UnhookWindowsHookEx(g_hook);

  std::printf("%s: %s\n", label, path.c_str());
  std::printf("  %d paper sizes listed, %d constraints\n", entries, constraints);
  std::printf("  Paper activation        %8.2f ms\n", paper_activation);
  std::printf("  one paper size choice   %8.2f ms  (target under 50 ms)\n", size_choice);
  std::printf("  Layout activation       %8.2f ms\n", layout_activation);
  std::printf("  dialog 201 start        %8.2f ms  (created and filled, until activated)\n",
              to_activation[to_activation.size() / 2]);
  std::printf("    the bare template       %8.2f ms  (no dialog code: Wine's share)\n", plain[plain.size() / 2]);
  std::printf("  dialog 201 round trip   %8.2f ms  (start, show, cancel, close)\n", dialog_start);
  return true;
}

}  // namespace
}  // namespace psui

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: paper_pages_benchmark SAMPLE_PPD [CORPUS_DIR]\n");
    return 2;
  }
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  std::printf("median of %d runs each\n", psui::kRuns);
  bool ok = psui::Measure("sample", argv[1]);
  if (argc > 2) {
    psui::Candidate most_sizes, most_constraints;
    psui::ScanCorpus(argv[2], &most_sizes, &most_constraints);
    if (most_sizes.path.empty()) {
      std::printf("no corpus under %s: only the sample measured\n", argv[2]);
    } else {
      ok = psui::Measure("most PageSize options", most_sizes.path) && ok;
      ok = psui::Measure("most UIConstraints", most_constraints.path) && ok;
    }
  }
  std::fflush(stdout);
  return ok ? 0 : 1;
}
