#include "platform/StoreAttributes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <string_view>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string errnoText(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

// The access lists carry permissions: one that cannot be kept fails the save rather than leave the
// store readable by others or closed to the ones it was shared with.
bool carriesPermissions(std::string_view name) {
  return name.starts_with("system.posix_acl_");
}

// The names of a file's extended attributes; none on a file system without them.
std::vector<std::string> attributeNames(const std::function<ssize_t(char*, std::size_t)>& list) {
  std::vector<char> buffer(256);
  ssize_t size = list(buffer.data(), buffer.size());
  while (size < 0 && errno == ERANGE) {
    buffer.resize(buffer.size() * 4);
    size = list(buffer.data(), buffer.size());
  }
  std::vector<std::string> names;
  for (ssize_t at = 0; at < size;) {
    names.emplace_back(buffer.data() + at);
    at += static_cast<ssize_t>(names.back().size()) + 1;
  }
  return names;
}

std::string copyAttribute(const fs::path& old, int fd, const std::string& name) {
  std::vector<char> value(256);
  ssize_t size = ::getxattr(old.c_str(), name.c_str(), value.data(), value.size());
  while (size < 0 && errno == ERANGE) {
    value.resize(value.size() * 4);
    size = ::getxattr(old.c_str(), name.c_str(), value.data(), value.size());
  }
  if (size < 0 || ::fsetxattr(fd, name.c_str(), value.data(), static_cast<std::size_t>(size), 0) != 0) {
    return errnoText("cannot keep its attribute " + name);
  }
  return {};
}

// The new file may have taken a default access list from its folder: it keeps only what the old had.
std::string copyAttributes(const fs::path& old, int fd) {
  const auto oldNames =
      attributeNames([&](char* list, std::size_t size) { return ::listxattr(old.c_str(), list, size); });
  for (const std::string& name :
       attributeNames([&](char*list, std::size_t size) { return ::flistxattr(fd, list, size); })) {
    if (std::find(oldNames.begin(), oldNames.end(), name) == oldNames.end()) {
      ::fremovexattr(fd, name.c_str());
    }
  }
  for (const std::string& name : oldNames) {
    if (std::string why = copyAttribute(old, fd, name); !why.empty() && carriesPermissions(name)) {
      return why;
    }
  }
  return {};
}

void giveOwner(int fd, const struct stat& like) {
  // A player may keep a group they belong to, though not another owner.
  if (::fchown(fd, like.st_uid, like.st_gid) != 0) {
    static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), like.st_gid));
  }
}

} // namespace

std::string makeFolderLikeItsParent(const fs::path& folder) {
  if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
    return errnoText("cannot create folder " + folder.string());
  }
  struct stat parent {};
  if (::stat(folder.parent_path().c_str(), &parent) == 0) {
    static_cast<void>(::lchown(folder.c_str(), parent.st_uid, parent.st_gid));
  }
  return {};
}

void takeOwnerOfFolder(int fd, const fs::path& folder) {
  struct stat owner {};
  struct stat file {};
  if (::stat(folder.c_str(), &owner) == 0 && ::fstat(fd, &file) == 0 &&
      (file.st_uid != owner.st_uid || file.st_gid != owner.st_gid)) {
    giveOwner(fd, owner);
  }
}

bool readOnly(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0);
}

std::string keepAttributes(const fs::path& old, int fd) {
  struct stat was {};
  if (::stat(old.c_str(), &was) != 0) {
    takeOwnerOfFolder(fd, old.parent_path());
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ::fchmod(fd, 0666 & ~mask) == 0 ? std::string{} : errnoText("cannot set its mode");
  }
  giveOwner(fd, was);
  if (::fchmod(fd, was.st_mode & 07777) != 0) {
    return errnoText("cannot keep its mode");
  }
  return copyAttributes(old, fd);
}

} // namespace platform
