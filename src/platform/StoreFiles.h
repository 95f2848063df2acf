#pragma once
// The store's files themselves, as each system reads and replaces them (posix/ and win32/
// StoreFiles.cpp), and the names of the game's own files beside a store.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// A settings file bigger than this is not the game's: nothing the game writes comes near it.
constexpr std::size_t kMaxStoreBytes = 1 << 20;

// What reading a settings file found. Only a regular file of at most kMaxStoreBytes is read; a pipe
// or a device is never opened for reading, so looking at one cannot hang.
struct StoreFile {
  enum class State { Absent, Read, Unreadable };
  State state = State::Absent;
  std::string text;
  std::string reason; // why it is unreadable
};
StoreFile readStoreFile(const std::filesystem::path& path);

// What writing a store came to: whether the new file took the old one's place, and what went wrong:
// why it failed, or, once in place, what went wrong after (closing it, syncing its folder).
struct WriteOutcome {
  bool placed = false;
  std::string trouble;
};

// Writes text to path through a temporary file in the same folder, flushed and renamed into place,
// with the owner, mode and access lists of the file it replaces. The temporary file is named
// `temporaryPrefix` and six letters and digits; a save killed part-way leaves it behind, and the next
// save removes files so named.
WriteOutcome writeFileAtomically(const std::filesystem::path& path, const std::string& text,
                                 const std::filesystem::path& temporaryPrefix);

// The game's own hidden files beside a store, named "." + the store's name + "." + the game's file
// tag and what each is, so that no file of the player's is ever taken for one of them.
struct FilesBesideStore {
  std::filesystem::path lock;       // the lock a save holds
  std::filesystem::path savePrefix; // the start of a save's temporary file
};
FilesBesideStore besideStore(const std::filesystem::path& store, std::string_view fileTag);

} // namespace platform
