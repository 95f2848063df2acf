// The program's one wait: as long as asked across the tick counter's wrap and the signed overflow of
// tick + delay, none for zero or less, its end fixed when it starts; and what a wait presents.
#include "GameFixture.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

class DelayAt : public GameTest, public ::testing::WithParamInterface<std::uint32_t> {
protected:
  DelayAt() : GameTest(GetParam()) {}
};

TEST_P(DelayAt, LastsAsAskedAndDispatchesMeanwhile) {
  for (const std::int16_t ms : {1, 80, 2000, 32767, 0, -1, -32768}) {
    SCOPED_TRACE(ms);
    const std::uint32_t start = now();
    int dispatched = 0;
    host.afterDispatch = [&] { ++dispatched; };
    host.key(start, 37);
    f->Delay(ms);
    host.afterDispatch = nullptr;
    EXPECT_EQ(now() - start, static_cast<std::uint32_t>(std::max<std::int16_t>(ms, 0)));
    EXPECT_GE(dispatched, 1);
    EXPECT_TRUE(ms > 0 || dispatched == 1) << "no wait: one dispatch";
    EXPECT_TRUE(host.scriptDone()) << "the pending key was handled";
  }
  for (const std::int16_t changedTo : {40, 200}) {
    const std::uint32_t start = now();
    std::int16_t length = 80;
    host.at(start + 10, [&] { length = changedTo; });
    f->Delay(length);
    EXPECT_EQ(now() - start, 80U) << "changed to " << changedTo;
  }
}

// Idle, nothing reaches the screen: only a change is presented. Every change is in the traces.
TEST_F(GameTest, NothingIsPresentedWhenNothingChanged) {
  runUntil(now() + 100);
  const int before = host.presents;
  runUntil(now() + 60000);
  EXPECT_EQ(host.presents, before);
}

// Only changed areas are presented again: a picture moved or resized and back, each change presented,
// leaves the screen as a full composition of the window shows it, where it was as where it goes.
TEST_F(GameTest, AMovedOrResizedPictureIsRedrawnWhereItWasAndWhereItGoes) {
  runUntil(now() + 100);
  auto& button = f->pctNew;
  using Setter = void (platform::Control::*)(std::int32_t);
  const std::pair<std::int32_t, Setter> changes[] = {{button.left(), &platform::Control::setLeft},
                                                     {button.top(), &platform::Control::setTop},
                                                     {button.width(), &platform::Control::setWidth},
                                                     {button.height(), &platform::Control::setHeight}};
  const platform::Rect window = f->form().clientArea();
  for (const auto& [was, set] : changes) {
    for (const std::int32_t to : {was - was / 4, was}) {
      (button.*set)(to);
      runUntil(now() + 100);
      const auto& shown = host.screen().pixels();
      const auto full = f->form().composed(window).pixels();
      const auto at = std::mismatch(shown.begin(), shown.end(), full.begin()).first - shown.begin();
      EXPECT_EQ(at, std::ssize(shown)) << "pixel " << at % window.w << "," << at / window.w
                                       << " is not what the window shows there, after a change to " << to;
    }
  }
}

// The raid's picture shows whole over the well, centred at half its right and bottom edges, and
// goes with the half second of the siren.
TEST_F(GameTest, ThePoliceShowOverTheWellForHalfASecond) {
  const std::int32_t right = f->ColumnX[frmMain::kLastColumn] + f->CellWidth + 1;
  const std::int32_t bottom = f->RowY[frmMain::kLastRow] + f->CellHeight + 1;
  const platform::Rect well{f->ColumnX[0] - 4, f->RowY[0] - 8, right - (f->ColumnX[0] - 4),
                            bottom - (f->RowY[0] - 8)};
  std::optional<platform::Rect> shown;
  host.at(now() + 490, [&] { shown = f->pctCop.visible() ? f->pctCop.pixelBounds() : platform::Rect{}; });
  f->PoliceRaid();
  ASSERT_TRUE(shown && !shown->empty()) << "the police did not show during the raid";
  const platform::Picture& cop = *f->pctCop.picture();
  EXPECT_EQ(std::pair(shown->w, shown->h), std::pair(cop.width, cop.height)) << "the police show cut";
  EXPECT_EQ(shown->intersected(well), *shown) << "the police picture reaches outside the well";
  EXPECT_LE(std::abs(2 * shown->x + shown->w - right), 1) << shown->x;
  EXPECT_LE(std::abs(2 * shown->y + shown->h - bottom), 1) << shown->y;
  EXPECT_FALSE(f->pctCop.visible());
}

// Just before the 32-bit wrap, and just before the signed overflow of tick + delay.
INSTANTIATE_TEST_SUITE_P(TickCounter, DelayAt,
                         ::testing::Values(1000U, 0xFFFFFFFFU - 40U, 0x7FFFFFFFU - 40U, 0x80000000U - 1U));

} // namespace
