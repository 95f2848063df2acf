// What start-up does before the window shows: the old log goes, and a broken installation stops it.
// The window as it first shows is in every scenario trace.
#include "GameFixture.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The old log is a file or a link of that name in the program folder, nothing else.
TEST(StartupLogFile, OnlyAFileOrALinkOfThatNameInTheProgramFolderGoes) {
  namespace fs = std::filesystem;
  const auto asFile = [](const fs::path& p) { std::ofstream(p) << "old log"; };
  const auto asFolder = [](const fs::path& p) { fs::create_directory(p); };
  const auto asLink = [](const fs::path& p) { fs::create_symlink("elsewhere", p); };
  for (const auto& [make, deleted] :
       {std::pair{+asFile, true}, std::pair{+asFolder, false}, std::pair{+asLink, true}}) {
    platform::TestHost host;
    fs::create_directory(host.folder / "elsewhere");
    std::ofstream(host.folder / "elsewhere" / "Frothwick.txt") << "not ours";
    make(host.folder / "Frothwick.txt");
    frmMain(host).Load();
    EXPECT_EQ(fs::symlink_status(host.folder / "Frothwick.txt").type() == fs::file_type::not_found, deleted);
    EXPECT_TRUE(fs::exists(host.folder / "elsewhere" / "Frothwick.txt"));
  }
}

// A broken installation: one picture missing or not of the size the window is laid out for. Start-up
// stops naming the file and, for a wrong size, the size it has and the size it should have.
TEST(StartupPictures, AMissingOrWrongSizedPictureStopsStartUp) {
  const std::string headerOnly = std::string(FROTHWICK_TEST_DATA) + "/pictures/header_only_";
  // The picture, what is put in its place ("": nothing), and what the message tells beside its name.
  const std::tuple<const char*, std::string, std::vector<std::string>> cases[] = {
      {"pctBeer_17.png", "", {}},
      {"pctBeer_0.png", headerOnly + "3x2.png", {"3 x 2", "32 x 20"}},
      {"pctBeer_0.png", std::string(FROTHWICK_SOURCE_ASSETS) + "/pctMug.png", {"32 x 32", "32 x 20"}},
      {"pctEmptyBeer.png", headerOnly + "64x64.png", {"64 x 64", "32 x 20"}},
      {"imgAd_3.png", headerOnly + "20000x20000.png", {"20000 x 20000", "468 x 60"}},
      {"pctCop.jpg", headerOnly + "640x400.jpg", {"640 x 400", "320 x 200"}},
      {"pctDigit_4.png", headerOnly + "22x23.png", {"22 x 23", "24 x 23"}},
  };
  for (const auto& [file, from, told] : cases) {
    platform::TestHost host;
    std::filesystem::remove(host.folder / "assets");
    std::filesystem::create_directory(host.folder / "assets");
    for (const auto& entry : std::filesystem::directory_iterator(FROTHWICK_SOURCE_ASSETS)) {
      if (entry.path().filename() != file) {
        std::filesystem::create_symlink(entry.path(), host.folder / "assets" / entry.path().filename());
      }
    }
    if (!from.empty()) {
      std::filesystem::create_symlink(from, host.folder / "assets" / file);
    }
    try {
      frmMain window(host);
      ADD_FAILURE() << "start-up went on with " << file;
    } catch (const platform::AssetError& error) {
      const std::string message = error.what();
      for (const std::string& part : told) {
        EXPECT_NE(message.find(part), std::string::npos) << message;
      }
      EXPECT_NE(message.find(file), std::string::npos) << message;
    }
  }
}

} // namespace
