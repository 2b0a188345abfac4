#include "ui/numeric_entry.h"

#include <cstdio>

#include "ui/entry_rules.h"
#include "ui/message_box.h"
#include "resources/resource.h"

namespace psui {

bool CheckNumericEntry(const char* text, int mode) {
  int rejected = FirstRejectedCharacter(text ? text : "", mode);
  if (rejected == -1) return true;
  if (rejected >= 0) ShowMessage(LoadText(IDS_INVALID_DIGITS), MB_OK);
  return false;
}

std::string RangeMessage(int low, int high) {
  char text[256];
  std::snprintf(text, sizeof text, LoadText(IDS_RANGE_INTEGER).c_str(), low, high);
  return text;
}

}  // namespace psui
