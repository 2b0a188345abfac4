#include "ui/numeric_entry.h"

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

}  // namespace psui
