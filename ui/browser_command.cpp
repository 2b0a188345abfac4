#include "ui/browser_command.h"

#include "platform/registry.h"

namespace psui {

namespace {

constexpr char kHtmlOpenCommandKey[] = "SOFTWARE\\CLASSES\\htmlfile\\shell\\open\\command";
constexpr std::string_view kArgumentMark = "%1";

}  // namespace

std::string BrowserCommandFor(std::string_view command, std::string_view address) {
  std::string line;
  size_t start = 0;
  bool placed = false;
  for (size_t mark = command.find(kArgumentMark); mark != std::string_view::npos;
       mark = command.find(kArgumentMark, start)) {
    line.append(command.substr(start, mark - start)).append(address);
    start = mark + kArgumentMark.size();
    placed = true;
  }
  line.append(command.substr(start));
  if (!placed) line.append(" ").append(address);
  return line;
}

std::optional<std::string> BrowserCommandLine(std::string_view address) {
  using platform::RegistryKey;
  RegistryKey key;
  if (RegistryKey::OpenForReading(platform::RegistryRoot::kLocalMachine, kHtmlOpenCommandKey, key) !=
      platform::kRegOk) {
    return std::nullopt;
  }
  std::string command;
  if (key.ReadString("", kBrowserCommandSize, command) != platform::kRegOk) return std::nullopt;
  return BrowserCommandFor(command, address);
}

}  // namespace psui
