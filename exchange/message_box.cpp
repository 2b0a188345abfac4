#include "exchange/message_box.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "resources/resource.h"

namespace psui {

std::string LoadText(UINT id) {
  char buffer[1024];
  int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}

std::string FormatText(UINT id, ...) {
  std::string format = LoadText(id);
  va_list args;
  va_start(args, id);
  va_list copy;
  va_copy(copy, args);
  int length = std::vsnprintf(nullptr, 0, format.c_str(), copy);
  va_end(copy);
  std::vector<char> buffer(length > 0 ? length + 1 : 1, '\0');
  if (length > 0) std::vsnprintf(buffer.data(), buffer.size(), format.c_str(), args);
  va_end(args);
  return std::string(buffer.data());
}

int ShowMessage(const std::string& text, UINT flags, const char* caption, HWND owner) {
  std::string title = caption ? caption : LoadText(IDS_APP_TITLE);
  if (!owner) owner = GetActiveWindow();
  return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

}  // namespace psui
