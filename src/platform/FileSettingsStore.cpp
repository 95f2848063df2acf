#include "platform/FileSettingsStore.h"

#include "platform/StoreAttributes.h"
#include "platform/StoreEncoding.h"
#include "platform/StoreLock.h"

#include <cerrno>
#include <cstring>
#include <iostream>

namespace platform {

namespace fs = std::filesystem;

namespace {

// A settings file that is a symbolic link (a dotfile manager's) stays one: the file it leads to is the
// one replaced, in its own folder.
fs::path followLinks(fs::path path) {
  constexpr int kMaxLinks = 40;
  std::error_code ec;
  for (int i = 0; i < kMaxLinks && fs::is_symlink(fs::symlink_status(path, ec)); ++i) {
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) {
      break;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

} // namespace

FileSettingsStore::Loaded& FileSettingsStore::loaded(const std::string& app) {
  auto it = loaded_.find(app);
  if (it == loaded_.end()) {
    const fs::path path = pathFor_(app);
    Loaded fresh;
    if (path.empty()) {
      fresh.problem = "there is no home folder to keep it in";
    } else if (StoreFile file = readStoreFile(path); file.state == StoreFile::State::Unreadable) {
      fresh.problem = path.string() + ": " + file.reason;
    } else {
      fresh.document = IniDocument::parse(decodeStoreText(file.text).text);
    }
    it = loaded_.emplace(app, std::move(fresh)).first;
  }
  return it->second;
}

std::string FileSettingsStore::problem(const std::string& app) {
  return loaded(app).problem;
}

std::string FileSettingsStore::get(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& fallback) {
  return loaded(app).document.get(section, key).value_or(fallback);
}

std::string FileSettingsStore::update(const std::string& app,
                                      const std::function<void(IniDocument&)>& change) {
  if (const std::string& why = problem(app); !why.empty()) {
    return why + " (it could not be read, so it is left alone)";
  }
  const fs::path path = pathFor_(app);
  const auto failed = [&](const std::string& why) { return path.string() + ": " + why; };
  std::error_code ec;
  const fs::path target = followLinks(fs::absolute(path, ec));
  if (std::string why = makeFoldersLikeTheirParents(target.parent_path()); !why.empty()) {
    return failed(why);
  }
  const FilesBesideStore beside = besideStore(target, fileTag_);
  const StoreLock lock(beside.lock, keepWaiting_);
  if (!lock.held()) {
    return failed("cannot lock it: " + lock.problem());
  }
  // The store as it is now: another game may have saved since this one started.
  StoreFile file = readStoreFile(target);
  if (file.state == StoreFile::State::Unreadable) {
    return failed(file.reason + " (it could not be read, so it is left alone)");
  }
  const DecodedText decoded = decodeStoreText(file.text);
  IniDocument document = IniDocument::parse(decoded.text);
  change(document);
  const std::string text = encodeStoreText(document.serialize(), decoded.encoding, decoded.tail);
  if (file.state == StoreFile::State::Read && text == file.text) {
    return {};
  }
  // A store the game would refuse to read at the next start is not written either.
  if (text.size() > kMaxStoreBytes) {
    return failed("it would grow beyond 1 MiB, so it is left as it is");
  }
  if (readOnly(target)) {
    return failed("it is read-only, so it is left alone");
  }
  const WriteOutcome written = writeFileAtomically(target, text, beside.savePrefix);
  if (!written.placed) {
    return failed(written.trouble);
  }
  if (!written.trouble.empty()) {
    std::cerr << app << ": " << path.string() << " was saved, but then " << written.trouble << '\n';
  }
  return {};
}

// Built by appending, in the system's own characters: a name in any alphabet stays as it is.
FilesBesideStore besideStore(const std::filesystem::path& store, std::string_view fileTag) {
  std::filesystem::path name = ".";
  name += store.filename().native();
  name += ".";
  name += fileTag;
  const auto named = [&](const char* what) {
    fs::path file = name;
    file += what;
    return store.parent_path() / file;
  };
  return {named("-lock"), named("-save-")};
}

} // namespace platform
