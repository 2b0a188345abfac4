#include "color/download_utility.h"

#include <windows.h>

#include <string>

#include "resources/resource.h"
#include "ui/external_calls.h"
#include "ui/message_box.h"

namespace psui {

void LaunchDownloadUtility(const char* argument) {
  std::string command;
  if (!DownloadUtilityCommand(argument, &command)) {
    ShowUnownedMessage(LoadText(IDS_DOWNLOAD_UTILITY_MISSING), MB_OK | MB_TASKMODAL,
                       LoadText(IDS_ERROR_CAPTION).c_str());
    return;
  }
  External().winExec(command.c_str(), SW_SHOW);
}

}  // namespace psui
