#pragma once
// The store's file as a player's machine may hold it, for the Linux and the Windows store alike: each
// case makes the file, and says what reading it and then saving over it must answer.
#include "platform/FileSettingsStore.h"
#include "window/Frothwick.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace store_cases {

namespace fs = std::filesystem;

// A folder of the test's own under the system's temporary folder, gone with all it holds.
struct TempFolder {
  TempFolder() {
    std::random_device random;
    do {
      path = fs::temp_directory_path() / ("frothwick-store-" + std::to_string(random()));
    } while (!fs::create_directory(path));
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::permissions(path, fs::perms::all, ignored);
    fs::remove_all(path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  fs::path path;
};

inline void writeFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// Sets Sound in the store at `file` the way a game saves; returns the save's error.
inline std::string saveSoundOn(const fs::path& file, const char* sound = "ON") {
  platform::FileSettingsStore store([&](const std::string&) { return file; }, kFrothwick.fileTag);
  store.get("Frothwick", "Settings", "Sound", "");
  return store.update("Frothwick", [&](platform::IniDocument& doc) { doc.set("Settings", "Sound", sound); });
}

struct StoreCase {
  const char* what;
  std::function<void(const fs::path& file)> make;
  const char* problem;   // what reading it says, "" when it reads
  const char* saveError; // what the save says, "" when it saves
};

// A failing case is named by its words, not its bytes.
inline void PrintTo(const StoreCase& c, std::ostream* out) {
  *out << c.what;
}

// A store as Notepad leaves it.
inline const std::string kKnownStore = "[Settings]\r\nHighScore1=\"5\"\r\n";

inline std::function<void(const fs::path&)> knownWith(fs::perms perms) {
  return [perms](const fs::path& f) {
    writeFile(f, kKnownStore);
    fs::permissions(f, perms);
  };
}

// What every system's store must answer; each system's tests add what only it has.
inline std::vector<StoreCase> everySystemsCases() {
  return {
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
      {"700 KB of a long name",
       [](const fs::path& f) {
         writeFile(f, "[Settings]\nHighScoreName1=" + std::string(700 << 10, 'x') + "\n");
       },
       "", ""},
      {"1 MiB already", [](const fs::path& f) { writeFile(f, std::string(platform::kMaxStoreBytes, '\n')); },
       "", "grow beyond 1 MiB"},
      {"read-only", knownWith(fs::perms::owner_read | fs::perms::group_read), "", "read-only"}};
}

// Whether an answer says what a case wants: nothing, or a text that holds the wanted words.
inline bool says(const std::string& said, const char* want) {
  return *want == '\0' ? said.empty() : said.find(want) != std::string::npos;
}

// Whether reading the store at `file` and then saving over it answer as the case says; a save's error
// names the file.
inline bool answersAsTold(const StoreCase& c, const fs::path& file) {
  const std::string problem =
      platform::FileSettingsStore([&](const std::string&) { return file; }, kFrothwick.fileTag)
          .problem("Frothwick");
  const std::string error = saveSoundOn(file);
  const bool right = says(problem, c.problem) && says(error, c.saveError) &&
                     (error.empty() || error.find(file.string()) != std::string::npos);
  if (!right) {
    std::fprintf(stderr, "read: '%s'; save: '%s'\n", problem.c_str(), error.c_str());
  }
  return right;
}

// A case's name for the test's own: its words, with anything but letters and digits as '_'.
inline std::string caseName(const testing::TestParamInfo<StoreCase>& info) {
  std::string name;
  for (const char c : std::string(info.param.what)) {
    name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
  }
  return name;
}

} // namespace store_cases
