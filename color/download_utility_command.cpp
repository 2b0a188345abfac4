#include "color/download_utility_command.h"

#include "platform/registry.h"

namespace psui {

namespace {

// The default value of an application-path key: the program's path.
bool ProgramPath(const char* keyPath, std::string* path) {
  platform::RegistryKey key;
  if (platform::RegistryKey::OpenForReading(platform::RegistryRoot::kLocalMachine, keyPath, key) !=
      platform::kRegOk) {
    return false;
  }
  if (key.ReadString("", kCommandLineLimit + 1, *path) != platform::kRegOk) return false;
  return !path->empty();
}

}  // namespace

bool DownloadUtilityCommand(std::string_view argument, std::string* commandLine) {
  std::string path;
  if (ProgramPath(kDownloadUtilityKey, &path) && path.size() + argument.size() <= kCommandLineLimit) {
    *commandLine = path;
    commandLine->append(argument);
    return true;
  }
  if (ProgramPath(kOlderDownloadUtilityKey, &path)) {
    *commandLine = path;
    return true;
  }
  return false;
}

}  // namespace psui
