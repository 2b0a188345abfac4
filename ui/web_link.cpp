#include "ui/web_link.h"

#include <windows.h>

#include "ui/browser_command.h"
#include "ui/external_calls.h"

namespace psui {

bool OpenInBrowser(std::string_view address, int showCommand) {
  std::optional<std::string> command = BrowserCommandLine(address);
  if (!command) return false;
  // WinExec reports success with a value above 31.
  return External().winExec(command->c_str(), static_cast<UINT>(showCommand)) > 31;
}

}  // namespace psui
