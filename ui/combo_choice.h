// A user's choice in a drop-down list, told apart from the notifications
// around it. A mouse choice ends with CBN_SELCHANGE after the list closed; a
// keyboard choice in the closed list sends CBN_SELCHANGE alone (Wine sends
// no CBN_CLOSEUP then); arrows in the open list send CBN_SELCHANGE while it
// is open, and the choice is made when it closes. One object per list.
#pragma once

#include "ui/controls.h"

namespace psui {

class ComboChoice {
 public:
  // True when the notification `code` of `combo` completes one choice: a
  // CBN_SELCHANGE while the list is closed, or the CBN_CLOSEUP after a
  // CBN_SELCHANGE came while it was open. Closing without a change is none,
  // and so is the CBN_SELCHANGE a mouse click sends after such a close.
  bool Completes(const ComboBox& combo, int code);

 private:
  bool changedWhileOpen_ = false;
  int closedOn_ = -1;  // the entry a close has just taken
};

}  // namespace psui
