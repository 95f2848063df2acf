// The whole game window on the real host: every picture loads from the built program's folder, the
// window opens, and closing it saves the settings file and ends the program normally.
#include "SmokeDrivers.h"

#include "platform/sdl/SdlHost.h"
#include "window/frmMain.h"

#include <SDL.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(GameWindow, StartsWithEveryPictureAndSavesWhenClosed) {
  smoke::useDummyDrivers();
  const fs::path config = fs::temp_directory_path() / ("frothwick-smoke-" + std::to_string(::getpid()));
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  int status = -1;
  {
    platform::SdlHost host;
    ASSERT_TRUE(fs::exists(host.programFolder() / "assets" / "pctBeer_55.png"))
        << "the pictures lie beside the program";
    frmMain window(host);
    const auto assets = host.programFolder() / "assets";
    host.openWindow(window.form(), "Frothwick", host.loadPicture(assets / "frmMain_icon.png", {32, 32}),
                    host.loadPicture(assets / "hand_cursor.png", {32, 32}));
    window.Load();
    EXPECT_GE(host.presents(), 1);
    EXPECT_EQ(window.CellWidth, 32);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    try {
      host.doEvents();
    } catch (const platform::ProgramEnd& end) {
      status = end.status;
    }
  }
  EXPECT_EQ(status, 0);
  std::ifstream saved(config / "Frothwick" / "settings.ini");
  std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("HighScore10="), std::string::npos) << text;
  EXPECT_NE(text.find("Sound=\"OFF\""), std::string::npos) << text;
  fs::remove_all(config);
}

} // namespace
