#include "platform/sdl/SdlDesktopWindow.h"
#include "SmokeDrivers.h"
#include "platform/Window.h"
#include "platform/sdl/SdlSession.h"

#include <SDL.h>
#include <cstring>
#include <gtest/gtest.h>

namespace platform {
namespace {

class SdlDesktopWindowTest : public testing::Test {
protected:
  static void SetUpTestSuite() { smoke::useDummyDrivers(); }

  // The colour the window shows at a point, read back from SDL's own copy.
  Pixel shownAt(int x, int y) const {
    SDL_Surface* shown = SDL_GetWindowSurface(desktop.handle());
    Uint32 pixel = 0;
    std::memcpy(&pixel,
                static_cast<const Uint8*>(shown->pixels) + static_cast<std::ptrdiff_t>(y) * shown->pitch +
                    static_cast<std::ptrdiff_t>(x) * shown->format->BytesPerPixel,
                shown->format->BytesPerPixel);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, shown->format, &r, &g, &b);
    return rgb(r, g, b);
  }

  SdlSession session;
  DesktopWindow desktop{"Frothwick", makeSolidPicture(32, 32, kBlack), nullptr};
};

TEST_F(SdlDesktopWindowTest, IsTheGameWindowsSizeWithoutAFrame) {
  int w = 0, h = 0;
  SDL_GetWindowSize(desktop.handle(), &w, &h);
  EXPECT_EQ(w, Window::kClientWidth);
  EXPECT_EQ(h, Window::kClientHeight);
  EXPECT_NE(SDL_GetWindowFlags(desktop.handle()) & SDL_WINDOW_BORDERLESS, 0u);
  EXPECT_STREQ(SDL_GetWindowTitle(desktop.handle()), "Frothwick");
}

TEST_F(SdlDesktopWindowTest, ShowsTheComposedPixelsInTheirColours) {
  Surface screen(Window::kClientWidth, Window::kClientHeight, kWindowBackground);
  screen.fillRect(0, 0, 1, 1, rgb(0xFF, 0, 0));
  screen.fillRect(686, 509, 1, 1, rgb(0, 0, 0xFF));
  screen.fillRect(300, 200, 1, 1, rgb(0x12, 0x34, 0x56));
  desktop.draw(screen, 0, 0);
  desktop.show(Window::clientArea());

  EXPECT_EQ(shownAt(0, 0), rgb(0xFF, 0, 0));
  EXPECT_EQ(shownAt(686, 509), rgb(0, 0, 0xFF));
  EXPECT_EQ(shownAt(300, 200), rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(shownAt(1, 0), kWindowBackground);
}

TEST_F(SdlDesktopWindowTest, ShowsAChangedPartInItsPlace) {
  desktop.draw(Surface(Window::kClientWidth, Window::kClientHeight, kWindowBackground), 0, 0);
  desktop.draw(Surface(25, 20, rgb(0xFF, 0, 0)), 100, 100);
  desktop.show(Window::clientArea());
  EXPECT_EQ(shownAt(100, 100), rgb(0xFF, 0, 0));
  EXPECT_EQ(shownAt(124, 119), rgb(0xFF, 0, 0));
  EXPECT_EQ(shownAt(125, 100), kWindowBackground) << "outside the changed part nothing is copied";
  EXPECT_EQ(shownAt(99, 99), kWindowBackground);
}

TEST_F(SdlDesktopWindowTest, CaptionFollowsTheGame) {
  desktop.setCaption("Frothwick - paused");
  EXPECT_STREQ(SDL_GetWindowTitle(desktop.handle()), "Frothwick - paused");
}

} // namespace
} // namespace platform
