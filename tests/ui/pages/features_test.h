// What the Features page tests start from: the application with the sample
// colour PPD, the hard disk installed, the Features page in a sheet, and
// its dialogs run through the page's buttons with a script answering them
// inside their modal loops.
#pragma once

#include <string>
#include <vector>

#include "exchange/settings_block.h"
#include "resources/resource.h"
#include "tests/ui/harness/page_fixture.h"
#include "tests/ui/harness/ui_actions.h"

namespace psui::test {

constexpr char kGraphicsOptions[] = "Opzioni Grafica";
constexpr char kPostScriptOptions[] = "PostScript";
constexpr char kDocumentOptions[] = "Opzioni documento";
constexpr char kDocumentProfiles[] = "Documento Impostazioni Personale";
constexpr char kAdvancedColorOptions[] = "Opzioni avanzate colore";

class FeaturesTest : public PageTest {
 protected:
  FeaturesTest() {
    EXPECT_TRUE(UsePpdFile(SourceFile("samples/psui-color.ppd")));
    SettingsBlock& r = record();
    r.colorDevice = 1;
    r.hardDiskInstalled = 1;
    r.resolution = 2;
    r.resolutionDpi = 600;
    r.colorPreset = 1;
    SetFieldText(r.colorProfileName, "Auto");
    r.copies = 1;
    r.scaling = 100;
    r.pagesPerSheet = 1;
    SetFieldText(r.documentProfileName, "Nessuno");
  }

  // Opens the sheet with the Features page (and any others) on it.
  HWND OpenFeatures(const std::vector<int>& others = {}) {
    std::vector<int> pages = {IDD_FEATURES};
    pages.insert(pages.end(), others.begin(), others.end());
    OpenSheet(pages);
    return PageWindow(IDD_FEATURES);
  }

  // Presses a button of the Features page that opens the dialog with this
  // caption; `script` drives the dialog and must end it.
  void RunFromFeatures(int button, const char* caption, ModalResponder::Action script) {
    responder.ExpectDialog(caption, std::move(script));
    EXPECT_TRUE(Click(PageWindow(IDD_FEATURES), button));
    EXPECT_EQ(responder.pending(), 0u) << caption << " did not run its script";
  }

  std::vector<uint8_t> Bytes(size_t offset, size_t size) {
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&record()) + offset;
    return std::vector<uint8_t>(bytes, bytes + size);
  }
};

}  // namespace psui::test
