// The store on Windows held to the tables of the Linux store: what is read and what is replaced, a
// save that changes only what it sets, the lock two games take turns on, the temporary files, and a
// player whose folder is named in any alphabet.
#include "platform/FileSettingsStore.h"
#include "platform/win32/WideText.h"
#include "window/Frothwick.h"

#include "StoreCases.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>
#include <windows.h>

// A folder that says, once when a test asks, that the name a save drew for its temporary file is
// taken, as when another game's save drew the same six letters. The game calls CreateFileW through
// this program's import table, where the test puts its own in front of the system's.
using CreateFileWCall = decltype(&CreateFileW);
extern "C" CreateFileWCall __imp_CreateFileW; // NOLINT(bugprone-reserved-identifier): the table's own name
namespace {
std::atomic<bool> nextNewNameTaken{false};
CreateFileWCall systemCreateFileW = nullptr;

HANDLE WINAPI createFileTakingOneNewName(LPCWSTR name, DWORD access, DWORD share,
                                         LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                                         HANDLE model) {
  if (disposition == CREATE_NEW && nextNewNameTaken.exchange(false)) {
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
  }
  return systemCreateFileW(name, access, share, security, disposition, flags, model);
}

[[maybe_unused]] const bool kCreateFilePlanted = [] {
  DWORD was = 0;
  VirtualProtect(&__imp_CreateFileW, sizeof __imp_CreateFileW, PAGE_READWRITE, &was);
  systemCreateFileW = std::exchange(__imp_CreateFileW, &createFileTakingOneNewName);
  return true;
}();

using namespace store_cases;
using platform::FileSettingsStore;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What every system's store answers, and a store as Notepad leaves it, which a save changes by one line.
std::vector<StoreCase> storeCases() {
  std::vector<StoreCase> cases = everySystemsCases();
  cases.push_back(
      {"a Notepad store with CRLF", [](const fs::path& f) { writeFile(f, kKnownStore); }, "", ""});
  return cases;
}

class WindowsStoreFiles : public ::testing::TestWithParam<StoreCase> {};

TEST_P(WindowsStoreFiles, AreReadAndReplacedOnlyWhenReadableWritableRegularFiles) {
  const StoreCase& c = GetParam();
  TempFolder temp;
  const fs::path file = temp.path / "Frothwick" / "settings.ini";
  fs::create_directories(file.parent_path());
  c.make(file);
  const auto before = fs::status(file).type();
  EXPECT_TRUE(answersAsTold(c, file));
  EXPECT_EQ(fs::status(file).type(), *c.saveError == '\0' ? fs::file_type::regular : before);
  if (std::string(c.what) == "read-only") {
    EXPECT_EQ(readFile(file), kKnownStore);
  }
  if (std::string(c.what).starts_with("a Notepad")) {
    EXPECT_EQ(readFile(file), kKnownStore + "Sound=\"ON\"\r\n");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowsStoreFiles, ::testing::ValuesIn(storeCases()), caseName);

// Saves go through a temporary file of the game's own naming: only an abandoned one of exactly that
// name is removed, the player's files never; a name another save holds is drawn again; a player's
// folder in any alphabet is like any other.
TEST(WindowsStore, ASaveLeavesOnlyTheStoreAndThePlayersFiles) {
  TempFolder temp;
  const fs::path folder = temp.path / u8"Łukasz Zoë" / "Frothwick";
  fs::path file = folder / "settings.ini";
  writeFile(folder / ".settings.ini.frothwick-save-AbC123", "abandoned");
  writeFile(folder / ".settings.ini.frothwick-save-AbC1234", "not the game's naming");
  writeFile(folder / "Frothwick.txt", "mine");
  nextNewNameTaken = true;
  ASSERT_EQ(saveSoundOn(file), "");
  EXPECT_FALSE(nextNewNameTaken.exchange(false)) << "no name was taken";
  ASSERT_EQ(FileSettingsStore([&](const std::string&) { return file; }, kFrothwick.fileTag)
                .update("Frothwick", [](auto& doc) { doc.set("Settings", "HighScoreName1", "Zoë"); }),
            "");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{".settings.ini.frothwick-lock", ".settings.ini.frothwick-save-AbC1234",
                                      "Frothwick.txt", "settings.ini"}));
  EXPECT_EQ(FileSettingsStore([&](const std::string&) { return file; }, kFrothwick.fileTag)
                .get("Frothwick", "Settings", "HighScoreName1", ""),
            "Zoë");
}

// Two games saving at once take turns: a save waits while another holds the lock beside the store,
// and then keeps what the other wrote; a lock kept for good is given up after about two seconds.
TEST(WindowsStore, ASaveWaitsForTheLockAndKeepsTheOtherGamesSave) {
  TempFolder temp;
  fs::path file = temp.path / "Frothwick" / "settings.ini";
  ASSERT_EQ(saveSoundOn(file), "");
  HANDLE lock =
      CreateFileW((file.parent_path() / ".settings.ini.frothwick-lock").c_str(), GENERIC_READ | GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  OVERLAPPED whole{};
  ASSERT_TRUE(LockFileEx(lock, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole));
  const auto start = std::chrono::steady_clock::now();
  std::thread other([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    writeFile(file, "[Settings]\nHighScoreName1=\"OTHER\"\n");
    CloseHandle(lock);
  });
  const std::string error = FileSettingsStore([&](const std::string&) { return file; }, kFrothwick.fileTag)
                                .update("Frothwick", [](auto& doc) { doc.set("Settings", "Sound", "OFF"); });
  const auto waited = std::chrono::steady_clock::now() - start;
  other.join();
  EXPECT_EQ(error, "");
  EXPECT_GE(waited, std::chrono::milliseconds(250));
  EXPECT_EQ(readFile(file), "[Settings]\nHighScoreName1=\"OTHER\"\nSound=\"OFF\"\n");

  // A lock another program keeps makes the save fail after about two seconds, the store untouched.
  HANDLE kept =
      CreateFileW((file.parent_path() / ".settings.ini.frothwick-lock").c_str(), GENERIC_READ | GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, 0, nullptr);
  OVERLAPPED keptWhole{};
  ASSERT_TRUE(LockFileEx(kept, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &keptWhole));
  const auto refused = std::chrono::steady_clock::now();
  FileSettingsStore store([&](const std::string&) { return file; }, kFrothwick.fileTag);
  int tries = 0;
  store.whileLocked([&] { return ++tries > 0; });
  const std::string given = store.update("Frothwick", [](auto& doc) { doc.set("Settings", "Sound", "ON"); });
  const auto gaveUpAfter = std::chrono::steady_clock::now() - refused;
  CloseHandle(kept);
  EXPECT_NE(given.find("another program keeps .settings.ini.frothwick-lock locked"), std::string::npos)
      << given;
  EXPECT_GE(gaveUpAfter, std::chrono::milliseconds(1900));
  EXPECT_LT(gaveUpAfter, std::chrono::seconds(10));
  EXPECT_LE(tries, 60) << "a save rests between its tries instead of spinning";
  EXPECT_EQ(readFile(file), "[Settings]\nHighScoreName1=\"OTHER\"\nSound=\"OFF\"\n");
}

TEST(WindowsStore, TheStoreIsInThePlayersRoamingApplicationData) {
  const fs::path path = FileSettingsStore::defaultPath("Frothwick");
  EXPECT_TRUE(path.is_absolute()) << path.string();
  EXPECT_EQ(path.parent_path().parent_path().filename(), "Roaming");
  EXPECT_EQ(path.filename(), "settings.ini");
}

// A reason Windows gives ends a sentence of the game's own message, so it comes without its line end
// and full stop; a code Windows has no words for is given by its number.
TEST(WindowsStore, ReasonsReadAsWindowsWordsInsideTheGamesSentence) {
  const std::string denied = platform::win32::errorText(ERROR_ACCESS_DENIED);
  ASSERT_FALSE(denied.empty());
  EXPECT_NE(denied, "error 5");
  EXPECT_EQ(denied.find_first_of("\r\n"), std::string::npos) << denied;
  EXPECT_NE(denied.back(), '.') << denied;
  EXPECT_EQ(platform::win32::errorText(0x3FFFFFFFUL), "error 1073741823");
}

TEST(WindowsStore, WhatOnlyPosixSystemsHave) {
  GTEST_SKIP() << "not on Windows: a store that is a symbolic link (making one needs an administrator), "
                  "pipes and devices by name, owners, modes and POSIX access lists (ReplaceFileW keeps the "
                  "Windows ones), the password database, flock and close() faults planted by the Linux tests";
}

} // namespace
