#include "platform/StoreLock.h"

#include "platform/StoreFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <thread>
#include <windows.h>

namespace platform {

namespace {

// The lock file, open for as long as the lock is held, as a C run-time descriptor; -1 with errno set
// when it cannot be opened.
HANDLE openLockFile(const std::filesystem::path& lockFile) {
  HANDLE file = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  }
  return file;
}

} // namespace

StoreLock::StoreLock(const std::filesystem::path& lockFile, const std::function<bool()>& keepWaiting)
    : fd_(-1) {
  HANDLE file = openLockFile(lockFile);
  if (file == INVALID_HANDLE_VALUE) {
    problem_ = std::strerror(errno);
    return;
  }
  const auto giveUp = std::chrono::steady_clock::now() + kPatience;
  for (;;) {
    OVERLAPPED whole{};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                   &whole) != FALSE) {
      break;
    }
    if (GetLastError() != ERROR_LOCK_VIOLATION) {
      break; // a file system without locks: the save goes on without one, as on Linux
    }
    if (std::chrono::steady_clock::now() >= giveUp || (keepWaiting && !keepWaiting())) {
      CloseHandle(file);
      problem_ = "another program keeps " + lockFile.filename().string() + " locked";
      return;
    }
    std::this_thread::sleep_for(kRetry);
  }
  fd_ = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR);
  if (fd_ < 0) {
    CloseHandle(file);
    problem_ = "cannot keep the lock file open";
  }
}

// Closing the file lets go of its lock.
StoreLock::~StoreLock() {
  if (fd_ >= 0) {
    _close(fd_);
  }
}

} // namespace platform
