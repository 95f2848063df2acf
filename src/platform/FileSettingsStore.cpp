#include "platform/FileSettingsStore.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

std::string readFileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

namespace {

std::string errnoText(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

std::string writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return errnoText("write");
    }
    done += static_cast<std::size_t>(n);
  }
  return ::fsync(fd) == 0 ? std::string{} : errnoText("fsync");
}

} // namespace

std::string writeFileAtomically(const fs::path& path, const std::string& text) {
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  if (ec) {
    return "cannot create folder " + path.parent_path().string() + ": " + ec.message();
  }
  std::string temp = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    return errnoText("cannot create temporary file");
  }
  std::string error = writeAll(fd, text);
  if (::close(fd) != 0 && error.empty()) {
    error = errnoText("close");
  }
  if (error.empty() && ::rename(temp.c_str(), path.c_str()) != 0) {
    error = errnoText("rename");
  }
  if (!error.empty()) {
    ::unlink(temp.c_str());
    return error;
  }
  // Make the rename itself durable.
  const int dir = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {};
}

fs::path FileSettingsStore::defaultPath(const std::string& app) {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  fs::path base;
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = fs::path(home != nullptr && home[0] != '\0' ? home : "/tmp") / ".config";
  }
  return base / app / "settings.ini";
}

IniDocument& FileSettingsStore::document(const std::string& app) {
  auto it = loaded_.find(app);
  if (it == loaded_.end()) {
    it = loaded_.emplace(app, IniDocument::parse(readFileText(pathFor_(app)))).first;
  }
  return it->second;
}

std::string FileSettingsStore::get(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& fallback) {
  return document(app).get(section, key).value_or(fallback);
}

void FileSettingsStore::set(const std::string& app, const std::string& section, const std::string& key,
                            const std::string& value) {
  document(app).set(section, key, value);
  pending_[app].push_back({section, key, value});
}

std::string FileSettingsStore::flush() {
  std::string errors;
  for (auto& [app, changes] : pending_) {
    // Start from the file as it is now, so that edits made while the game ran are kept too.
    const fs::path path = pathFor_(app);
    IniDocument current = IniDocument::parse(readFileText(path));
    for (const Change& change : changes) {
      current.set(change.section, change.key, change.value);
    }
    const std::string error = writeFileAtomically(path, current.serialize());
    if (!error.empty()) {
      errors += (errors.empty() ? "" : "; ") + path.string() + ": " + error;
    }
  }
  pending_.clear();
  return errors;
}

} // namespace platform
