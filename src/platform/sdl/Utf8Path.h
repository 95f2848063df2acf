#pragma once
// SDL takes file names in UTF-8 on every system; a path's own characters are UTF-16 on Windows.
#include <filesystem>
#include <string>

namespace platform {

inline std::string utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

} // namespace platform
