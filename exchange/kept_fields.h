// Fields of the record kept while a dialog may change them: a page copies
// them before it opens the dialog and puts them back unless the dialog ends
// with OK. Fields are named as PSUI_FIELD(name) or as a FieldGroup.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "exchange/settings_block.h"

namespace psui {

#define PSUI_FIELD(name) \
  ::psui::FieldGroup { offsetof(::psui::SettingsBlock, name), sizeof(::psui::SettingsBlock::name) }

class KeptFields {
 public:
  KeptFields(SettingsBlock& record, std::initializer_list<FieldGroup> fields);

  // Puts every kept field back as it was when kept.
  void Restore() const;
  // Restores unless `dialogResult` is IDOK (1); returns it unchanged.
  long long RestoreUnlessOk(long long dialogResult) const;

 private:
  SettingsBlock& record_;
  std::vector<FieldGroup> fields_;
  std::vector<uint8_t> bytes_;
};

}  // namespace psui
