// Paper: size, source, type and output tray, narrowed by constraints and
// installed units. The four lists form a cascade: a choice refills and
// re-stores every list below it.
#pragma once

#include <initializer_list>

#include "exchange/code_tables.h"
#include "resources/resource.h"
#include "ui/combo_choice.h"
#include "ui/property_page.h"

namespace psui {

class CPaper : public PropertyPage {
 public:
  CPaper() : PropertyPage(IDD_PAPER) {}

 protected:
  // Rebuilds the lists from the record and runs the cascade; always shown.
  bool OnSetActive() override;
  // Forces one-sided printing when the size or type rules out duplex and
  // writes "CustomSizes"; always lets the page go.
  bool OnKillActive() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  // The cascade, one step per list: each stores its list's code, then
  // refills the list below and runs its step.
  void OnSizeChosen();
  void OnSourceChosen();
  void OnTypeChosen();
  void OnTrayChosen();
  void OpenAdvancedPaperHandling();
  void OpenCustomSize();

  bool CustomSizeChosen() const;
  // Appends the options of `keyword` whose code is one of `codes`.
  void FillWithCodes(const ComboBox& list, const char* keyword, const CodeRow* table,
                     std::initializer_list<int> codes) const;

  ComboChoice sizeChoice_;
  ComboChoice sourceChoice_;
  ComboChoice typeChoice_;
  ComboChoice trayChoice_;
};

}  // namespace psui
