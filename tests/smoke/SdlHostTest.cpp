#include "platform/sdl/SdlHost.h"
#include "SmokeDrivers.h"
#include "platform/KeyCodes.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace platform {
namespace {

const std::filesystem::path kAssets = FROTHWICK_SOURCE_ASSETS;

class SdlHostWindow : public testing::Test {
protected:
  static void SetUpTestSuite() { smoke::useDummyDrivers(); }

  SdlHostWindow() {
    box.move(10 * 15, 20 * 15, 40 * 15, 30 * 15);
    box.setPicture(host.loadPicture(kAssets / "pctNew.png", {32, 32}));
    box.setMousePointer(MousePointer::Hand);
    window.addControl(box);
    host.openWindow(window, "Frothwick", host.loadPicture(kAssets / "frmMain_icon.png", {32, 32}),
                    host.loadPicture(kAssets / "hand_cursor.png", {32, 32}));
  }

  static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

  static SDL_Event button(Uint32 type, Uint8 which, Sint32 x, Sint32 y) {
    SDL_Event event{};
    event.button.type = type;
    event.button.button = which;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = x;
    event.button.y = y;
    return event;
  }

  static SDL_Event key(SDL_Keycode sym, Uint16 mod) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    return event;
  }

  SdlHost host;
  Form window{host};
  PictureBox box;
};

TEST_F(SdlHostWindow, PresentsOnceAndAgainOnlyWhenSomethingChanged) {
  host.doEvents();
  EXPECT_EQ(host.presents(), 1);
  host.doEvents();
  host.doEvents();
  EXPECT_EQ(host.presents(), 1) << "nothing changed, yet the window was drawn again";

  box.setLeft(100 * 15);
  host.doEvents();
  EXPECT_EQ(host.presents(), 2);
}

TEST_F(SdlHostWindow, InputReachesTheWindow) {
  std::vector<std::pair<std::int16_t, std::int16_t>> keys;
  window.KeyDown = [&](std::int16_t& code, std::int16_t shift) { keys.emplace_back(code, shift); };
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  std::vector<std::int16_t> backgroundButtons;
  window.MouseDown = [&](std::int16_t b, std::int16_t, float, float) { backgroundButtons.push_back(b); };

  push(key(SDLK_q, KMOD_LSHIFT));
  push(key(SDLK_LGUI, KMOD_NONE)); // no code: not delivered
  push(key(SDLK_KP_ENTER, KMOD_LCTRL | KMOD_LALT));
  push(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 20, 30));
  push(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 21, 31));
  push(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 300, 300));
  push(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 300, 300));
  push(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 300, 300));
  host.doEvents();

  const std::vector<std::pair<std::int16_t, std::int16_t>> expectedKeys{{81, 1}, {13, 6}};
  EXPECT_EQ(keys, expectedKeys);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(backgroundButtons, (std::vector<std::int16_t>{2, 4}));
}

TEST_F(SdlHostWindow, QuitRequestAndWindowCloseBothAskTheWindowToClose) {
  int closes = 0;
  window.Unload = [&] { ++closes; };

  push(SDL_Event{.type = SDL_QUIT});
  host.doEvents();
  EXPECT_EQ(closes, 1);

  SDL_Event close{};
  close.window = SDL_WindowEvent{SDL_WINDOWEVENT, 0, 1, SDL_WINDOWEVENT_CLOSE, 0, 0, 0, 0, 0};
  push(close);
  host.doEvents();
  EXPECT_EQ(closes, 2);
}

TEST_F(SdlHostWindow, MinimisingAndRestoringByTheDesktopBothReachTheResizeHandler) {
  host.doEvents(); // the window's own showing
  int resizes = 0;
  window.Resize = [&] { ++resizes; };
  for (const auto change : {SDL_WINDOWEVENT_MINIMIZED, SDL_WINDOWEVENT_RESTORED}) {
    SDL_Event event{};
    event.window = SDL_WindowEvent{SDL_WINDOWEVENT, 0, 1, static_cast<Uint8>(change), 0, 0, 0, 0, 0};
    push(event);
  }
  host.doEvents();
  EXPECT_EQ(resizes, 2);
}

TEST_F(SdlHostWindow, EventsHandledInsideAHandlerAreNotHandledTwice) {
  // A click that starts a game runs the game's own event loop from inside the click.
  std::vector<std::int16_t> keys;
  window.KeyDown = [&](std::int16_t& code, std::int16_t) {
    keys.push_back(code);
    if (code == vk::A) {
      host.doEvents();
    }
  };
  push(key(SDLK_a, KMOD_NONE));
  push(key(SDLK_b, KMOD_NONE));
  host.doEvents();
  host.doEvents();
  EXPECT_EQ(keys, (std::vector<std::int16_t>{vk::A, vk::A + 1}));
}

TEST_F(SdlHostWindow, DragEndsAtOnceWhenNoButtonIsHeldAndKeepsOtherEvents) {
  int closes = 0;
  window.Unload = [&] { ++closes; };
  push(SDL_Event{.type = SDL_QUIT});
  host.dragWithMouse();
  host.doEvents();
  EXPECT_EQ(closes, 1);
}

TEST(SdlHost, ProgramFolderIsTheFolderOfTheProgram) {
  smoke::useDummyDrivers();
  SdlHost host;
  EXPECT_EQ(host.programFolder(), std::filesystem::canonical("/proc/self/exe").parent_path());
}

TEST(SdlHost, RandomNumbersLieInTheUnitIntervalAndDifferAfterRandomize) {
  smoke::useDummyDrivers();
  SdlHost host;
  std::vector<float> first, second;
  for (int i = 0; i < 1000; ++i) {
    first.push_back(host.rnd());
  }
  host.randomize();
  for (int i = 0; i < 1000; ++i) {
    second.push_back(host.rnd());
  }
  for (const float value : first) {
    ASSERT_GE(value, 0.0F);
    ASSERT_LT(value, 1.0F);
  }
  EXPECT_NE(first, second);
}

} // namespace
} // namespace platform
