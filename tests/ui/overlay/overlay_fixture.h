// What the Overlay page and watermark dialog tests start from: the sample
// colour PPD, a hard disk, no overlays, "Nessuno" in force with its group
// as the page would leave it, and the printer's watermark profiles (under
// its registry key, deleted before and after) written through the store.
#pragma once

#include <string>
#include <vector>

#include "pages/overlay_page.h"
#include "pages/watermark_profiles.h"
#include "resources/resource.h"
#include "tests/ui/harness/page_fixture.h"
#include "tests/ui/harness/ui_actions.h"

namespace psui::test {

constexpr char kWatermarkCaption[] = "Filigrana";
constexpr char kBadFileName[] =
    "Il nome del file overlay deve rispettare le convenzioni di assegnazione dei nomi DOS (8.3).\nReimmetterlo.";
constexpr char kCycleRange[] = "Valore fuori intervallo; deve essere tra 1 e 99";
constexpr char kBadDigits[] = "Voce non valida, i caratteri devo essere cifre";

class OverlayTest : public PageTest {
 protected:
  OverlayTest() {
    EXPECT_TRUE(UsePpdFile(SourceFile("samples/psui-color.ppd")));
    SettingsBlock& r = record();
    r.hardDiskInstalled = 1;
    r.colorDevice = 1;
    r.complexOverlayFirst = 1;
    r.complexOverlayCycle = 1;
    ChooseNoWatermark(r);
    ResetWatermarkDefaults(r, kWatermarkModeNone);
  }

  // The sheet with the Overlay page first and a page to leave it for.
  void Show() {
    OpenSheet({IDD_OVERLAY, IDD_ABOUT});
    page = PageWindow(IDD_OVERLAY);
    ASSERT_NE(page, nullptr);
  }
  COverlay& overlay() const { return PageAs<COverlay>(IDD_OVERLAY); }
  bool LeaveThePage() { return ShowPage(IDD_ABOUT); }
  void ComeBack() { ASSERT_TRUE(ShowPage(IDD_OVERLAY)); }

  // Stores the defaults, changed by `change`, as profile `name`; the record
  // stays as it was.
  template <typename Change>
  void StoreProfile(const std::string& name, Change change) {
    const SettingsBlock kept = record();
    SetFieldText(record().watermarkName, name);
    ResetWatermarkDefaults(record(), kWatermarkModeNone);
    change(record());
    ASSERT_TRUE(SaveWatermarkProfile(record()));
    record() = kept;
  }
  void StoreProfile(const std::string& name) {
    StoreProfile(name, [](SettingsBlock&) {});
  }
  // The stored group of a profile; empty when there is none.
  std::vector<uint8_t> Stored(const std::string& name) {
    platform::RegistryKey key;
    platform::RegistryValue value;
    if (platform::RegistryKey::OpenForReading(platform::RegistryRoot::kLocalMachine,
                                              WatermarkProfileKeyPath(record()), key) != 0 ||
        key.ReadAnyValue(name, value) != 0) {
      return {};
    }
    return value.data;
  }
  void InForce(const std::string& name, int16_t code) {
    SetFieldText(record().watermarkName, name);
    record().watermarkCode = code;
  }
  void SetRow(int row, bool enabled, const std::string& fileName) {
    record().overlays[row - 1].enabled = enabled ? 1 : 0;
    SetFieldText(record().overlays[row - 1].fileName, fileName);
  }

  std::vector<uint8_t> WatermarkGroup() {
    const uint8_t* bytes = GroupBytes(record(), kWatermarkGroup);
    return std::vector<uint8_t>(bytes, bytes + kWatermarkGroup.size);
  }
  std::string Name() { return std::string(FieldText(record().watermarkName)); }
  std::string WatermarkText() { return std::string(FieldText(record().watermarkText)); }
  std::string FileName(int row) { return std::string(FieldText(record().overlays[row - 1].fileName)); }
  size_t Boxes() const { return responder.boxes().size(); }

  HWND page = nullptr;
};

// The entries every watermark list starts with.
inline std::vector<std::string> BuiltInWatermarks() {
  return {"Nessuno", "RISERVATO", "COPIA", "BOZZA", "FINALE", "ORIGINALE", "PROVA"};
}

}  // namespace psui::test
