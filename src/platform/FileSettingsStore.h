#pragma once
// The settings store on disk: one INI file per application, written whole to a temporary file in
// the same folder and renamed over the old one, so that a crash or a full disk never leaves a
// half-written store behind.
#include "platform/IniDocument.h"
#include "platform/SettingsStore.h"

#include <filesystem>
#include <functional>
#include <map>

namespace platform {

class FileSettingsStore : public SettingsStore {
public:
  // Maps an application name to its settings file.
  using PathFor = std::function<std::filesystem::path(const std::string& app)>;
  explicit FileSettingsStore(PathFor pathFor) : pathFor_(std::move(pathFor)) {}

  std::string get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& fallback) override;
  void set(const std::string& app, const std::string& section, const std::string& key,
           const std::string& value) override;
  std::string flush() override;

  // $XDG_CONFIG_HOME/<app>/settings.ini, or ~/.config/<app>/settings.ini.
  static std::filesystem::path defaultPath(const std::string& app);

private:
  struct Change {
    std::string section, key, value;
  };
  IniDocument& document(const std::string& app);

  PathFor pathFor_;
  std::map<std::string, IniDocument> loaded_;
  std::map<std::string, std::vector<Change>> pending_;
};

// Reads a whole file; an absent or unreadable file reads as empty.
std::string readFileText(const std::filesystem::path& path);
// Writes text to path through a temporary file in the same folder, flushed and renamed into place.
// Returns an empty string on success, else the reason it failed.
std::string writeFileAtomically(const std::filesystem::path& path, const std::string& text);

} // namespace platform
