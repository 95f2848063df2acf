// Nothing reaches the screen when nothing changed. The screen after every change, sideways moves at
// every phase of the fall included, is in the scenario traces.
#include "GameFixture.h"

#include "platform/KeyCodes.h"

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>

namespace {

using ScreenTest = GameTest;

TEST_F(ScreenTest, NothingIsPresentedWhenNothingChanged) {
  runUntil(now() + 100);
  const int before = host.presents;
  runUntil(now() + 60000);
  EXPECT_EQ(host.presents, before);
}

} // namespace
