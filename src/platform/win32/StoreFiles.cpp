#include "platform/StoreFiles.h"
#include "platform/StoreAttributes.h"
#include "platform/win32/WideText.h"

#include <random>
#include <windows.h>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

StoreFile unreadable(std::string reason) {
  return {StoreFile::State::Unreadable, {}, std::move(reason)};
}

// Reads an open file of at most kMaxStoreBytes, whatever it has grown to since it was looked at.
StoreFile readOpenFile(HANDLE file) {
  std::string text(kMaxStoreBytes + 1, '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    DWORD n = 0;
    if (ReadFile(file, text.data() + got, static_cast<DWORD>(text.size() - got), &n, nullptr) == FALSE) {
      return unreadable(win32::errorText(GetLastError()));
    }
    if (n == 0) {
      break;
    }
    got += n;
  }
  if (got > kMaxStoreBytes) {
    return unreadable("larger than 1 MiB");
  }
  text.resize(got);
  text.shrink_to_fit();
  return {StoreFile::State::Read, std::move(text), {}};
}

std::string writeAll(HANDLE file, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD n = 0;
    if (WriteFile(file, text.data() + done, static_cast<DWORD>(text.size() - done), &n, nullptr) == FALSE) {
      return win32::lastErrorText("write");
    }
    done += n;
  }
  return FlushFileBuffers(file) != FALSE ? std::string{} : win32::lastErrorText("flush");
}

// A save killed part-way leaves its temporary file behind; the next save removes those of this
// file's own naming. One that a living save still has open cannot be opened alone, and is left.
void removeStaleTemporaries(const fs::path& path, const std::wstring& prefix) {
  std::error_code ec;
  fs::directory_iterator it(path.parent_path(), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::wstring name = it->path().filename().wstring();
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) {
      continue;
    }
    HANDLE file = CreateFileW(it->path().c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
    }
  }
}

// Creates the temporary file: the prefix and six random letters and digits, as on every system.
HANDLE createTemporary(const fs::path& folder, const std::wstring& prefix, fs::path& temp) {
  static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kLetters) - 2);
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::wstring name = prefix;
    for (int i = 0; i < 6; ++i) {
      name += kLetters[pick(random)];
    }
    temp = folder / name;
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
      return file;
    }
  }
  return INVALID_HANDLE_VALUE;
}

// The new file takes the old one's place in one step. Replacing keeps the old store's access list
// and attributes; a first store is moved into place.
bool putInPlace(const fs::path& temp, const fs::path& path) {
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return ReplaceFileW(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                        nullptr) != FALSE;
  }
  return MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

} // namespace

StoreFile readStoreFile(const fs::path& path) {
  std::error_code ec;
  const fs::file_status named = fs::status(path, ec);
  if (named.type() == fs::file_type::not_found) {
    return {};
  }
  if (ec) {
    return unreadable(ec.message());
  }
  if (named.type() != fs::file_type::regular) {
    return unreadable(named.type() == fs::file_type::directory ? "a folder, not a file"
                                                               : "not a regular file");
  }
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return unreadable(win32::errorText(GetLastError()));
  }
  LARGE_INTEGER size{};
  StoreFile read =
      GetFileType(file) != FILE_TYPE_DISK ? unreadable("not a regular file")
      : GetFileSizeEx(file, &size) != FALSE && static_cast<std::size_t>(size.QuadPart) > kMaxStoreBytes
          ? unreadable("larger than 1 MiB")
          : readOpenFile(file);
  CloseHandle(file);
  return read;
}

WriteOutcome writeFileAtomically(const fs::path& path, const std::string& text,
                                 const fs::path& temporaryPrefix) {
  if (std::string why = makeFoldersLikeTheirParents(path.parent_path()); !why.empty()) {
    return {false, why};
  }
  // A name no player would give a file of their own, so that the clean-up only ever takes the game's.
  const std::wstring prefix = temporaryPrefix.filename().wstring();
  removeStaleTemporaries(path, prefix);
  fs::path temp;
  HANDLE file = createTemporary(path.parent_path(), prefix, temp);
  if (file == INVALID_HANDLE_VALUE) {
    return {false, win32::lastErrorText("cannot create temporary file")};
  }
  std::string error = writeAll(file, text);
  // Closed before it moves: Windows moves a file only when no one else has it open for writing.
  const bool closed = CloseHandle(file) != FALSE;
  if (error.empty() && !closed) {
    error = win32::lastErrorText("close");
  }
  if (error.empty() && !putInPlace(temp, path)) {
    error = win32::lastErrorText("replace");
  }
  if (!error.empty()) {
    DeleteFileW(temp.c_str());
    return {false, error};
  }
  return {true, {}};
}

} // namespace platform
