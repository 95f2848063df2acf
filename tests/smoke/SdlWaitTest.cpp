// The SDL host's wait for events ends at its own deadline, at the next inner timer's tick, or at
// once when a tool tip has come due; measured on the host's own clock, the one its timers run on.
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
    start = host.tickCount();
  }
  ~SdlHostWaiting() override { SDL_RemoveTimer(watchdog_); }

  std::uint32_t msWaited() { return host.tickCount() - start; }

  // A wait that misses its deadline is woken well after it, so that the test fails rather than hangs.
  static constexpr std::uint32_t kWatchdogMs = 1500;
  static Uint32 wakeUp(Uint32 interval, void*) {
    SDL_Event event{.type = SDL_USEREVENT};
    SDL_PushEvent(&event);
    return interval;
  }

  SdlHost host;
  Form window{host};
  PictureBox box;
  std::uint32_t start = 0;

private:
  SDL_TimerID watchdog_ = SDL_AddTimer(kWatchdogMs, wakeUp, nullptr);
};

TEST_F(SdlHostWaiting, SleepsUntilItsOwnDeadline) {
  host.waitForEvents(20);
  EXPECT_GE(msWaited(), 20U);
  EXPECT_LT(msWaited(), 1000U);
}

TEST_F(SdlHostWaiting, InnerTimersWakeAWaitWithoutDeadline) {
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
  EXPECT_GE(msWaited(), 60U);
  EXPECT_LT(msWaited(), 1000U);
  EXPECT_LE(waits, 6) << "the wait returned long before the timer was due";
}

TEST_F(SdlHostWaiting, AToolTipComesDueDuringAWaitAndIsPresented) {
  window.mouseMove(50, 50, host.tickCount());
  const int presentsBefore = host.presents();
  host.waitForEvents(UINT32_MAX);
  host.waitForEvents(UINT32_MAX); // the tip is waiting to be presented: no sleep
  host.doEvents();
  EXPECT_GE(msWaited(), Form::kToolTipDelayMs);
  EXPECT_LT(msWaited(), 1000U);
  EXPECT_TRUE(window.toolTip().shown);
  EXPECT_EQ(host.presents(), presentsBefore + 1);
}

} // namespace
} // namespace platform
