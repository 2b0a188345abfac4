// Runs the three colour dialogs for real, one inside the other, and saves a
// picture of each:
//   color_gallery.exe PPD_FILE OUTPUT_DIR
// writes OUTPUT_DIR/color-1-202.bmp, color-2-206.bmp and color-3-212.bmp.
// The application holds the PPD and a record with the hard disk installed;
// the printer's colour stores are seeded with a few profiles and
// registrations for the pictures and removed again at the end. A timer
// inside the dialogs' own modal loops takes each picture and presses the
// button that opens the next dialog, then closes them all with Cancel.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/application.h"
#include "color/advanced_color_dialog.h"
#include "color/color_profile_store.h"
#include "color/resident_profiles.h"
#include "platform/registry.h"
#include "tests/core/color/printer_keys.h"
#include "tests/ui/resources/window_picture.h"

namespace {

using psui::SettingsBlock;

std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

void Seed(SettingsBlock& record) {
  const struct {
    int kind;
    const char* description;
    const char* fileName;
    int location;
  } registrations[] = {
      {108, "sRGB IEC61966-2.1", "SRGB.ICC", 0},   {108, "Adobe RGB (1998)", "ADOBERGB.ICC", 1},
      {122, "Euroscale patinata", "EUROSC.ICC", 0}, {122, "SWOP non patinata", "SWOP.ICC", 1},
      {143, "Carta lucida", "LUCIDA.ICC", 1},       {143, "Carta riciclata", "RICICL.ICC", 0},
  };
  for (const auto& entry : registrations) {
    psui::ResidentProfile profile;
    profile.description = entry.description;
    profile.fileName = entry.fileName;
    profile.location = entry.location;
    psui::AddResidentProfile(record, profile, entry.kind);
  }
  // Two stored profiles; the first is the configuration in force.
  const SettingsBlock kept = record;
  const struct {
    const char* name;
    const char* simulation;
    int graphicsHalftone;
  } profiles[] = {{"Ufficio", "Euroscale patinata", 2}, {"Brochure clienti", "Nessuno", 0}};
  for (const auto& entry : profiles) {
    record.colorPreset = 1;
    psui::ApplyBuiltInColorConfig(record);
    record.colorPreset = 0;
    psui::SetFieldText(record.colorProfileName, entry.name);
    record.graphicsHalftone = static_cast<int16_t>(entry.graphicsHalftone);
    psui::SetFieldText(record.simulationProfileName, entry.simulation);
    psui::SaveColorProfile(record);
  }
  record = kept;
}

// The steps the timer takes, one per tick, on the active dialog.
struct Step {
  const char* picture;  // null: no picture
  int button;           // pressed afterwards
};
const Step kSteps[] = {
    {"color-1-202", IDC_ADVCOLOR_MODIFY},
    {"color-2-206", IDC_DETCOLOR_DESTINATION_MANAGE},
    {"color-3-212", IDOK},
    {nullptr, IDCANCEL},  // 206
    {nullptr, IDCANCEL},  // 202
};
size_t next_step = 0;
std::string output_dir;
int failures = 0;

void CALLBACK OnTick(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND active = GetActiveWindow();
  if (!active || next_step >= sizeof kSteps / sizeof kSteps[0]) return;
  const Step& step = kSteps[next_step++];
  if (step.picture) {
    const std::string path = output_dir + "\\" + step.picture + ".bmp";
    if (psui::test::SaveWindowPicture(active, path)) {
      std::printf("%s\n", path.c_str());
    } else {
      std::fprintf(stderr, "color_gallery: could not write %s\n", path.c_str());
      ++failures;
    }
  }
  // Posted, so that the next dialog's modal loop runs outside this tick.
  PostMessageA(active, WM_COMMAND, MAKEWPARAM(step.button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(active, step.button)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: color_gallery PPD_FILE OUTPUT_DIR\n");
    return 2;
  }
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  output_dir = WindowsPath(argv[2]);

  psui::Application app;
  std::memset(&app.settings, 0, sizeof app.settings);
  SettingsBlock& record = app.settings;
  psui::test::ScopedPrinterKeys keys(record, "PSUI Galleria Colore");
  record.hardDiskInstalled = 1;
  record.colorDevice = 1;
  app.ppdImage = psui::PpdLoadImage(WindowsPath(argv[1]).c_str());
  if (!app.ppdImage) {
    std::fprintf(stderr, "color_gallery: %s does not compile\n", argv[1]);
    return 1;
  }
  Seed(record);
  psui::SetFieldText(record.colorProfileName, "Ufficio");
  record.colorPreset = 0;

  const UINT_PTR timer = SetTimer(nullptr, 0, 600, OnTick);
  psui::RunAdvancedColorOptions(nullptr);
  KillTimer(nullptr, timer);
  if (next_step != sizeof kSteps / sizeof kSteps[0]) {
    std::fprintf(stderr, "color_gallery: stopped after step %zu\n", next_step);
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}
