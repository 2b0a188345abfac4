// The command line that starts the printer's download utility, from the
// utilities' application paths in the registry.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace psui {

// What the utility is asked to download.
constexpr char kDownloadColorProfiles[] = " 0";
constexpr char kDownloadOverlays[] = " 1";
constexpr char kDownloadFonts[] = " 2";

constexpr char kDownloadUtilityKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\DAVoduDo.exe";
constexpr char kOlderDownloadUtilityKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\ZPXProDw.exe";

// The command line fits a 256-byte buffer with its terminator.
constexpr size_t kCommandLineLimit = 255;

// The first utility's path followed by the argument; else the older
// utility's path alone (it takes no argument). A path that is missing,
// empty or over 255 bytes, or a first path with no room left for the
// argument, does not count. False when neither utility gives a command.
bool DownloadUtilityCommand(std::string_view argument, std::string* commandLine);

}  // namespace psui
