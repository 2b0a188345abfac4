#include "pages/option_lookup.h"

#include <cstring>

namespace psui {

const char* TranslationOf(const PpdImage& image, const char* keyword, const char* name) {
  const PpdOption* option = nullptr;
  if (!name || !image.FindOptions(keyword, &option)) return nullptr;
  for (; option; option = option->next) {
    if (option->name && option->translation && std::strcmp(option->name, name) == 0) {
      return option->translation;
    }
  }
  return nullptr;
}

const char* LastTranslation(const PpdImage& image, const char* keyword) {
  const PpdOption* option = nullptr;
  if (!image.FindOptions(keyword, &option)) return nullptr;
  const char* last = nullptr;
  for (; option; option = option->next) {
    if (option->name && option->translation) last = option->translation;
  }
  return last;
}

bool RulesOutKeyword(const PpdImage& image, const char* keyword, const char* text,
                     const char* constrainedKeyword) {
  if (!text) return false;
  bool found = false;
  int counter = 0;
  for (;;) {
    const char* first_keyword = nullptr;
    const char* first_text = nullptr;
    if (!image.NextConstraint(keyword, text, &first_keyword, &first_text, &counter)) break;
    if (first_keyword && std::strcmp(first_keyword, constrainedKeyword) == 0) found = true;
  }
  return found;
}

}  // namespace psui
