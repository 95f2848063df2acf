// The settings file: what a hand-edited or damaged file reads as, which files the game reads and
// replaces, what saving keeps, and what a failed save leaves behind.
#include "platform/FileSettingsStore.h"
#include "platform/IniDocument.h"
#include "platform/StoreEncoding.h"
#include "scores/TableChanges.h"
#include "window/Frothwick.h"

#include "StoreCases.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <string>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <tuple>
#include <unistd.h>
#include <vector>

// A file system without locks when a test asks: the store's saves call this program's own flock. Or
// another save's clean-up taking the new temporary file between its creation and its lock.
std::atomic<bool> locksRefused{false};
std::atomic<bool> takenBeforeLock{false};

extern "C" int flock(int fd, int operation) {
  if (locksRefused) {
    errno = ENOLCK;
    return -1;
  }
  if (operation == LOCK_EX && takenBeforeLock.exchange(false)) {
    std::filesystem::remove(std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd)));
  }
  return static_cast<int>(::syscall(SYS_flock, fd, operation));
}

// A file system that takes no bytes of one write and says nothing against it, when a test asks.
std::atomic<bool> nextWriteTakesNothing{false};

extern "C" ssize_t write(int fd, const void* data, std::size_t size) {
  if (fd > STDERR_FILENO && nextWriteTakesNothing.exchange(false)) {
    return 0;
  }
  return ::syscall(SYS_write, fd, data, size);
}

// A network file system that reports a write-back error on closing the new store after it took the old
// one's place, when a test asks.
std::atomic<bool> closeFailsAfterRename{false};
std::atomic<bool> renamed{false};

extern "C" int rename(const char* from, const char* to) {
  const auto result = static_cast<int>(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
  renamed = result == 0 && closeFailsAfterRename;
  return result;
}

extern "C" int close(int fd) {
  const auto result = static_cast<int>(::syscall(SYS_close, fd));
  if (renamed.exchange(false)) {
    errno = EIO;
    return -1;
  }
  return result;
}

// A player with no entry in the password database (a container started with any uid) when a test asks.
std::atomic<bool> noPasswdEntry{false};

extern "C" passwd* getpwuid(uid_t uid) {
  static auto* const real = reinterpret_cast<passwd* (*)(uid_t)>(::dlsym(RTLD_NEXT, "getpwuid"));
  return noPasswdEntry ? nullptr : real(uid);
}

namespace {

using platform::FileSettingsStore;
using platform::IniDocument;
namespace fs = std::filesystem;

using namespace store_cases;

// A signal earlier leaves EINTR behind in errno; the reader still stops at the end of the file.
std::string readText(const fs::path& path) {
  errno = EINTR;
  return platform::readStoreFile(path).text;
}

// Hand-edited and damaged stores, saved back with the table's values as read and the sound on, must
// give the .saved file beside each byte for byte.
TEST(IniDocument, AStoreSavedBackKeepsEveryOtherLineAndWritesEachValueAsRead) {
  int stores = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(FROTHWICK_TEST_DATA) / "settings")) {
    if (entry.path().extension() == ".ini") {
      SCOPED_TRACE(entry.path().filename().string());
      const platform::DecodedText file = platform::decodeStoreText(readText(entry.path()));
      IniDocument doc = IniDocument::parse(file.text);
      for (int rank = 1; rank <= 10; ++rank) {
        for (const std::string& key :
             {"HighScoreName" + std::to_string(rank), "HighScore" + std::to_string(rank)}) {
          if (const auto value = doc.get("Settings", key)) {
            doc.set("Settings", key, *value);
          }
        }
      }
      doc.set("Settings", "Sound", "ON");
      EXPECT_EQ(platform::encodeStoreText(doc.serialize(), file.encoding, file.tail),
                readText(fs::path(entry.path()).replace_extension(".saved")));
      ++stores;
    }
  }
  EXPECT_EQ(stores, 9);
  // A second new section is set apart from the first as the first is from the file.
  IniDocument two = IniDocument::parse("[Other]\nx=1\n\n");
  two.set("A", "k", "1");
  two.set("B", "k", "2");
  EXPECT_EQ(two.serialize(), "[Other]\nx=1\n\n[A]\nk=\"1\"\n\n[B]\nk=\"2\"\n");
  // A key above every section is nobody's, even when [Settings] comes first.
  EXPECT_EQ(IniDocument::parse("Sound=OFF\n[Settings]\n").get("Settings", "Sound"), std::nullopt);
}

TEST(IniDocument, AnyValueReadsBackExactly) {
  const std::string awkward[] = {
      "  spaces at both ends  ",       "quote \" and backslash \\ inside",
      "=[;#] all the INI punctuation", std::string("control\x01\x1f\t\n\r chars", 16),
      "bytes \xC3\xA9\xFF above 127",  "",
      "\\x41 looks like an escape",    std::string(100000, 'x')};
  IniDocument doc = IniDocument::parse("[Settings]\nKey0=old\n");
  for (std::size_t i = 0; i < std::size(awkward); ++i) {
    doc.set("Settings", "Key" + std::to_string(i), awkward[i]);
  }
  const IniDocument reread = IniDocument::parse(doc.serialize());
  for (std::size_t i = 0; i < std::size(awkward); ++i) {
    EXPECT_EQ(reread.get("Settings", "Key" + std::to_string(i)), awkward[i]) << i;
  }
}

constexpr uid_t kNobody = 65534;

// Runs a check as a player without root's powers over files: in a child process as nobody when the
// tests run as root, with a skip message when that is impossible.
bool asPlayer(const fs::path& folder, const std::function<bool()>& check, std::string& skipped) {
  if (::geteuid() != 0) {
    return check();
  }
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    static_cast<void>(::lchown(entry.path().c_str(), kNobody, kNobody));
  }
  static_cast<void>(::lchown(folder.c_str(), kNobody, kNobody));
  const pid_t child = ::fork();
  if (child == 0) {
    ::_exit(::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 ? 77 : static_cast<int>(!check()));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  const int exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  skipped = exit == 77 ? "cannot become an unprivileged user to try file permissions" : "";
  return exit == 0;
}

// The cases only POSIX systems have; each case on its own, so that one that cannot be tried here is
// skipped alone.
std::vector<StoreCase> storeCases() {
  std::vector<StoreCase> cases = everySystemsCases();
  cases.insert(
      cases.end(),
      {{"a pipe", [](const fs::path& f) { ::mkfifo(f.c_str(), 0644); }, "not a regular file", "left alone"},
       {"a link to /dev/zero", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); },
        "not a regular file", "left alone"},
       {"without read permission", knownWith(fs::perms::owner_write), "Permission denied", "left alone"},
       {"in a folder the player may not write to",
        [](const fs::path& f) {
          fs::remove(f.parent_path());
          fs::permissions(f.parent_path().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
        },
        "", "Permission denied"}});
  return cases;
}

class StoreFiles : public ::testing::TestWithParam<StoreCase> {};

// Which files are read, which are replaced, and what is left of each after a save; the cases about
// permissions are tried as a player without root's powers over files.
TEST_P(StoreFiles, AreReadAndReplacedOnlyWhenReadableWritableRegularFiles) {
  const StoreCase& c = GetParam();
  const bool aboutPermissions = std::string(c.problem) == "Permission denied" ||
                                std::string(c.saveError) == "read-only" ||
                                std::string(c.saveError) == "Permission denied";
  TempFolder temp;
  fs::path file = temp.path / "Frothwick" / "settings.ini";
  fs::create_directories(file.parent_path());
  c.make(file);
  const auto before = fs::symlink_status(file).type();
  std::string skipped;
  const std::function<bool()> check = [&] { return answersAsTold(c, file); };
  // A file without write permission is read-only also to root, whom the system would let write it.
  const bool rootToo = std::string(c.saveError) == "read-only" && ::geteuid() == 0;
  const bool ok = (!rootToo || check()) && (aboutPermissions ? asPlayer(temp.path, check, skipped) : check());
  if (!skipped.empty()) {
    GTEST_SKIP() << skipped;
  }
  EXPECT_TRUE(ok);
  EXPECT_EQ(fs::symlink_status(file).type(), *c.saveError == '\0' ? fs::file_type::regular : before);
  if (aboutPermissions && fs::exists(file)) {
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(readText(file), kKnownStore);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, StoreFiles, ::testing::ValuesIn(storeCases()), caseName);

TEST(FileSettingsStore, ASaveChangesOnlyWhatItSetsAndKeepsThePlayersFiles) {
  TempFolder temp;
  const fs::path folder = temp.path / "Frothwick";
  const fs::path elsewhere = temp.path / "dotfiles" / "frothwick.ini";
  const std::string mine = "; mine\r\n[Settings]\r\nHighScore1= +300 \r\nSound=\"OFF\"\r\n[Other]\r\nx=1\r\n";
  writeFile(elsewhere, mine);
  ::chmod(elsewhere.c_str(), 0640);
  fs::create_directories(folder);
  const fs::path link = folder / "settings.ini";
  fs::create_symlink(elsewhere, link);
  // The player's own files of similar names stay; an abandoned save of the game's own goes.
  const std::vector<std::string> kept = {".frothwick.ini.backup", ".frothwick.ini.2024-1",
                                         ".frothwick.ini.frothwick-SAVE-abc123",
                                         ".frothwick.ini.frothwick-save-abc1234"};
  for (const std::string& name : kept) {
    writeFile(elsewhere.parent_path() / name, "x");
  }
  writeFile(elsewhere.parent_path() / ".frothwick.ini.frothwick-save-abc123", "x");
  ASSERT_EQ(saveSoundOn(link), "");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readText(link),
            "; mine\r\n[Settings]\r\nHighScore1= +300 \r\nSound=\"ON\"\r\n[Other]\r\nx=1\r\n");
  struct stat st {};
  ::stat(elsewhere.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640U);
  for (const std::string& name : kept) {
    EXPECT_TRUE(fs::exists(elsewhere.parent_path() / name)) << name;
  }
  EXPECT_FALSE(fs::exists(elsewhere.parent_path() / ".frothwick.ini.frothwick-save-abc123"));
  // A store saved as UTF-16 is read as such and written back in it.
  const fs::path wide = temp.path / "wide" / "settings.ini";
  fs::create_directories(wide.parent_path());
  fs::copy_file(fs::path(FROTHWICK_TEST_DATA) / "settings" / "utf16le.ini", wide);
  ASSERT_EQ(saveSoundOn(wide), "");
  EXPECT_EQ(platform::encodeStoreText(
                "\xEF\xBB\xBF[Settings]\r\nHighScoreName1=Zo\xC3\xAB\r\nHighScore1=700\r\nSound=\"ON\"\r\n",
                platform::TextEncoding::Utf16LittleEndian, ""),
            readText(wide));
  // A new store is made with what the umask allows, on a file system without locks too.
  const mode_t previous = ::umask(077);
  const fs::path fresh = temp.path / "fresh" / "settings.ini";
  locksRefused = true;
  const std::string error = saveSoundOn(fresh);
  locksRefused = false;
  ::umask(previous);
  ASSERT_EQ(error, "");
  EXPECT_EQ(readText(fresh), "[Settings]\nSound=\"ON\"\n");
  ::stat(fresh.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0600U);
}

TEST(FileSettingsStore, AFailedSaveSaysWhyAndLeavesTheOldFileWhole) {
  TempFolder temp;
  fs::path file = temp.path / "Frothwick" / "settings.ini";
  const std::string old = "[Settings]\nHighScoreName1=\"KEEP ME\"\nHighScore1=\"999\"\n";
  writeFile(file, old);
  // The disk "fills up" after a few bytes of the new file.
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit tiny{40, saved.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &tiny);
  const std::string error = saveSoundOn(file);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_NE(error.find(file.string()), std::string::npos) << error;
  EXPECT_EQ(readText(file), old);
}

TEST(FileSettingsStore, TheStoreIsUnderAFullConfigFolderOrTheHomeFolder) {
  const passwd* entry = ::getpwuid(::getuid());
  if (entry == nullptr) {
    GTEST_SKIP() << "this user has no entry in the password database";
  }
  const std::string passwdHome = entry->pw_dir;
  const std::tuple<const char*, const char*, std::string> cases[] = {
      // XDG_CONFIG_HOME, HOME (nullptr: unset)
      {"/x/config", "/h", "/x/config/Frothwick/settings.ini"},
      {"relative/config", "/h", "/h/.config/Frothwick/settings.ini"},
      {nullptr, "/h", "/h/.config/Frothwick/settings.ini"},
      {nullptr, nullptr, passwdHome + "/.config/Frothwick/settings.ini"}};
  const auto put = [](const char* name, const char* value) {
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
  };
  const std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  for (const auto& [xdg, home, want] : cases) {
    put("XDG_CONFIG_HOME", xdg);
    put("HOME", home);
    EXPECT_EQ(FileSettingsStore::defaultPath("Frothwick"), want);
  }
  noPasswdEntry = true; // and HOME unset: no folder at all
  EXPECT_EQ(FileSettingsStore::defaultPath("Frothwick"), fs::path());
  noPasswdEntry = false;
  put("XDG_CONFIG_HOME", oldXdg.empty() ? nullptr : oldXdg.c_str());
  put("HOME", oldHome.c_str());
}

// What a file system does for a moment does not stop a save: a write that took nothing is made
// again, and a temporary file taken away before it was locked is made anew.
TEST(FileSettingsStore, ASaveGoesOnThroughAWriteThatTookNothingAndATemporaryTakenAway) {
  TempFolder temp;
  const fs::path file = temp.path / "Frothwick" / "settings.ini";
  writeFile(file, "[Settings]\nSound=\"OFF\"\n");
  takenBeforeLock = true;
  nextWriteTakesNothing = true;
  EXPECT_EQ(saveSoundOn(file), "");
  EXPECT_FALSE(takenBeforeLock.exchange(false)) << "no temporary file was taken away";
  EXPECT_FALSE(nextWriteTakesNothing.exchange(false)) << "no write took nothing";
  EXPECT_EQ(readText(file), "[Settings]\nSound=\"ON\"\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 2)
      << "the store and its lock, and nothing else";
}

// Once the new store has taken the old one's place the save has happened: a later error is told as
// such, and the same entry saved again still stands once.
TEST(FileSettingsStore, ASaveInPlaceHasHappenedWhateverClosingItSays) {
  TempFolder temp;
  fs::path file = temp.path / "Frothwick" / "settings.ini";
  writeFile(file, "[Settings]\nHighScoreName1=\"OLD\"\nHighScore1=\"500\"\n");
  FileSettingsStore store([&](const std::string&) { return file; }, kFrothwick.fileTag);
  const auto enter = [](IniDocument& doc) { scores::ApplyTableChanges(doc, {{false, 13595, "DUP"}}); };
  closeFailsAfterRename = true;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(store.update("Frothwick", enter), "");
  closeFailsAfterRename = false;
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("settings.ini was saved, but then close: Input/output error"), std::string::npos) << err;
  EXPECT_EQ(store.update("Frothwick", enter), "");
  const IniDocument saved = IniDocument::parse(readText(file));
  for (const auto& [rank, name, score] : {std::tuple{1, "DUP", "13595"}, {2, "OLD", "500"}, {3, "", "0"}}) {
    EXPECT_EQ(saved.get("Settings", "HighScoreName" + std::to_string(rank)).value_or(""), name) << rank;
    EXPECT_EQ(saved.get("Settings", "HighScore" + std::to_string(rank)).value_or("0"), score) << rank;
  }
}

// Who may read and write a store is the player's business: a save keeps its owner, mode and access
// list, and what the game makes for it belongs to whoever owns the folder, even in a run as root.
TEST(FileSettingsStore, ASaveKeepsWhoMayReadTheStoreAndWhatItMakesIsTheFolderOwners) {
  if (::geteuid() != 0) {
    GTEST_SKIP() << "only root can give files to another user";
  }
  constexpr uid_t kPlayer = 4242;
  TempFolder temp;
  const fs::path home = temp.path / "home";
  fs::create_directories(home);
  ::chmod(temp.path.c_str(), 0755);
  ASSERT_EQ(::chown(home.c_str(), kPlayer, kPlayer), 0);
  const fs::path file = home / ".config" / "Frothwick" / "settings.ini";
  ASSERT_EQ(saveSoundOn(file), "");
  for (const fs::path& made :
       {home / ".config", file.parent_path(), file, platform::besideStore(file, kFrothwick.fileTag).lock}) {
    struct stat st {};
    ::lstat(made.c_str(), &st);
    EXPECT_EQ(st.st_uid, kPlayer) << made;
    EXPECT_EQ(st.st_gid, kPlayer) << made;
  }
  // The player's store, shared with one other user (chmod 600, then setfacl -m u:4343:rw), with a note.
  std::string acl(4, '\0');
  acl[0] = 2; // the access list's version, then tag, permissions and id of each entry
  for (const auto& [tag, perms, id] :
       {std::tuple{1, 6, ~0U}, {2, 6, 4343U}, {4, 0, ~0U}, {0x10, 6, ~0U}, {0x20, 0, ~0U}}) {
    const std::uint16_t head[2] = {static_cast<std::uint16_t>(tag), static_cast<std::uint16_t>(perms)};
    acl.append(reinterpret_cast<const char*>(head), sizeof head)
        .append(reinterpret_cast<const char*>(&id), sizeof id);
  }
  ::chmod(file.c_str(), 0600);
  ASSERT_EQ(::setxattr(file.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0), 0)
      << std::strerror(errno);
  // A note, an empty mark and a note longer than a first guess of its size, all kept.
  const std::string longNote(300, 'n');
  ASSERT_EQ(::setxattr(file.c_str(), "user.note", "mine", 4, 0), 0);
  ASSERT_EQ(::setxattr(file.c_str(), "user.mark", "", 0, 0), 0);
  ASSERT_EQ(::setxattr(file.c_str(), "user.long", longNote.data(), longNote.size(), 0), 0);
  const auto access = [&] {
    struct stat st {};
    ::stat(file.c_str(), &st);
    std::string list(acl.size() + 16, '\0');
    list.resize(static_cast<std::size_t>(
        std::max<ssize_t>(0, ::getxattr(file.c_str(), "system.posix_acl_access", list.data(), list.size()))));
    std::string notes; // each as its size, a colon and its value
    for (const char* name : {"user.note", "user.mark", "user.long"}) {
      std::string value(2048, '\0');
      const ssize_t size = ::getxattr(file.c_str(), name, value.data(), value.size());
      notes += std::to_string(size) + ":" +
               value.substr(0, static_cast<std::size_t>(std::max<ssize_t>(size, 0))) + " ";
    }
    return std::tuple{st.st_mode & 07777, st.st_uid, st.st_gid, list, notes};
  };
  const auto before = access();
  EXPECT_EQ(before, std::tuple(0660U, kPlayer, kPlayer, acl, "4:mine 0: 300:" + longNote + " "));
  ASSERT_EQ(saveSoundOn(file, "OFF"), "");
  EXPECT_EQ(access(), before) << "saved by root";
  const pid_t child = ::fork();
  if (child == 0) {
    ::_exit(::setgid(kPlayer) != 0 || ::setuid(kPlayer) != 0 ? 2
                                                             : static_cast<int>(!saveSoundOn(file).empty()));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(access(), before) << "saved by the player";
  EXPECT_EQ(IniDocument::parse(readText(file)).get("Settings", "Sound"), "ON");
}

} // namespace
