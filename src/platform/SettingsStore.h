#pragma once
// The per-user settings store: string values addressed by application, section and key.
#include <string>

namespace platform {

class SettingsStore {
public:
  virtual ~SettingsStore() = default;
  virtual std::string get(const std::string& app, const std::string& section, const std::string& key,
                          const std::string& fallback) = 0;
  virtual void set(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) = 0;
  // Makes every value set so far durable. Returns an empty string on success, else why it failed.
  virtual std::string flush() = 0;
};

} // namespace platform
