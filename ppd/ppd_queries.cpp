// The read-only queries the pages use on a finished image.
#include <cstring>

#include "platform/text_compare.h"
#include "ppd/ppd_image.h"

namespace psui {

namespace {

// The constraint enumeration's cursor. It is process-wide by design: the
// pages run one enumeration at a time on the one UI thread.
struct ConstraintCursor {
  size_t position = 0;
  bool started = false;
};
ConstraintCursor g_constraint_cursor;

}  // namespace

int PpdImage::FirstKeyword(const PpdKeyword** keyword) const {
  *keyword = keywords;
  return keywords != nullptr ? 1 : 0;
}

int PpdImage::FirstInstallableKeyword(const PpdKeyword** keyword) const {
  for (const PpdKeyword* k = keywords; k != nullptr; k = k->next) {
    if (k->installable) {
      *keyword = k;
      return 1;
    }
  }
  *keyword = nullptr;
  return 0;
}

const PpdKeyword* PpdImage::FindKeyword(const char* name) const {
  return PpdFindOption<PpdKeyword>(keywords, name);
}

int PpdImage::FindOptions(const char* keywordName, const PpdOption** first) const {
  const PpdKeyword* keyword = FindKeyword(keywordName);
  *first = keyword != nullptr ? keyword->options : nullptr;
  return keyword != nullptr ? 1 : 0;
}

const PpdOption* PpdImage::DefaultOption(const PpdKeyword* keyword) const {
  if (keyword == nullptr) return nullptr;
  return PpdOptionAt<PpdOption>(keyword->options, keyword->defaultOption);
}

int PpdImage::LocateOption(const char* keywordName, const char* optionText, int* keywordIndex,
                           int* optionIndex) const {
  *keywordIndex = -1;
  *optionIndex = -1;
  int k = 0;
  const PpdKeyword* keyword = keywords;
  for (; keyword != nullptr; keyword = keyword->next, ++k)
    if (platform::CompareTextA(keyword->name, keywordName) == 0) break;
  if (keyword == nullptr) return 0;
  *keywordIndex = k;
  // No text names no option (the comparison would find an absent text equal
  // to an option without translation).
  if (optionText == nullptr) return 0;
  int o = 0;
  for (const PpdOption* option = keyword->options; option != nullptr; option = option->next, ++o) {
    if (platform::CompareTextA(option->translation, optionText) == 0) {
      *optionIndex = o;
      return 1;
    }
  }
  return 0;
}

int PpdImage::OptionAt(int keywordIndex, int optionIndex, const char** keywordName,
                       const char** optionText) const {
  if (keywords == nullptr) return 0;
  int k = 0;
  for (const PpdKeyword* keyword = keywords; keyword != nullptr; keyword = keyword->next, ++k) {
    if (k == keywordIndex) {
      *keywordName = keyword->name;
      break;
    }
  }
  if (keywordIndex == -1) return 0;
  const PpdOption* option = nullptr;
  if (!FindOptions(*keywordName, &option)) return 0;
  for (int o = 0; option != nullptr; option = option->next, ++o) {
    if (o == optionIndex) {
      *optionText = option->translation;
      break;
    }
  }
  return optionIndex != -1 ? 1 : 0;
}

int PpdImage::NextConstraint(const char* keywordName, const char* optionText,
                             const char** constrainedKeyword, const char** constrainedText,
                             int* counter) const {
  ConstraintCursor& cursor = g_constraint_cursor;
  if (*counter == 0) {
    cursor.started = false;
    cursor.position = 0;
    if (constraints == nullptr || constraints->count == 0) return 0;
  } else if (!cursor.started) {
    return 0;
  }
  ++*counter;
  cursor.started = true;
  if (constraints == nullptr || cursor.position >= constraints->count) return 0;
  int keyword_index = -1;
  int option_index = -1;
  if (!LocateOption(keywordName, optionText, &keyword_index, &option_index)) return 0;
  const PpdConstraintEntry* entries = constraints->entries();
  while (cursor.position < constraints->count) {
    const PpdConstraintEntry& entry = entries[cursor.position++];
    if (entry.keyword2 != keyword_index || entry.option2 != option_index) continue;
    // A constraint whose other names are not in this file constrains
    // nothing; the enumeration goes on to the next entry.
    if (entry.keyword1 == kPpdNotFoundIndex || entry.option1 == kPpdNotFoundIndex) continue;
    return OptionAt(entry.keyword1, entry.option1, constrainedKeyword, constrainedText);
  }
  return 0;
}

}  // namespace psui
