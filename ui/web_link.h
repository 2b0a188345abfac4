// Opens an address in the web browser: the registered open command of HTML
// files with the address put in, started through WinExec (External()) with
// the window shown normally. The web links of the sheet's pages use it.
#pragma once

#include <string_view>

namespace psui {

// True when the browser was started; nothing happens without a usable
// registered command (see BrowserCommandLine).
bool OpenInBrowser(std::string_view address);

}  // namespace psui
