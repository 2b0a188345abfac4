#include "pages/paper_page.h"

#include <algorithm>
#include <optional>
#include <string>

#include "exchange/kept_fields.h"
#include "pages/advanced_paper_dialog.h"
#include "pages/custom_size_dialog.h"
#include "pages/custom_sizes.h"
#include "pages/option_lookup.h"
#include "ui/app_state.h"
#include "ui/list_helpers.h"
#include "ui/message_box.h"

namespace psui {

namespace {

constexpr int kMatchPaperSizeCode = 7;     // "Adatta formato carta"
constexpr int kPrinterDefaultMediaCode = 247;  // "Default stampante"

std::optional<std::string> SelectedText(const ComboBox& list) {
  int index = list.CurSel();
  if (index < 0) return std::nullopt;
  return list.ItemText(index);
}

// No chosen entry, no constraint to ask about.
void RemoveRuledOut(const char* keyword, const std::optional<std::string>& chosen, const ComboBox& list,
                    const char* listKeyword) {
  if (chosen) RemoveConstrainedItems(keyword, chosen->c_str(), list, listKeyword);
}

void AddEntry(const ComboBox& list, const std::string& text, int code) {
  int index = list.AddString(text.c_str());
  if (index >= 0) list.SetItemData(index, code);
}

// Selects the first entry with `code`; a list with entries but without a
// selection (no entry had it, the PPD offered nothing to select) takes its
// first entry, so what the list shows is what is stored.
void SelectCodeOrFirst(const ComboBox& list, int code) {
  if (!SelectListCode(list, code) && list.CurSel() < 0 && list.Count() > 0) list.SetCurSel(0);
}

}  // namespace

bool CPaper::CustomSizeChosen() const { return TheApp().settings.paperSize == kCustomPaperCode; }

void CPaper::FillWithCodes(const ComboBox& list, const char* keyword, const CodeRow* table,
                           std::initializer_list<int> codes) const {
  const PpdOption* option = nullptr;
  if (!TheApp().ppdImage || !TheApp().ppdImage->FindOptions(keyword, &option)) return;
  for (; option; option = option->next) {
    if (!option->name || !option->translation) continue;
    int code = CodeFor(table, option->name);
    if (std::find(codes.begin(), codes.end(), code) != codes.end()) AddEntry(list, option->translation, code);
  }
}

bool CPaper::OnSetActive() {
  SettingsBlock& record = TheApp().settings;
  const PpdImage* image = TheApp().ppdImage;
  ComboBox sizes = Item<ComboBox>(IDC_PAPER_SIZE);
  sizes.ResetContent();
  if (image) {
    if (image->customPageSizeCode) AddEntry(sizes, LoadText(IDS_CUSTOM_PAPER_SIZE), kCustomPaperCode);
    FillListFromPpd(sizes, "PageSize", kPageSizeCodes, record.paperSize);
    SelectCodeOrFirst(sizes, record.paperSize);
  }
  OnSizeChosen();
  return true;
}

void CPaper::OnSizeChosen() {
  SettingsBlock& record = TheApp().settings;
  ComboBox sizes = Item<ComboBox>(IDC_PAPER_SIZE);
  ComboBox sources = Item<ComboBox>(IDC_PAPER_SOURCE);
  record.paperSize = static_cast<int16_t>(SelectedListCode(sizes));
  sources.ResetContent();
  const bool custom = CustomSizeChosen();
  Button configure = Item<Button>(IDC_PAPER_CUSTOM_SIZE);
  configure.Show(custom);
  configure.Enable(custom);
  if (custom) {
    // The custom size feeds from the manual, multipurpose and bypass trays only.
    FillWithCodes(sources, "InputSlot", kInputSlotCodes, {4, 257, 271});
  } else {
    AddEntry(sources, LoadText(IDS_MATCH_PAPER_SIZE), kMatchPaperSizeCode);
    FillListFromPpd(sources, "InputSlot", kInputSlotCodes, record.inputSlot);
  }
  SelectCodeOrFirst(sources, record.inputSlot);
  if (sources.Count() > 0) {
    RemoveRuledOut("PageSize", SelectedText(sizes), sources, "InputSlot");
    RemoveItemsForMissingOptions(sources, "InputSlot");
  }
  sources.Enable(sources.Count() > 0);
  OnSourceChosen();
}

void CPaper::OnSourceChosen() {
  SettingsBlock& record = TheApp().settings;
  ComboBox types = Item<ComboBox>(IDC_PAPER_TYPE);
  record.inputSlot = static_cast<int16_t>(SelectedListCode(Item<ComboBox>(IDC_PAPER_SOURCE)));
  types.ResetContent();
  if (CustomSizeChosen()) {
    FillWithCodes(types, "MediaType", kMediaTypeCodes, {1, 246, 254, 255});
    SelectCodeOrFirst(types, record.mediaType);
  } else {
    FillListFromPpd(types, "MediaType", kMediaTypeCodes, record.mediaType);
    if (types.Count() > 0) {
      RemoveRuledOut("InputSlot", SelectedText(Item<ComboBox>(IDC_PAPER_SOURCE)), types, "MediaType");
      RemoveRuledOut("PageSize", SelectedText(Item<ComboBox>(IDC_PAPER_SIZE)), types, "MediaType");
    }
    if (types.Count() == 0) {
      AddEntry(types, LoadText(IDS_PRINTER_DEFAULT_MEDIA), kPrinterDefaultMediaCode);
      types.SetCurSel(0);
    }
  }
  OnTypeChosen();
}

void CPaper::OnTypeChosen() {
  SettingsBlock& record = TheApp().settings;
  ComboBox trays = Item<ComboBox>(IDC_PAPER_OUTPUT_BIN);
  record.mediaType = static_cast<int16_t>(SelectedListCode(Item<ComboBox>(IDC_PAPER_TYPE)));
  trays.ResetContent();
  if (CustomSizeChosen()) {
    FillWithCodes(trays, "OutputBin", kOutputBinCodes, {1});
    if (trays.Count() > 0) trays.SetCurSel(trays.Count() - 1);
  } else if (FillListFromPpd(trays, "OutputBin", kOutputBinCodes, record.outputBin) && trays.Count() > 0) {
    RemoveRuledOut("MediaType", SelectedText(Item<ComboBox>(IDC_PAPER_TYPE)), trays, "OutputBin");
    RemoveRuledOut("PageSize", SelectedText(Item<ComboBox>(IDC_PAPER_SIZE)), trays, "OutputBin");
    const struct {
      const char* keyword;
      uint8_t installed;
    } units[] = {{"Optionalstacker", record.stackerInstalled},
                 {"Optionalfinisher", record.finisherInstalled},
                 {"OptionalMailbox", record.mailboxInstalled}};
    for (const auto& unit : units) {
      RemoveConstrainedItems(unit.keyword, unit.installed ? "Installato" : "Non installato", trays, "OutputBin");
    }
  }
  const bool any = trays.Count() > 0;
  trays.Enable(any);
  Item(IDC_PAPER_OUTPUT_BIN_LABEL).Enable(any);
  OnTrayChosen();
}

void CPaper::OnTrayChosen() {
  TheApp().settings.outputBin = static_cast<int16_t>(SelectedListCode(Item<ComboBox>(IDC_PAPER_OUTPUT_BIN)));
}

bool CPaper::OnKillActive() {
  SettingsBlock& record = TheApp().settings;
  if (const PpdImage* image = TheApp().ppdImage) {
    std::optional<std::string> size = SelectedText(Item<ComboBox>(IDC_PAPER_SIZE));
    std::optional<std::string> type = SelectedText(Item<ComboBox>(IDC_PAPER_TYPE));
    // Any Duplex option counts, "None" included: the size or type is not
    // to be printed on both sides.
    const bool size_rules_out = RulesOutKeyword(*image, "PageSize", size ? size->c_str() : nullptr, "Duplex");
    const bool type_rules_out = RulesOutKeyword(*image, "MediaType", type ? type->c_str() : nullptr, "Duplex");
    if (size_rules_out || type_rules_out) record.duplex = 1;
  }
  WriteCustomSizes(record);
  return true;
}

bool CPaper::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_PAPER_SIZE:
      if (sizeChoice_.Completes(Item<ComboBox>(id), code)) OnSizeChosen();
      return true;
    case IDC_PAPER_SOURCE:
      if (sourceChoice_.Completes(Item<ComboBox>(id), code)) OnSourceChosen();
      return true;
    case IDC_PAPER_TYPE:
      if (typeChoice_.Completes(Item<ComboBox>(id), code)) OnTypeChosen();
      return true;
    case IDC_PAPER_OUTPUT_BIN:
      if (trayChoice_.Completes(Item<ComboBox>(id), code)) OnTrayChosen();
      return true;
    case IDC_PAPER_ADVANCED:
      if (code == BN_CLICKED) OpenAdvancedPaperHandling();
      return true;
    case IDC_PAPER_CUSTOM_SIZE:
      if (code == BN_CLICKED) OpenCustomSize();
      return true;
    default: return false;
  }
}

void CPaper::OpenAdvancedPaperHandling() {
  SettingsBlock& record = TheApp().settings;
  KeptFields kept(record, {PSUI_FIELD(bannerPage), PSUI_FIELD(bannerPageSource), PSUI_FIELD(firstPageSourceOn),
                           PSUI_FIELD(firstPageSource), PSUI_FIELD(trailerPage), PSUI_FIELD(trailerPageSource),
                           PSUI_FIELD(autoContinue)});
  AdvancedPaperDialog dialog;
  kept.RestoreUnlessOk(dialog.DoModal(hwnd_));
}

void CPaper::OpenCustomSize() {
  SettingsBlock& record = TheApp().settings;
  KeptFields kept(record, {PSUI_FIELD(customWidth), PSUI_FIELD(customHeight), PSUI_FIELD(customUnits),
                           PSUI_FIELD(customFeedDirection)});
  CustomSizeDialog dialog;
  kept.RestoreUnlessOk(dialog.DoModal(hwnd_));
}

}  // namespace psui
