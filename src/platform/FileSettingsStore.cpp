#include "platform/FileSettingsStore.h"

#include "platform/StoreAttributes.h"
#include "platform/StoreEncoding.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
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

// A settings file that is a symbolic link (a dotfile manager's) stays one: the file it leads to is the
// one replaced, in its own folder.
fs::path followLinks(fs::path path) {
  constexpr int kMaxLinks = 40;
  std::error_code ec;
  for (int i = 0; i < kMaxLinks && fs::is_symlink(fs::symlink_status(path, ec)); ++i) {
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) {
      break;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// Holds the store's lock for as long as it lives: a file beside the store, locked whole, so that two
// games saving at once take turns. Another program that keeps it locked makes the save fail after
// about two seconds, as a full disk would, rather than hold the game until it lets go. A file system
// without locks saves without one.
class StoreLock {
public:
  StoreLock(const fs::path& store, const std::function<bool()>& keepWaiting)
      : fd_(::open(besideStore(store, ".frothwick-lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                   0666)) {
    if (fd_ < 0) {
      problem_ = std::strerror(errno);
      return;
    }
    takeOwnerOfFolder(fd_, store.parent_path());
    const auto giveUp = std::chrono::steady_clock::now() + kPatience;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if (errno == EINTR) {
        continue;
      }
      if (errno != EWOULDBLOCK) {
        return;
      }
      if (std::chrono::steady_clock::now() >= giveUp || (keepWaiting && !keepWaiting())) {
        fail("another program keeps " + besideStore(store, ".frothwick-lock").filename().string() +
             " locked");
        return;
      }
      std::this_thread::sleep_for(kRetry);
    }
  }
  ~StoreLock() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;
  bool held() const { return fd_ >= 0; }
  const std::string& problem() const { return problem_; }

private:
  static constexpr std::chrono::milliseconds kPatience{2000};
  static constexpr std::chrono::milliseconds kRetry{50};

  void fail(std::string why) {
    problem_ = std::move(why);
    ::close(fd_);
    fd_ = -1;
  }

  int fd_;
  std::string problem_;
};

bool readOnly(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0);
}

} // namespace

fs::path FileSettingsStore::defaultPath(const std::string& app) {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is to be ignored.
  const fs::path base = xdg != nullptr && xdg[0] == '/' ? fs::path(xdg) : homeFolder() / ".config";
  return base.is_absolute() ? base / app / "settings.ini" : fs::path();
}

FileSettingsStore::Loaded& FileSettingsStore::loaded(const std::string& app) {
  auto it = loaded_.find(app);
  if (it == loaded_.end()) {
    const fs::path path = pathFor_(app);
    Loaded fresh;
    if (path.empty()) {
      fresh.problem = "there is no home folder to keep it in";
    } else if (StoreFile file = readStoreFile(path); file.state == StoreFile::State::Unreadable) {
      fresh.problem = path.string() + ": " + file.reason;
    } else {
      fresh.document = IniDocument::parse(decodeStoreText(file.text).text);
    }
    it = loaded_.emplace(app, std::move(fresh)).first;
  }
  return it->second;
}

std::string FileSettingsStore::problem(const std::string& app) {
  return loaded(app).problem;
}

std::string FileSettingsStore::get(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& fallback) {
  return loaded(app).document.get(section, key).value_or(fallback);
}

std::string FileSettingsStore::update(const std::string& app,
                                      const std::function<void(IniDocument&)>& change) {
  if (const std::string& why = problem(app); !why.empty()) {
    return why + " (it could not be read, so it is left alone)";
  }
  const fs::path path = pathFor_(app);
  const auto failed = [&](const std::string& why) { return path.string() + ": " + why; };
  std::error_code ec;
  const fs::path target = followLinks(fs::absolute(path, ec));
  if (std::string why = makeFoldersLikeTheirParents(target.parent_path()); !why.empty()) {
    return failed(why);
  }
  const StoreLock lock(target, keepWaiting_);
  if (!lock.held()) {
    return failed("cannot lock it: " + lock.problem());
  }
  // The store as it is now: another game may have saved since this one started.
  StoreFile file = readStoreFile(target);
  if (file.state == StoreFile::State::Unreadable) {
    return failed(file.reason + " (it could not be read, so it is left alone)");
  }
  const DecodedText decoded = decodeStoreText(file.text);
  IniDocument document = IniDocument::parse(decoded.text);
  change(document);
  const std::string text = encodeStoreText(document.serialize(), decoded.encoding, decoded.tail);
  if (file.state == StoreFile::State::Read && text == file.text) {
    return {};
  }
  // A store the game would refuse to read at the next start is not written either.
  if (text.size() > kMaxStoreBytes) {
    return failed("it would grow beyond 1 MiB, so it is left as it is");
  }
  if (readOnly(target)) {
    return failed("it is read-only, so it is left alone");
  }
  const WriteOutcome written = writeFileAtomically(target, text);
  if (!written.placed) {
    return failed(written.trouble);
  }
  if (!written.trouble.empty()) {
    std::cerr << app << ": " << path.string() << " was saved, but then " << written.trouble << '\n';
  }
  return {};
}

} // namespace platform
