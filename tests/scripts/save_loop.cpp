// The game at the moment it saves, for settings_store_test.sh: `init` writes a player's older
// store, `loop` saves versions A and B of it in turn through the game's settings store until killed,
// and `check` prints which whole store the file holds (I, A or B), or fails.
#include "platform/FileSettingsStore.h"
#include "platform/IniDocument.h"
#include "window/Frothwick.h"

#include <cstdio>
#include <string>

namespace {

const char* const kInitial =
    "; kept by hand\n[Settings]\nHighScore1=\"98765\"\nSound=\"ON\"\n\n[Mine]\nColour=green\n";

// About 200 KB a version, so that a random kill often finds a save half-way; no two lines share a value.
void setVersion(platform::IniDocument& doc, char version) {
  doc.set("Settings", "Version", std::string(1, version));
  for (int line = 0; line < 20; ++line) {
    doc.set("Settings", "Line" + std::to_string(line), std::to_string(line) + std::string(10000, version));
  }
}

std::string textOf(char version) {
  platform::IniDocument doc = platform::IniDocument::parse(kInitial);
  setVersion(doc, version);
  return version == 'I' ? kInitial : doc.serialize();
}

} // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  std::filesystem::path file = argc == 3 ? argv[2] : "";
  if (mode == "init") {
    return platform::writeFileAtomically(file, kInitial,
                                         platform::besideStore(file, kFrothwick.fileTag).savePrefix)
                   .placed
               ? 0
               : 1;
  }
  const std::string text = platform::readStoreFile(file).text;
  platform::FileSettingsStore store([&](const std::string&) { return file; }, kFrothwick.fileTag);
  // Every save changes the file: the first writes the version it does not hold.
  for (char version = text == textOf('A') ? 'B' : 'A'; mode == "loop"; version = version == 'A' ? 'B' : 'A') {
    if (const std::string error = store.update("Frothwick", [&](auto& doc) { setVersion(doc, version); });
        !error.empty()) {
      std::fprintf(stderr, "save_loop: %s\n", error.c_str());
      return 1;
    }
  }
  for (const char held : {'I', 'A', 'B'}) {
    if (mode == "check" && text == textOf(held)) {
      std::printf("%c\n", held);
      return 0;
    }
  }
  std::fprintf(stderr, "save_loop: %s is no whole store, or usage: save_loop init|loop|check <file>\n",
               file.c_str());
  return 1;
}
