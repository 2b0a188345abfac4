#include "ui/entry_rules.h"

namespace psui {

int FirstRejectedCharacter(std::string_view text, int mode) {
  if (text.empty()) return -2;
  bool seen_dot = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') continue;
    bool more_follow = i + 1 < text.size();
    bool ok;
    if (mode == kWholeNumber) {
      ok = i == 0 && (c == '-' || c == '+') && more_follow;
    } else if (mode == kDecimalNumber) {
      if (c == '.') {
        ok = !seen_dot;
        seen_dot = true;
      } else {
        ok = c == '+' && i == 0 && more_follow;
      }
    } else {
      ok = true;
    }
    if (!ok) return static_cast<int>(i);
  }
  return -1;
}

bool IsDosFileName(std::string_view text) {
  size_t slash = text.find_last_of('\\');
  std::string_view name = slash == std::string_view::npos ? text : text.substr(slash + 1);
  size_t dot = text.find_last_of('.');
  size_t extension_length = dot == std::string_view::npos ? 0 : text.size() - dot - 1;
  // The name without its extension and dot; when the last dot lies before the
  // last backslash, the "extension" covers the name and this goes negative.
  long stem_length = static_cast<long>(name.size()) -
                     (dot == std::string_view::npos ? 0 : static_cast<long>(extension_length) + 1);
  return extension_length <= 3 && stem_length <= 8;
}

}  // namespace psui
