#pragma once
// Who may read and write the files the game keeps beside the player's own. A store the game replaces
// keeps its owner, group, mode and access lists exactly, so a save never widens nor narrows who may
// read it. What the game creates (its folder, a new store, the lock) belongs to whoever owns the
// folder it is made in: a game once started as root with the player's HOME leaves the player's files
// the player's.
#include <filesystem>
#include <string>

namespace platform {

// Creates the folder and any missing folder above it, each owned as its parent is. Returns the
// reason it failed, or an empty string.
std::string makeFoldersLikeTheirParents(const std::filesystem::path& folder);
// Creates one folder, whose parent exists, owned as its parent is; an existing one is left as it is.
// Returns the reason it failed, or an empty string.
std::string makeFolderLikeItsParent(const std::filesystem::path& folder);

// Gives the open file `fd`, just created in `folder`, the folder's owner and group where that is
// allowed (only root may give a file away); elsewhere it stays the creator's, as it always was.
void takeOwnerOfFolder(int fd, const std::filesystem::path& folder);

// True when the store may not be replaced: no one may write it, or this game may not.
bool readOnly(const std::filesystem::path& path);

// Gives the open file `fd`, which is to replace `old`, old's owner, group, mode and extended
// attributes (its access list among them). For a file that does not exist yet, the folder's owner
// and the mode the umask allows. Returns why the file's access could not be kept, or an empty string.
std::string keepAttributes(const std::filesystem::path& old, int fd);

} // namespace platform
