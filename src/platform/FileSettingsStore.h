#pragma once
// The settings store on disk: one INI file per application. A save locks the store, reads it again,
// applies the changes and writes the result to a temporary file in the same folder that is renamed
// over the old one, so that two games never undo each other's changes and a crash or a full disk
// never leaves a half-written store behind.
#include "platform/IniDocument.h"
#include "platform/SettingsStore.h"
#include "platform/StoreFiles.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace platform {

class FileSettingsStore : public SettingsStore {
public:
  // Maps an application name to its settings file; an empty path means there is nowhere to keep it.
  // The game's file tag names its own files beside the store (besideStore).
  using PathFor = std::function<std::filesystem::path(const std::string& app)>;
  FileSettingsStore(PathFor pathFor, std::string fileTag)
      : pathFor_(std::move(pathFor)), fileTag_(std::move(fileTag)) {}

  std::string problem(const std::string& app) override;
  std::string get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& fallback) override;
  std::string update(const std::string& app, const std::function<void(IniDocument&)>& change) override;

  // While another program holds the store's lock, a save tries again for about two seconds, calling
  // `keepWaiting` between tries (to keep the window painted); it gives up at once when that says no.
  void whileLocked(std::function<bool()> keepWaiting) { keepWaiting_ = std::move(keepWaiting); }

  // $XDG_CONFIG_HOME/<app>/settings.ini when that is an absolute path, else
  // <home>/.config/<app>/settings.ini, the home folder being $HOME or the password database's.
  static std::filesystem::path defaultPath(const std::string& app);

private:
  struct Loaded {
    IniDocument document;
    std::string problem;
  };
  Loaded& loaded(const std::string& app);

  PathFor pathFor_;
  std::string fileTag_;
  std::function<bool()> keepWaiting_;
  std::map<std::string, Loaded> loaded_;
};

} // namespace platform
