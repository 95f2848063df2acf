// The SDL host on SDL's dummy drivers: events in the game's terms, drawing, waiting, folder, random numbers.
#include "platform/KeyCodes.h"
#include "platform/sdl/SdlHost.h"
#include "window/Frothwick.h"

#include <SDL.h>
#include <algorithm>
#include <gtest/gtest.h>

namespace platform {
namespace {

// The smoke tests run on SDL's dummy video and audio drivers, also when started by hand.
[[maybe_unused]] const int kDummyDrivers =
    ::setenv("SDL_VIDEODRIVER", "dummy", 0) + ::setenv("SDL_AUDIODRIVER", "dummy", 0);

using Strings = std::vector<std::string>;
const std::filesystem::path kAssets = FROTHWICK_SOURCE_ASSETS;

SDL_Event key(SDL_Keycode sym, Uint16 mod, SDL_Scancode place = SDL_SCANCODE_UNKNOWN) {
  SDL_Event event{SDL_KEYDOWN};
  event.key.keysym = {place, sym, mod, 0};
  return event;
}
SDL_Event button(Uint32 type, Uint8 which, Sint32 x, Sint32 y) {
  SDL_Event event{type};
  std::tie(event.button.button, event.button.x, event.button.y) = std::tuple(which, x, y);
  return event;
}
SDL_Event windowEvent(SDL_WindowEventID change) {
  SDL_Event event{SDL_WINDOWEVENT};
  event.window.event = static_cast<Uint8>(change);
  return event;
}

// A window with a button at pixels (10, 20) to (50, 50); its handlers write down what reaches them.
class SdlHostWindow : public testing::Test {
protected:
  SdlHostWindow() {
    box.move(10 * 15, 20 * 15, 40 * 15, 30 * 15);
    box.setPicture(host.loadPicture(kAssets / "pctNew.png", {32, 32}));
    box.setToolTipText("New game");
    window.addControl(box);
    host.openWindow(window, host.loadPicture(kAssets / "frmMain_icon.png", {32, 32}),
                    host.loadPicture(kAssets / "hand_cursor.png", {32, 32}));
    host.doEvents(); // the window's own showing
    window.KeyDown = [this](std::int16_t& code, std::int16_t shift) { note("key", code, shift); };
    window.MouseDown = [this](std::int16_t which, std::int16_t, float x, float y) {
      note("down", which, static_cast<int>(x), static_cast<int>(y));
    };
    box.onClick = [this] { seen.emplace_back("click"); };
    window.Unload = [this] { seen.emplace_back("close"); };
    window.Resize = [this] { seen.emplace_back("resize"); };
  }
  ~SdlHostWindow() override { SDL_RemoveTimer(watchdog_); }

  template <class... Numbers> void note(const char* what, Numbers... numbers) {
    std::string line = what;
    ((line += " " + std::to_string(numbers)), ...);
    seen.push_back(line);
  }

  static void push(std::initializer_list<SDL_Event> events) {
    for (SDL_Event event : events) {
      ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
  }

  SdlHost host{kFrothwick};
  Form window{host, kFrothwick};
  PictureBox box;
  Strings seen;

  // A wait that misses its deadline is woken well after it, so that the test fails rather than hangs.
  static constexpr std::uint32_t kWatchdogMs = 1500;

private:
  static Uint32 wakeUp(Uint32 interval, void*) {
    SDL_Event event{SDL_USEREVENT};
    SDL_PushEvent(&event);
    return interval;
  }
  SDL_TimerID watchdog_ = SDL_AddTimer(kWatchdogMs, wakeUp, nullptr);
};

// SDL's quit request, like the window's close, asks the window to close.
TEST_F(SdlHostWindow, EventsReachTheHandlersOnceInTheGamesTermsAndOnlyChangesAreDrawn) {
  EXPECT_GE(host.presents(), 1);
  push({key(SDLK_q, KMOD_LSHIFT), key(SDLK_LGUI, KMOD_NONE), key(SDLK_KP_ENTER, KMOD_LCTRL | KMOD_LALT),
        key(0x444, KMOD_NUM, SDL_SCANCODE_A), button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20),
        button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 49, 49),
        button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 50, 20),
        button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 686, 509),
        button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 300, 300), SDL_Event{SDL_QUIT},
        windowEvent(SDL_WINDOWEVENT_CLOSE), windowEvent(SDL_WINDOWEVENT_MINIMIZED),
        windowEvent(SDL_WINDOWEVENT_RESTORED)});
  host.doEvents();
  EXPECT_EQ(seen, (Strings{"key 81 1", "key 13 6", "key 65 0", "click", "down 2 750 300", "down 4 10290 7635",
                           "close", "close", "resize", "resize"}));
  const int drawn = host.presents();
  host.doEvents();
  EXPECT_EQ(host.presents(), drawn) << "nothing changed, yet the window was drawn again";
  box.setLeft(100 * 15);
  host.doEvents();
  EXPECT_EQ(host.presents(), drawn + 1);

  // Events handled by a loop inside a handler (a click that starts a game) or a drag come once.
  seen.clear();
  window.KeyDown = [this](std::int16_t& code, std::int16_t) {
    note("key", code);
    if (code == vk::A) {
      host.doEvents();
    }
  };
  push({key(SDLK_a, KMOD_NONE), key(SDLK_b, KMOD_NONE)});
  host.doEvents();
  host.doEvents();
  push({SDL_Event{SDL_QUIT}});
  host.dragWithMouse();
  host.doEvents();
  EXPECT_EQ(seen, (Strings{"key 65", "key 66", "close"}));
}

// The wait for events ends at its deadline, at an inner timer's tick, or when a tool tip comes due.
TEST_F(SdlHostWindow, SleepsUntilItsDeadlineAnInnerTimersTickOrAToolTipComesDue) {
  std::uint32_t start = host.tickCount(); // the clock the host's timers run on
  const auto msWaited = [&] { return host.tickCount() - start; };
  const auto waitedFrom = [&](std::uint32_t least) { return msWaited() >= least && msWaited() < 1000; };
  host.waitForEvents(20);
  EXPECT_TRUE(waitedFrom(20)) << msWaited();
  start = host.tickCount();
  InnerTimer timer(host.timers());
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  timer.setInterval(30);
  timer.setEnabled(true);
  int waits = 0;
  for (; ticks < 2 && msWaited() < kWatchdogMs; ++waits) {
    host.waitForEvents(UINT32_MAX);
    host.doEvents();
  }
  EXPECT_EQ(ticks, 2);
  EXPECT_TRUE(waitedFrom(60)) << msWaited();
  EXPECT_LE(waits, 6) << "the wait returned long before the timer was due";
  timer.setEnabled(false);
  start = host.tickCount();
  window.mouseMove(20, 30, host.tickCount());
  const int presentsBefore = host.presents();
  host.waitForEvents(UINT32_MAX);
  host.waitForEvents(UINT32_MAX); // the tip is waiting to be presented: no sleep
  host.doEvents();
  EXPECT_TRUE(waitedFrom(Form::kToolTipDelayMs)) << msWaited();
  EXPECT_TRUE(window.toolTip().shown);
  EXPECT_EQ(host.presents(), presentsBefore + 1);
}

TEST(SdlHost, KnowsItsProgramFolderAndDrawsRandomNumbersOverTheUnitInterval) {
  SdlHost host(kFrothwick);
  EXPECT_EQ(host.programFolder(), std::filesystem::canonical("/proc/self/exe").parent_path());
  std::vector<float> first(1000), second(1000);
  std::generate(first.begin(), first.end(), [&] { return host.rnd(); });
  host.randomize();
  std::generate(second.begin(), second.end(), [&] { return host.rnd(); });
  const auto [least, most] = std::minmax_element(first.begin(), first.end());
  EXPECT_TRUE(*least >= 0.0F && *least < 0.01F && *most > 0.99F && *most < 1.0F) << *least << " to " << *most;
  EXPECT_NE(first, second);
}

} // namespace
} // namespace platform
