#include "platform/text_compare.h"

#include <cstring>

namespace psui::platform {

int CompareTextA(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return a == b ? 0 : (a == nullptr ? -1 : 1);
  int result = std::strcmp(a, b);
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

}  // namespace psui::platform
