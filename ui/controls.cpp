#include "ui/controls.h"

#include <vector>

namespace psui {

std::string Control::Text() const {
  int length = GetWindowTextLengthA(window_);
  std::vector<char> buffer(length + 1, '\0');
  GetWindowTextA(window_, buffer.data(), length + 1);
  return std::string(buffer.data());
}

std::string ComboBox::ItemText(int index) const {
  LRESULT length = Send(CB_GETLBTEXTLEN, index);
  if (length == CB_ERR) return std::string();
  std::vector<char> buffer(length + 1, '\0');
  Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data());
}

std::string ListBox::ItemText(int index) const {
  LRESULT length = Send(LB_GETTEXTLEN, index);
  if (length == LB_ERR) return std::string();
  std::vector<char> buffer(length + 1, '\0');
  Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data());
}

}  // namespace psui
