// Layout: orientation, duplex, pages per sheet and booklet, with a preview.
// Every activation re-derives the controls from the record, so the paper
// chosen on the Paper page decides which duplex choices are offered.
#pragma once

#include "resources/resource.h"
#include "ui/combo_choice.h"
#include "ui/property_page.h"

namespace psui {

class CLayout : public PropertyPage {
 public:
  CLayout() : PropertyPage(IDD_LAYOUT) {}

 protected:
  // A printer with a Duplex keyword but no optional duplexer has the unit
  // built in; shows the preview.
  bool OnInitDialog() override;
  // Runs the activation sequence; always shown.
  bool OnSetActive() override;
  bool OnCommand(int id, int code, HWND control) override;
  // Frees the last preview picture.
  void OnDestroy() override;

 private:
  void Activate();
  // Drops "Libretto" from the list; pagesPerSheet takes the selected code.
  void RemoveBooklet();
  // One-sided only: duplex 1, both duplex modes disabled, no booklet.
  void ExcludeDuplex();
  void OnPagesPerSheetChosen();
  void OnSimplex();
  // Puts the picture for the record's orientation, duplex and pages per
  // sheet into 1008 and centres it in its frame.
  void RefreshPreview();

  ComboChoice pagesChoice_;
};

}  // namespace psui
