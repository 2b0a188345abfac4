// Opens an address in the web browser: the registered open command of HTML
// files with the address put in, started through WinExec (External()). The
// web links of the sheet's pages use it, each with its own show command
// (SW_SHOW, SW_SHOWNORMAL, ...).
#pragma once

#include <string_view>

namespace psui {

// True when the browser was started; nothing happens without a usable
// registered command (see BrowserCommandLine).
bool OpenInBrowser(std::string_view address, int showCommand);

}  // namespace psui
