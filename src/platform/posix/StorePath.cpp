#include "platform/FileSettingsStore.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

namespace {

// The home folder: $HOME, or the password database's entry when HOME is unset or not a full path.
fs::path homeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') {
    return home;
  }
  const passwd* entry = ::getpwuid(::getuid());
  return entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/' ? fs::path(entry->pw_dir)
                                                                                 : fs::path();
}

} // namespace

fs::path FileSettingsStore::defaultPath(const std::string& app) {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is to be ignored.
  const fs::path base = xdg != nullptr && xdg[0] == '/' ? fs::path(xdg) : homeFolder() / ".config";
  return base.is_absolute() ? base / app / "settings.ini" : fs::path();
}

} // namespace platform
