// Starting quickly must cost the player nothing: pictures decoded ahead, the compose table left unread;
// and the whole program starts on the real host and leaves saved.
#include "platform/Host.h"
#include "platform/sdl/PictureFile.h"
#include "platform/sdl/RunGame.h"
#include "platform/sdl/SdlHost.h"
#include "platform/sdl/SkipComposeTable.h"
#include "window/Frothwick.h"
#include "window/frmMain.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

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

// The program opens its window with its icon and pointer and every picture, and SDL's quit request
// ends it as closing the window does: saved, with status 0.
TEST(RunGame, StartsWholeOnTheRealHostAndLeavesSavedWhenAskedToQuit) {
  ::setenv("SDL_VIDEODRIVER", "dummy", 0);
  ::setenv("SDL_AUDIODRIVER", "dummy", 0);
  const fs::path config = fs::path(testing::TempDir()) / "run-game-config";
  fs::remove_all(config);
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  std::thread asker([] {
    for (int wait = 0; wait < 100 && SDL_WasInit(SDL_INIT_EVENTS) == 0; ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    SDL_Event quit{SDL_QUIT};
    SDL_PushEvent(&quit);
  });
  const int status = platform::RunGame<SdlHost, frmMain>(kFrothwick);
  asker.join();
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(fs::exists(config / "Frothwick" / "settings.ini"));
}

// A start that fails is said on standard error (and in a box, which no display shows here), and the
// program ends with status 1.
TEST(RunGame, AFailedStartIsSaidAndEndsWithStatusOne) {
  ::setenv("SDL_VIDEODRIVER", "dummy", 0);
  ::unsetenv("DISPLAY");
  ::unsetenv("WAYLAND_DISPLAY");
  struct WindowlessHost : SdlHost {
    using SdlHost::SdlHost;
    void showWindow() { throw std::runtime_error("no window for this test"); }
  };
  testing::internal::CaptureStderr();
  const int status = platform::RunGame<WindowlessHost, frmMain>(kFrothwick);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Frothwick: no window for this test"),
            std::string::npos);
  EXPECT_EQ(status, 1);
}

} // namespace
} // namespace platform
