// A stand-in for the game at the moment it saves, for tests/scripts/test_crash_during_save.sh. The
// game saves once, at shut-down, which is too rare a moment to kill it in two hundred times; this
// program saves big stores through the same settings store, one after another, until it is killed.
//
//   save_loop init <file>   writes the first store, as a player's older save would have left it
//   save_loop loop <file>   saves version A and version B in turn, for ever
//   save_loop check <file>  prints which whole version the file holds (initial, A or B), or fails
//
// Each version sets the same keys, so after any number of saves the file is byte for byte one of the
// three texts `check` computes; anything else (a torn, empty or mixed file) is a failed save.
#include "platform/FileSettingsStore.h"
#include "platform/IniDocument.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr const char* kApp = "Frothwick";
constexpr const char* kSection = "Settings";
// About 200 KB a version, in few keys: the time of a save goes on writing it rather than on
// setting keys, so that a kill at a random moment often finds a save half-way through its file.
constexpr int kLines = 20;
constexpr std::size_t kValueLength = 10000;

// The store as the player had it before: the game's own keys, and a hand-edited section of their own
// that every save must keep.
const char* const kInitial = "; kept by hand\n"
                             "[Settings]\n"
                             "HighScoreName1=\"ANNA\"\n"
                             "HighScore1=\"98765\"\n"
                             "Sound=\"ON\"\n"
                             "\n"
                             "[Mine]\n"
                             "Colour=green\n";

// The value of line i in a version: the version's letter and the line's number spread over the value,
// so that two versions, or two lines, never share a value.
std::string valueOf(char version, int line) {
  std::string value;
  const std::string stamp = std::string(1, version) + std::to_string(line) + ":";
  while (value.size() < kValueLength) {
    value += stamp;
  }
  value.resize(kValueLength);
  return value;
}

std::string saveVersion(platform::SettingsStore& store, char version) {
  return store.update(kApp, [&](platform::IniDocument& doc) {
    doc.set(kSection, "Version", std::string(1, version));
    for (int line = 0; line < kLines; ++line) {
      doc.set(kSection, "Line" + std::to_string(line), valueOf(version, line));
    }
  });
}

// The exact text of a version written over the initial store; later saves only change values in place.
std::string expectedText(char version) {
  platform::IniDocument doc = platform::IniDocument::parse(kInitial);
  doc.set(kSection, "Version", std::string(1, version));
  for (int line = 0; line < kLines; ++line) {
    doc.set(kSection, "Line" + std::to_string(line), valueOf(version, line));
  }
  return doc.serialize();
}

int usage() {
  std::fprintf(stderr, "usage: save_loop init|loop|check <settings file>\n");
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    return usage();
  }
  const std::string_view mode = argv[1];
  const std::filesystem::path file = argv[2];
  platform::FileSettingsStore store([&](const std::string&) { return file; });

  if (mode == "init") {
    const std::string error = platform::writeFileAtomically(file, kInitial);
    if (!error.empty()) {
      std::fprintf(stderr, "save_loop: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  if (mode == "loop") {
    // Start with the version the file does not hold, so that every save changes it.
    const auto current =
        platform::IniDocument::parse(platform::readStoreFile(file).text).get(kSection, "Version");
    char version = current == "A" ? 'B' : 'A';
    for (unsigned long saves = 1;; ++saves) {
      const std::string error = saveVersion(store, version);
      if (!error.empty()) {
        std::fprintf(stderr, "save_loop: save %lu failed: %s\n", saves, error.c_str());
        return 1;
      }
      std::printf("saved %c\n", version);
      std::fflush(stdout);
      version = version == 'A' ? 'B' : 'A';
    }
  }
  if (mode == "check") {
    const std::string text = platform::readStoreFile(file).text;
    if (text == kInitial) {
      std::printf("initial\n");
      return 0;
    }
    for (const char version : {'A', 'B'}) {
      if (text == expectedText(version)) {
        std::printf("%c\n", version);
        return 0;
      }
    }
    std::fprintf(stderr, "save_loop: %s holds %zu bytes that are no whole version\n", file.c_str(),
                 text.size());
    return 1;
  }
  return usage();
}
