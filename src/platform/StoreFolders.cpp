#include "platform/StoreAttributes.h"

namespace platform {

namespace fs = std::filesystem;

std::string makeFoldersLikeTheirParents(const fs::path& folder) {
  std::error_code ec;
  if (folder.empty() || fs::is_directory(folder, ec)) {
    return {};
  }
  if (std::string why = makeFoldersLikeTheirParents(folder.parent_path()); !why.empty()) {
    return why;
  }
  if (std::string why = makeFolderLikeItsParent(folder); !why.empty()) {
    return why;
  }
  return fs::is_directory(folder, ec) ? std::string{}
                                      : "cannot create folder " + folder.string() + ": not a folder";
}

} // namespace platform
