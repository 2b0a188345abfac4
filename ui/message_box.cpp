#include "ui/message_box.h"

#include "resources/resource.h"

namespace psui {

std::string LoadText(UINT id) {
  char buffer[1024];
  int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}

int ShowMessage(const std::string& text, UINT flags, const char* caption, HWND owner) {
  std::string title = caption ? caption : LoadText(IDS_APP_TITLE);
  if (!owner) owner = GetActiveWindow();
  return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

int ShowUnownedMessage(const std::string& text, UINT flags, const char* caption) {
  return MessageBoxA(nullptr, text.c_str(), caption, flags);
}

}  // namespace psui
