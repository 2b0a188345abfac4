// Figures, not a test: how long the Overlay and Fonts pages and the
// watermark dialog take to show themselves on the real registry.
//   overlay_fonts_benchmark
// Prints the number of TrueType families the system offers and the median
// of eleven runs of: the Fonts page's activation, the watermark dialog's
// opening (from the click on "Aggiungi" until it is shown and activated),
// and the Overlay page's activation with 200 stored watermark profiles.
// Fails only when a run itself fails.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "pages/watermark_profiles.h"
#include "resources/resource.h"
#include "tests/ui/harness/page_fixture.h"
#include "tests/ui/harness/ui_actions.h"
#include "ui/font_families.h"

namespace psui {
namespace {

constexpr int kRuns = 11;
constexpr int kProfiles = 200;

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// When the watermark dialog was activated, that is shown ready for input.
double shown_at = 0;

LRESULT CALLBACK NoteActivation(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && shown_at == 0) {
    char caption[32] = {};
    GetWindowTextA(reinterpret_cast<HWND>(wparam), caption, sizeof caption);
    if (std::string(caption) == "Filigrana") shown_at = Now();
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void StoreProfiles(SettingsBlock record) {
  for (int n = 0; n < kProfiles; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "Filigrana %03d", n);
    SetFieldText(record.watermarkName, name);
    SaveWatermarkProfile(record);
  }
}

// The median time of `runs` activations of a page, each after the About page.
double ActivationTime(test::PageFixture& fixture, int dialogId, bool* failed) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    if (!fixture.ShowPage(IDD_ABOUT)) *failed = true;
    const double start = Now();
    if (!fixture.ShowPage(dialogId)) *failed = true;
    times.push_back(Now() - start);
  }
  return Median(times);
}

int Run() {
  test::PageFixture fixture;
  SettingsBlock& record = fixture.record();
  if (!fixture.UsePpdFile(test::PageFixture::SourceFile("samples/psui-color.ppd"))) {
    std::printf("the sample PPD did not compile\n");
    return 1;
  }
  record.hardDiskInstalled = 1;
  record.colorDevice = 1;
  record.complexOverlayFirst = 1;
  record.complexOverlayCycle = 1;
  record.fontSubstitution = 1;
  ChooseNoWatermark(record);
  ResetWatermarkDefaults(record, kWatermarkModeNone);
  StoreProfiles(record);

  HDC screen = GetDC(nullptr);
  const size_t families = TrueTypeFamilies(screen).size();
  ReleaseDC(nullptr, screen);
  std::printf("TrueType families of the system: %zu\n", families);
  fixture.OpenSheet({IDD_ABOUT, IDD_OVERLAY, IDD_FONTS});
  bool failed = false;
  const double fonts = ActivationTime(fixture, IDD_FONTS, &failed);
  std::printf("Fonts page activation: %8.2f ms (median of %d)\n", fonts, kRuns);

  const double overlay = ActivationTime(fixture, IDD_OVERLAY, &failed);
  HWND page = fixture.PageWindow(IDD_OVERLAY);
  const int entries = static_cast<int>(SendDlgItemMessageA(page, IDC_OVERLAY_WATERMARK, CB_GETCOUNT, 0, 0));
  if (entries != 7 + kProfiles) {
    std::printf("the watermark list holds %d entries, expected %d\n", entries, 7 + kProfiles);
    failed = true;
  }
  std::printf("Overlay page activation, %d stored profiles: %8.2f ms (median of %d)\n", kProfiles, overlay,
              kRuns);

  std::vector<double> openings;
  HHOOK hook = SetWindowsHookExA(WH_CBT, NoteActivation, nullptr, GetCurrentThreadId());
  for (int run = 0; run < kRuns; ++run) {
    shown_at = 0;
    fixture.responder.ExpectDialog("Filigrana", [&](HWND dialog) {
      if (!test::Click(dialog, IDCANCEL)) failed = true;
    });
    const double start = Now();
    if (!test::Click(page, IDC_OVERLAY_ADD_WATERMARK) || shown_at == 0) failed = true;
    openings.push_back(shown_at - start);
  }
  UnhookWindowsHookEx(hook);
  std::printf("Watermark dialog opening: %8.2f ms (median of %d)\n", Median(openings), kRuns);
  return failed ? 1 : 0;
}

}  // namespace
}  // namespace psui

int main() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  return psui::Run();
}
