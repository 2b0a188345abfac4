#include "ui/combo_choice.h"

namespace psui {

bool ComboChoice::Completes(const ComboBox& combo, int code) {
  switch (code) {
    case CBN_DROPDOWN:
      changedWhileOpen_ = false;
      closedOn_ = -1;
      return false;
    case CBN_SELCHANGE: {
      if (combo.Send(CB_GETDROPPEDSTATE) != FALSE) {
        changedWhileOpen_ = true;
        return false;
      }
      const bool taken = closedOn_ >= 0 && closedOn_ == combo.CurSel();
      closedOn_ = -1;
      return !taken;
    }
    case CBN_CLOSEUP:
      if (!changedWhileOpen_) return false;
      changedWhileOpen_ = false;
      closedOn_ = combo.CurSel();
      return true;
    default: return false;
  }
}

}  // namespace psui
