// Starts the printer's download utility: colour profiles (detailed colour
// settings), overlays (Overlay page) and fonts (Fonts page) each pass their
// argument from color/download_utility_command.h.
#pragma once

#include "color/download_utility_command.h"

namespace psui {

// Starts the utility through WinExec (its result is not checked); with
// neither utility registered, tells the user in a task-modal box of its own.
void LaunchDownloadUtility(const char* argument);

}  // namespace psui
