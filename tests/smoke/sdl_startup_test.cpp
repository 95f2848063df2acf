// Starting quickly must cost the player nothing: pictures decoded ahead, the compose table left unread.
#include "platform/Host.h"
#include "platform/sdl/PictureFile.h"
#include "platform/sdl/SkipComposeTable.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

// A PNG whose header declares `width` x `height` and whose picture data is damaged.
void writeDamagedPng(const fs::path& file, std::uint8_t width, std::uint8_t height) {
  const std::string zeros(3, '\0');
  const std::string bytes = "\x89PNG\r\n\x1a\n" + zeros + "\x0dIHDR" + zeros + static_cast<char>(width) +
                            zeros + static_cast<char>(height) + "\x08\x06 and no picture after it";
  std::ofstream(file, std::ios::binary) << bytes;
}

TEST(PicturePrefetch, LoadsGetWhatTheFilesHoldAndHearOfTheirFaults) {
  const fs::path folder = fs::path(testing::TempDir()) / "prefetch";
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(fs::path(FROTHWICK_SOURCE_ASSETS) / "pctExitIcon.png", folder / "exit.png");
  writeDamagedPng(folder / "damaged.png", 20, 20);
  writeDamagedPng(folder / "huge.png", 250, 250);
  // A JPEG whose header is whole and whose picture data is cut off half way.
  fs::copy_file(fs::path(FROTHWICK_SOURCE_ASSETS) / "pctCop.jpg", folder / "cut.jpg");
  fs::resize_file(folder / "cut.jpg", fs::file_size(folder / "cut.jpg") / 2);
  const PixelSize icon{20, 20};
  const PicturePtr direct = readPictureFile(fs::path(FROTHWICK_SOURCE_ASSETS) / "pctExitIcon.png", icon);
  const PicturePtr raid = readPictureFile(fs::path(FROTHWICK_SOURCE_ASSETS) / "pctCop.jpg", {320, 200});
  EXPECT_TRUE(std::all_of(raid->pixels.begin(), raid->pixels.end(), [](Pixel p) { return p >> 24 == 0xFF; }))
      << "a JPEG's pixels are opaque";
  {
    const PicturePrefetch prefetch(folder);
    const PicturePtr prefetched = readPictureFile(folder / "exit.png", icon);
    EXPECT_EQ(prefetched->pixels, direct->pixels);
    EXPECT_NE(readPictureFile(folder / "exit.png", icon), prefetched) << "each load gets its own picture";
    try {
      readPictureFile(folder / "cut.jpg", {320, 200});
      ADD_FAILURE() << "cut.jpg loaded";
    } catch (const AssetError& error) {
      EXPECT_NE(std::string(error.what()).find("cut.jpg"), std::string::npos) << error.what();
    }
    for (const char* name : {"damaged.png", "huge.png"}) {
      try {
        readPictureFile(folder / name, icon);
        ADD_FAILURE() << name << " loaded";
      } catch (const AssetError& error) {
        EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
      }
    }
  }
  // Stopped at once, it leaves the rest to the loads.
  const PicturePrefetch stopped(FROTHWICK_SOURCE_ASSETS);
}

TEST(SkipComposeTable, ThePlayersSettingIsBackAfterward) {
  for (const char* players : {static_cast<const char*>(nullptr), "/home/player/.XCompose"}) {
    SCOPED_TRACE(players != nullptr ? players : "none");
    players != nullptr ? ::setenv("XCOMPOSEFILE", players, 1) : ::unsetenv("XCOMPOSEFILE");
    {
      SkipComposeTable skip;
      EXPECT_STREQ(std::getenv("XCOMPOSEFILE"), "/dev/null");
      skip.end();
      ::setenv("OTHER", "1", 1);
      skip.end();
      EXPECT_STREQ(std::getenv("XCOMPOSEFILE"), players);
      SkipComposeTable leftInForce;
    }
    EXPECT_STREQ(std::getenv("XCOMPOSEFILE"), players);
  }
  ::unsetenv("XCOMPOSEFILE");
}

} // namespace
} // namespace platform
