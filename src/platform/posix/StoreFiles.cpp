#include "platform/StoreFiles.h"
#include "platform/StoreAttributes.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

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

std::string errnoReason() {
  return std::strerror(errno);
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

StoreFile unreadable(std::string reason) {
  return {StoreFile::State::Unreadable, {}, std::move(reason)};
}

// Reads an open regular file of at most kMaxStoreBytes, whatever it has grown to since it was looked at.
StoreFile readOpenFile(int fd) {
  std::string text(kMaxStoreBytes + 1, '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      return unreadable(errnoReason());
    }
    if (n == 0) {
      break;
    }
    got += static_cast<std::size_t>(n);
  }
  if (got > kMaxStoreBytes) {
    return unreadable("larger than 1 MiB");
  }
  text.resize(got);
  text.shrink_to_fit();
  return {StoreFile::State::Read, std::move(text), {}};
}

} // namespace

StoreFile readStoreFile(const fs::path& path) {
  struct stat named {};
  if (::stat(path.c_str(), &named) != 0) {
    // Nothing there, or a folder on the way is missing or a file: no scores kept yet.
    return errno == ENOENT || errno == ENOTDIR ? StoreFile{} : unreadable(errnoReason());
  }
  if (!S_ISREG(named.st_mode)) {
    return unreadable(S_ISDIR(named.st_mode) ? "a folder, not a file" : "not a regular file");
  }
  if (static_cast<std::size_t>(named.st_size) > kMaxStoreBytes) {
    return unreadable("larger than 1 MiB");
  }
  // Not blocking, and checked again once open: the name may have been given to a pipe meanwhile.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return unreadable(errnoReason());
  }
  struct stat opened {};
  StoreFile file = ::fstat(fd, &opened) != 0  ? unreadable(errnoReason())
                   : !S_ISREG(opened.st_mode) ? unreadable("not a regular file")
                                              : readOpenFile(fd);
  ::close(fd);
  return file;
}

WriteOutcome writeFileAtomically(const fs::path& path, const std::string& text,
                                 const fs::path& temporaryPrefix) {
  if (std::string why = makeFoldersLikeTheirParents(path.parent_path()); !why.empty()) {
    return {false, why};
  }
  // A name no player would give a file of their own, so that the clean-up only ever takes the game's.
  const std::string prefix = temporaryPrefix.filename().string();
  removeStaleTemporaries(path, prefix);
  std::string temp;
  const int fd = createLockedTemporary((path.parent_path() / (prefix + "XXXXXX")).string(), temp);
  if (fd < 0) {
    return {false, errnoText("cannot create temporary file")};
  }
  // The file stays open, and so locked, until it has its place.
  std::string error = keepAttributes(path, fd);
  if (error.empty()) {
    error = writeAll(fd, text);
  }
  if (error.empty() && ::rename(temp.c_str(), path.c_str()) != 0) {
    error = errnoText("rename");
  }
  if (!error.empty()) {
    ::unlink(temp.c_str());
    ::close(fd);
    return {false, error};
  }
  // The new store is in place and its bytes were synced before: the save has happened, whatever
  // closing the file or syncing the folder says now.
  WriteOutcome placed{true, {}};
  if (::close(fd) != 0) {
    placed.trouble = errnoText("close");
  }
  const int dir = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0 || ::fsync(dir) != 0) {
    placed.trouble = errnoText("syncing its folder");
  }
  if (dir >= 0) {
    ::close(dir);
  }
  return placed;
}

} // namespace platform
