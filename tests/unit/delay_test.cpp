// The program's one wait: on time across the tick counter's wrap, and never shorter than asked.
#include "GameFixture.h"

namespace {

class DelayAt : public GameTest, public ::testing::WithParamInterface<std::uint32_t> {
protected:
  DelayAt() : GameTest(GetParam()) {}
};

TEST_P(DelayAt, EndsAfterExactlyTheRequestedTime) {
  for (const std::int16_t ms : {1, 80, 2000, 32767}) {
    const std::uint32_t start = now();
    int dispatched = 0;
    host.afterDispatch = [&] { ++dispatched; };
    f->Delay(ms);
    host.afterDispatch = nullptr;
    EXPECT_EQ(now() - start, static_cast<std::uint32_t>(ms)) << "from tick " << start;
    EXPECT_GE(dispatched, 1);
  }
}

TEST_P(DelayAt, ZeroOrLessDispatchesOnceAndReturns) {
  for (const std::int16_t ms : {0, -1, -32768}) {
    const std::uint32_t start = now();
    int dispatched = 0;
    host.afterDispatch = [&] { ++dispatched; };
    host.key(start, 37);
    f->Delay(ms);
    host.afterDispatch = nullptr;
    EXPECT_EQ(now(), start);
    EXPECT_EQ(dispatched, 1);
    EXPECT_TRUE(host.scriptDone()) << "the pending key was handled";
  }
}

TEST_P(DelayAt, TheEndIsFixedWhenTheWaitStarts) {
  for (const std::int16_t changedTo : {40, 200}) {
    const std::uint32_t start = now();
    std::int16_t length = 80;
    host.at(start + 10, [&] { length = changedTo; });
    f->Delay(length);
    EXPECT_EQ(now() - start, 80U) << "changed to " << changedTo << " from tick " << start;
  }
}

// Just before the 32-bit wrap, and just before the signed overflow of tick + delay.
INSTANTIATE_TEST_SUITE_P(TickCounter, DelayAt,
                         ::testing::Values(1000U, 0xFFFFFFFFU - 40U, 0x7FFFFFFFU - 40U, 0x80000000U - 1U));

TEST_F(GameTest, StepsKeepTheirPaceAcrossTheWrap) {
  platform::TestHost late(0xFFFFFFFFU - 1000U, 3);
  frmMain window(late);
  window.Load();
  late.click(late.tickCount() + 10, window.pctNew);
  std::vector<std::uint32_t> steps;
  std::int32_t lastY = 0;
  late.afterDispatch = [&] {
    if (window.Falling && window.BeerY != lastY) {
      lastY = window.BeerY;
      steps.push_back(late.tickCount());
      if (steps.size() == 30) {
        throw StopHere{};
      }
    }
  };
  runUntilStopped(late);
  ASSERT_EQ(steps.size(), 30U);
  for (std::size_t i = 1; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i] - steps[i - 1], 80U) << "step " << i;
  }
}

} // namespace
