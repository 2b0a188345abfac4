#include "platform/text_compare.h"

#include <cstring>

namespace psui::platform {

int CompareTextA(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return a == b ? 0 : (a == nullptr ? -1 : 1);
  int result = std::strcmp(a, b);
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int CompareTextIgnoringCaseA(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return a == b ? 0 : (a == nullptr ? -1 : 1);
  auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
  for (;; ++a, ++b) {
    int x = fold(static_cast<unsigned char>(*a));
    int y = fold(static_cast<unsigned char>(*b));
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
}

}  // namespace psui::platform
