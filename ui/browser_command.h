// The command line that opens an address in the web browser: the open
// command of HTML files, HKEY_LOCAL_MACHINE
// "SOFTWARE\CLASSES\htmlfile\shell\open\command" (unnamed value), with the
// address put in. Used by every web link of the sheet.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace psui {

// The largest command value taken, terminator included.
constexpr size_t kBrowserCommandSize = 256;

// The command with every "%1" replaced by the address or, when it holds
// none, the command, one blank and the address. Nothing is ever cut.
std::string BrowserCommandFor(std::string_view command, std::string_view address);

// BrowserCommandFor on the registered command; none when the key or value is
// missing, is not a string, or does not fit kBrowserCommandSize bytes with
// its terminator (a cut command could start another program).
std::optional<std::string> BrowserCommandLine(std::string_view address);

}  // namespace psui
