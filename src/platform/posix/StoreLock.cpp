#include "platform/StoreLock.h"

#include "platform/StoreAttributes.h"
#include "platform/StoreFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace platform {

StoreLock::StoreLock(const std::filesystem::path& lockFile, const std::function<bool()>& keepWaiting)
    : fd_(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666)) {
  if (fd_ < 0) {
    problem_ = std::strerror(errno);
    return;
  }
  takeOwnerOfFolder(fd_, lockFile.parent_path());
  const auto giveUp = std::chrono::steady_clock::now() + kPatience;
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) {
      continue;
    }
    if (errno != EWOULDBLOCK) {
      return;
    }
    if (std::chrono::steady_clock::now() >= giveUp || (keepWaiting && !keepWaiting())) {
      fail("another program keeps " + lockFile.filename().string() + " locked");
      return;
    }
    std::this_thread::sleep_for(kRetry);
  }
}

StoreLock::~StoreLock() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

void StoreLock::fail(std::string why) {
  problem_ = std::move(why);
  ::close(fd_);
  fd_ = -1;
}

} // namespace platform
