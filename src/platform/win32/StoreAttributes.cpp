#include "platform/StoreAttributes.h"

#include "platform/win32/WideText.h"

#include <windows.h>

namespace platform {

namespace fs = std::filesystem;

// A folder's new files and folders inherit its access list on Windows: nothing to give away.
std::string makeFolderLikeItsParent(const fs::path& folder) {
  if (CreateDirectoryW(folder.c_str(), nullptr) == FALSE && GetLastError() != ERROR_ALREADY_EXISTS) {
    return win32::lastErrorText("cannot create folder " + folder.string());
  }
  return {};
}

// A folder's new files inherit its access list on Windows: nothing to give away.
void takeOwnerOfFolder(int, const fs::path&) {}

bool readOnly(const fs::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return false;
  }
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return true;
  }
  // Its access list may close it to this player: then it may not be written, nor replaced.
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return GetLastError() == ERROR_ACCESS_DENIED;
  }
  CloseHandle(file);
  return false;
}

// ReplaceFileW gives the new store the replaced one's access list, attributes and streams; a new
// store takes its folder's, as every new file does.
std::string keepAttributes(const fs::path&, int) {
  return {};
}

} // namespace platform
