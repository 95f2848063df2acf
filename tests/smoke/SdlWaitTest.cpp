#include "SmokeDrivers.h"
#include "platform/sdl/SdlHost.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace platform {
namespace {

class SdlHostWaiting : public testing::Test {
protected:
  static void SetUpTestSuite() { smoke::useDummyDrivers(); }
  SdlHostWaiting() {
    box.move(0, 0, 100 * 15, 100 * 15);
    box.setPicture(makeSolidPicture(100, 100, rgb(0x80, 0x40, 0x20)));
    box.setToolTipText("New game");
    window.addControl(box);
    host.openWindow(window, "Frothwick", nullptr, nullptr);
    host.doEvents(); // the window's first events and first present
    watchdog_ = SDL_AddTimer(kWatchdogMs, wakeUp, nullptr);
  }
  ~SdlHostWaiting() override { SDL_RemoveTimer(watchdog_); }

  // A wait that misses its deadline is woken by events well after it, so that the test fails rather
  // than hangs.
  static constexpr std::uint32_t kWatchdogMs = 1500;
  static Uint32 wakeUp(Uint32 interval, void*) {
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    SDL_PushEvent(&event);
    return interval;
  }

  // Measured on the host's own clock, the one its timers run on.
  std::uint32_t msSince(std::uint32_t start) { return host.tickCount() - start; }

  SdlHost host;
  Form window{host};
  PictureBox box;

private:
  SDL_TimerID watchdog_ = 0;
};

TEST_F(SdlHostWaiting, SleepsUntilItsOwnDeadline) {
  const std::uint32_t start = host.tickCount();
  host.waitForEvents(20);
  const std::uint32_t waited = msSince(start);
  EXPECT_GE(waited, 20u);
  EXPECT_LT(waited, 1000u);
}

TEST_F(SdlHostWaiting, InnerTimersWakeAWaitWithoutDeadline) {
  InnerTimer timer(host.timers());
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  timer.setInterval(30);
  timer.setEnabled(true);

  const std::uint32_t start = host.tickCount();
  int waits = 0;
  while (ticks < 2 && msSince(start) < kWatchdogMs) {
    host.waitForEvents(UINT32_MAX);
    host.doEvents();
    ++waits;
  }
  EXPECT_EQ(ticks, 2);
  EXPECT_GE(msSince(start), 60u);
  EXPECT_LT(msSince(start), 1000u);
  EXPECT_LE(waits, 6) << "the wait returned long before the timer was due";
}

TEST_F(SdlHostWaiting, AToolTipComesDueDuringAWaitAndIsPresented) {
  window.mouseMove(50, 50, host.tickCount());
  const int presentsBefore = host.presents();

  const std::uint32_t start = host.tickCount();
  host.waitForEvents(UINT32_MAX);
  host.waitForEvents(UINT32_MAX); // the tip is waiting to be presented: no sleep
  host.doEvents();

  EXPECT_GE(msSince(start), Form::kToolTipDelayMs);
  EXPECT_LT(msSince(start), 1000u);
  EXPECT_TRUE(window.toolTip().shown);
  EXPECT_EQ(host.presents(), presentsBefore + 1);
}

} // namespace
} // namespace platform
