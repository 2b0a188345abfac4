#include "pages/text_lists.h"

#include <string>
#include <vector>

#include "ui/list_helpers.h"
#include "ui/message_box.h"

namespace psui {

void FillListFromTexts(const ComboBox& combo, const TextRow* rows, int count, int current, int n) {
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) texts.push_back(LoadText(rows[i].textId));
  std::vector<CodeRow> table;
  for (int i = 0; i < count; ++i) table.push_back({rows[i].code, texts[i].c_str()});
  table.push_back({0, nullptr});
  FillListFromTableFirstN(combo, table.data(), current, n);
}

}  // namespace psui
