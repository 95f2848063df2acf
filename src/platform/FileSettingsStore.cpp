#include "platform/FileSettingsStore.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
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

// A save killed part-way (the power failing, the game being killed) leaves its temporary file
// behind; left alone, every such save would add one more to the folder. The next save removes those
// of this file's own naming, except one that a living save still holds locked: it is writing it now.
void removeStaleTemporaries(const fs::path& path, const std::string& prefix) {
  std::error_code ec;
  fs::directory_iterator it(path.parent_path(), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) {
      continue;
    }
    const int fd = ::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
      continue;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      ::unlink(it->path().c_str());
    }
    ::close(fd);
  }
}

// Creates the temporary file and locks it for as long as it is open, so that another save's clean-up
// leaves it alone. Another save may have taken it between its creation and its lock: then it is made
// again. Returns the open file, or -1 with errno set.
int createLockedTemporary(const std::string& pattern, std::string& temp) {
  constexpr int kAttempts = 8;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temp = pattern;
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
      return -1;
    }
    if (::flock(fd, LOCK_EX) != 0) {
      return fd; // a file system without locks: the save matters more than the clean-up
    }
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && ::stat(temp.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
        opened.st_ino == named.st_ino) {
      return fd;
    }
    ::close(fd); // another save's clean-up took it before it was locked
  }
  errno = EAGAIN;
  return -1;
}

// A new store gets the usual rw-r--r--; a rewritten one keeps the mode the player gave it, rather than
// the owner-only mode temporary files are made with.
void keepModeOf(const fs::path& path, int fd) {
  struct stat old {};
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  ::fchmod(fd, mode);
}

} // namespace

std::string writeFileAtomically(const fs::path& path, const std::string& text) {
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  if (ec) {
    return "cannot create folder " + path.parent_path().string() + ": " + ec.message();
  }
  std::string prefix = ".";
  prefix.append(path.filename().string()).append(".");
  removeStaleTemporaries(path, prefix);
  std::string temp;
  const int fd = createLockedTemporary((path.parent_path() / (prefix + "XXXXXX")).string(), temp);
  if (fd < 0) {
    return errnoText("cannot create temporary file");
  }
  keepModeOf(path, fd);
  // The file stays open, and so locked, until it has its place.
  std::string error = writeAll(fd, text);
  if (error.empty() && ::rename(temp.c_str(), path.c_str()) != 0) {
    error = errnoText("rename");
  }
  if (!error.empty()) {
    ::unlink(temp.c_str());
    ::close(fd);
    return error;
  }
  if (::close(fd) != 0) {
    return errnoText("close");
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
