// The store on Windows held to the tables of the Linux store: what is read and what is replaced, a
// save that changes only what it sets, the lock two games take turns on, the temporary files, and a
// player whose folder is named in any alphabet.
#include "platform/FileSettingsStore.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <thread>
#include <windows.h>

namespace {

using platform::FileSettingsStore;
namespace fs = std::filesystem;

struct TempFolder {
  TempFolder() {
    path = fs::temp_directory_path() / ("frothwick-store-" + std::to_string(std::random_device()()));
    fs::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::permissions(path, fs::perms::all, ec);
    fs::remove_all(path, ec);
  }
  fs::path path;
};

void writeFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string saveSoundOn(const fs::path& file) {
  return FileSettingsStore([&](const std::string&) { return file; })
      .update("Frothwick", [](platform::IniDocument& doc) { doc.set("Settings", "Sound", "ON"); });
}

TEST(WindowsStore, ReadsAndReplacesOnlyAReadableWritableRegularFile) {
  struct Case {
    const char* what;
    std::function<void(const fs::path& file)> make;
    const char* problem;   // what reading it says, "" when it reads
    const char* saveError; // what the save says, "" when it saves
  };
  const std::string known = "[Settings]\r\nHighScore1=\"5\"\r\n";
  const Case cases[] = {
      {"absent", [](const fs::path&) {}, "", ""},
      {"under a file where its folder should be",
       [](const fs::path& f) {
         fs::remove(f.parent_path());
         writeFile(f.parent_path(), "x");
       },
       "", "cannot create folder"},
      {"a folder", [](const fs::path& f) { fs::create_directories(f); }, "a folder", "left alone"},
      {"over 1 MiB", [](const fs::path& f) { writeFile(f, std::string(platform::kMaxStoreBytes + 1, '\n')); },
       "larger than 1 MiB", "left alone"},
      {"1 MiB already", [](const fs::path& f) { writeFile(f, std::string(platform::kMaxStoreBytes, '\n')); },
       "", "grow beyond 1 MiB"},
      {"read-only",
       [&](const fs::path& f) {
         writeFile(f, known);
         fs::permissions(f, fs::perms::owner_read);
       },
       "", "read-only"},
      {"a Notepad store with CRLF", [&](const fs::path& f) { writeFile(f, known); }, "", ""}};
  const auto says = [](const std::string& said, const char* want) {
    return *want == '\0' ? said.empty() : said.find(want) != std::string::npos;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder temp;
    const fs::path file = temp.path / "Frothwick" / "settings.ini";
    fs::create_directories(file.parent_path());
    c.make(file);
    const auto before = fs::status(file).type();
    const std::string problem =
        FileSettingsStore([&](const std::string&) { return file; }).problem("Frothwick");
    const std::string error = saveSoundOn(file);
    EXPECT_TRUE(says(problem, c.problem)) << problem;
    EXPECT_TRUE(says(error, c.saveError)) << error;
    EXPECT_TRUE(error.empty() || error.find(file.string()) != std::string::npos) << error;
    EXPECT_EQ(fs::status(file).type(), *c.saveError == '\0' ? fs::file_type::regular : before);
    if (std::string(c.what) == "read-only") {
      EXPECT_EQ(readFile(file), known);
    }
    if (std::string(c.what).starts_with("a Notepad")) {
      EXPECT_EQ(readFile(file), known + "Sound=\"ON\"\r\n");
    }
  }
}

// Saves go through a temporary file of the game's own naming: only an abandoned one of exactly that
// name is removed, the player's files never; a player's folder in any alphabet is like any other.
TEST(WindowsStore, ASaveLeavesOnlyTheStoreAndThePlayersFiles) {
  TempFolder temp;
  const fs::path folder = temp.path / u8"Łukasz Zoë" / "Frothwick";
  const fs::path file = folder / "settings.ini";
  writeFile(folder / ".settings.ini.frothwick-save-AbC123", "abandoned");
  writeFile(folder / ".settings.ini.frothwick-save-AbC1234", "not the game's naming");
  writeFile(folder / "Frothwick.txt", "mine");
  ASSERT_EQ(saveSoundOn(file), "");
  ASSERT_EQ(FileSettingsStore([&](const std::string&) {
              return file;
            }).update("Frothwick", [](auto& doc) { doc.set("Settings", "HighScoreName1", "Zoë"); }),
            "");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{".settings.ini.frothwick-lock", ".settings.ini.frothwick-save-AbC1234",
                                      "Frothwick.txt", "settings.ini"}));
  EXPECT_EQ(FileSettingsStore([&](const std::string&) {
              return file;
            }).get("Frothwick", "Settings", "HighScoreName1", ""),
            "Zoë");
}

// Two games saving at once take turns: a save waits while another holds the lock beside the store,
// and then keeps what the other wrote; a lock kept for good is given up after about two seconds.
TEST(WindowsStore, ASaveWaitsForTheLockAndKeepsTheOtherGamesSave) {
  TempFolder temp;
  const fs::path file = temp.path / "Frothwick" / "settings.ini";
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
  const std::string error = FileSettingsStore([&](const std::string&) {
                              return file;
                            }).update("Frothwick", [](auto& doc) { doc.set("Settings", "Sound", "OFF"); });
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
  const std::string given = saveSoundOn(file);
  const auto gaveUpAfter = std::chrono::steady_clock::now() - refused;
  CloseHandle(kept);
  EXPECT_NE(given.find("another program keeps .settings.ini.frothwick-lock locked"), std::string::npos)
      << given;
  EXPECT_GE(gaveUpAfter, std::chrono::milliseconds(1900));
  EXPECT_LT(gaveUpAfter, std::chrono::seconds(10));
  EXPECT_EQ(readFile(file), "[Settings]\nHighScoreName1=\"OTHER\"\nSound=\"OFF\"\n");
}

TEST(WindowsStore, TheStoreIsInThePlayersRoamingApplicationData) {
  const fs::path path = FileSettingsStore::defaultPath("Frothwick");
  EXPECT_TRUE(path.is_absolute()) << path.string();
  EXPECT_EQ(path.parent_path().parent_path().filename(), "Roaming");
  EXPECT_EQ(path.filename(), "settings.ini");
}

TEST(WindowsStore, WhatOnlyPosixSystemsHave) {
  GTEST_SKIP() << "not on Windows: a store that is a symbolic link (making one needs an administrator), "
                  "pipes and devices by name, owners, modes and POSIX access lists (ReplaceFileW keeps the "
                  "Windows ones), the password database, flock and close() faults planted by the Linux tests";
}

} // namespace
