#pragma once
// Holds the store's lock for as long as it lives: a file beside the store (besideStore), locked whole, so
// that two games saving at once take turns. Another program that keeps it locked makes the save fail after
// about two seconds, as a full disk would, rather than hold the game until it lets go. A file system
// without locks saves without one.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace platform {

class StoreLock {
public:
  StoreLock(const std::filesystem::path& lockFile, const std::function<bool()>& keepWaiting);
  ~StoreLock();
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;
  bool held() const { return fd_ >= 0; }
  const std::string& problem() const { return problem_; }

private:
  static constexpr std::chrono::milliseconds kPatience{2000};
  static constexpr std::chrono::milliseconds kRetry{50};

  void fail(std::string why);

  int fd_;
  std::string problem_;
};

} // namespace platform
