// What start-up does before the window shows: the old log goes, and a broken installation stops it.
// The window as it first shows is in every scenario trace.
#include "GameFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
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

// Only the header of a picture: enough to tell its size, too little to decode.
std::string pngHeader(std::uint32_t width, std::uint32_t height) {
  std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
  for (const std::uint32_t v : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8) {
      bytes += static_cast<char>(v >> shift & 0xFF);
    }
  }
  return bytes + std::string("\x08\x06\0\0\0", 5);
}

std::string jpegHeader(std::uint16_t width, std::uint16_t height) {
  std::string bytes("\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0\xff\xc0\0\x11\x08", 25);
  for (const std::uint16_t v : {height, width}) {
    bytes += static_cast<char>(v >> 8);
    bytes += static_cast<char>(v & 0xFF);
  }
  return bytes;
}

// A broken installation: one picture missing or not of the size the window is laid out for. Start-up
// stops naming the file and, for a wrong size, the size it has and the size it should have.
TEST(StartupPictures, AMissingOrWrongSizedPictureStopsStartUp) {
  std::ifstream mug(std::filesystem::path(FROTHWICK_SOURCE_ASSETS) / "pctMug.png", std::ios::binary);
  const std::string mugPicture{std::istreambuf_iterator<char>(mug), {}};
  struct Case {
    const char* file;
    std::optional<std::string> content; // none: missing
    std::vector<std::string> told;
  };
  const Case cases[] = {
      {"pctBeer_17.png", std::nullopt, {}},
      {"pctBeer_0.png", pngHeader(3, 2), {"3 x 2", "32 x 20"}},
      {"pctBeer_0.png", mugPicture, {"32 x 32", "32 x 20"}},
      {"pctEmptyBeer.png", pngHeader(64, 64), {"64 x 64", "32 x 20"}},
      {"imgAd_3.png", pngHeader(20000, 20000), {"20000 x 20000", "468 x 60"}},
      {"pctCop.jpg", jpegHeader(640, 400), {"640 x 400", "320 x 200"}},
      {"pctDigit_4.png", pngHeader(22, 23), {"22 x 23", "24 x 23"}},
  };
  for (const Case& c : cases) {
    platform::TestHost host;
    std::filesystem::remove(host.folder / "assets");
    std::filesystem::create_directory(host.folder / "assets");
    for (const auto& entry : std::filesystem::directory_iterator(FROTHWICK_SOURCE_ASSETS)) {
      if (entry.path().filename() != c.file) {
        std::filesystem::create_symlink(entry.path(), host.folder / "assets" / entry.path().filename());
      }
    }
    if (c.content) {
      std::ofstream(host.folder / "assets" / c.file, std::ios::binary) << *c.content;
    }
    try {
      frmMain window(host);
      ADD_FAILURE() << "start-up went on with " << c.file;
    } catch (const platform::AssetError& error) {
      const std::string message = error.what();
      for (const std::string& part : c.told) {
        EXPECT_NE(message.find(part), std::string::npos) << message;
      }
      EXPECT_NE(message.find(c.file), std::string::npos) << message;
    }
  }
}

} // namespace
