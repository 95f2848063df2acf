#pragma once
// The per-user settings store: string values addressed by application, section and key.
#include "platform/IniDocument.h"

#include <functional>
#include <string>

namespace platform {

class SettingsStore {
public:
  virtual ~SettingsStore() = default;
  // Why the application's store could not be read when it was first looked at, naming it; empty when
  // it was read or simply does not exist yet. A store that could not be read is never written.
  virtual std::string problem(const std::string& app) = 0;
  // A value as the store held it when it was first looked at.
  virtual std::string get(const std::string& app, const std::string& section, const std::string& key,
                          const std::string& fallback) = 0;
  // Reads the store as it is at this moment, lets `change` set values in it and makes the result
  // durable, as one step that another game saving the same store at the same time cannot interleave
  // with. Returns an empty string on success, else why it failed, naming the store.
  virtual std::string update(const std::string& app, const std::function<void(IniDocument&)>& change) = 0;
};

} // namespace platform
