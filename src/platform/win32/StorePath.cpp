#include "platform/FileSettingsStore.h"

#include <shlobj.h>
#include <windows.h>

namespace platform {

// %APPDATA%\<app>\settings.ini: the roaming application data of the player, where Windows programs
// keep what follows the player from machine to machine.
std::filesystem::path FileSettingsStore::defaultPath(const std::string& app) {
  wchar_t* folder = nullptr;
  std::filesystem::path path;
  if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK) {
    path = std::filesystem::path(folder) / app / "settings.ini";
  }
  CoTaskMemFree(folder);
  return path;
}

} // namespace platform
