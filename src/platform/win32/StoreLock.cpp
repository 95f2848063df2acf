#include "platform/StoreLock.h"

#include "platform/FileSettingsStore.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace platform {

namespace {

// The lock file, open for as long as the lock is held, as a C run-time descriptor.
int openLockFile(const std::filesystem::path& store) {
  HANDLE file = CreateFileW(besideStore(store, ".frothwick-lock").c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return -1;
  }
  OVERLAPPED whole{};
  if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole) == FALSE) {
    CloseHandle(file);
    errno = ENOLCK;
    return -1;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR);
  if (fd < 0) {
    CloseHandle(file);
  }
  return fd;
}

} // namespace

StoreLock::StoreLock(const std::filesystem::path& store) : fd_(openLockFile(store)) {}

// Closing the file lets go of its lock.
StoreLock::~StoreLock() {
  if (fd_ >= 0) {
    _close(fd_);
  }
}

} // namespace platform
