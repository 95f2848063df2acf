// What reaches the screen: nothing when nothing changed, and at any fall step only what a full
// repaint would draw, besides the falling beer. The screen after every change is in the traces.
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

// At any fall step, sideways moves at every phase of the fall leave nothing on the screen that a
// full repaint of the window would not draw, apart from the falling beer's own picture.
class CleanDrawing : public GameTest, public ::testing::WithParamInterface<std::int32_t> {
protected:
  // The window repainted whole, as uncovering it would, for the board, score, lives and menu of now
  // (without the falling beer);
  // the game's own drawing is put back afterwards.
  const platform::Surface& fullRepaint() {
    auto state = std::tuple(f->Board, f->BoardFrame, f->Score, f->Lives, f->GameOver);
    if (state != repaintedState_ || repainted_.width() == 0) {
      const platform::Surface drawn = f->form().canvas();
      // The board alone: a repaint would also put the falling beer back where it was last drawn.
      const bool beerShown = std::exchange(f->BeerShown, false);
      f->form().refresh();
      f->BeerShown = beerShown;
      repainted_ = host.screen();
      repaintedState_ = std::move(state);
      f->form().canvas() = drawn;
      f->form().invalidate();
      host.present();
    }
    return repainted_;
  }

  // The bounds of the pixels in which the presented screen differs from a full repaint.
  platform::Rect differenceFromFullRepaint() {
    const platform::Surface& full = fullRepaint();
    const std::int32_t w = full.width();
    platform::Rect bounds;
    for (std::int32_t y = 0; y < full.height(); ++y) {
      const std::ptrdiff_t start = static_cast<std::ptrdiff_t>(y) * w;
      const auto row = host.screen().pixels().begin() + start, want = full.pixels().begin() + start;
      const auto first = std::mismatch(row, row + w, want).first;
      if (first != row + w) {
        const auto last = std::mismatch(std::make_reverse_iterator(row + w), std::make_reverse_iterator(row),
                                        std::make_reverse_iterator(want + w))
                              .first;
        const auto x = static_cast<std::int32_t>(first - row);
        bounds = bounds.united({x, y, static_cast<std::int32_t>(last.base() - row) - x, 1});
      }
    }
    return bounds;
  }

private:
  platform::Surface repainted_;
  std::tuple<decltype(frmMain::Board), decltype(frmMain::BoardFrame), std::int32_t, std::int16_t, bool>
      repaintedState_;
};

TEST_P(CleanDrawing, TheScreenIsAFullRepaintPlusTheFallingBeer) {
  f->FallStep = GetParam();
  startGame(now() + 10);
  int steps = 0, gap = 1, sinceMove = 0;
  std::int32_t frame = -1;
  std::int16_t direction = platform::vk::Left;
  host.afterDispatch = [&] {
    const platform::Rect diff = differenceFromFullRepaint();
    if (!diff.empty()) {
      // Only the falling beer may differ: one picture in its own column.
      EXPECT_TRUE(f->Falling && diff.x >= f->BeerX && diff.x + diff.w <= f->BeerX + f->CellWidth &&
                  diff.h <= f->CellHeight)
          << "step " << steps << ": pixels differ in " << diff.w << " x " << diff.h << " at (" << diff.x
          << ", " << diff.y << "), the beer is at (" << f->BeerX << ", " << f->BeerY << ")";
    }
    if (f->BeerFrame == frame) {
      return;
    }
    frame = f->BeerFrame;
    if (++steps == 300 || HasFailure()) {
      throw StopHere{};
    }
    // Moves after 1, 2, 3, ... 10 steps of fall, so that they come at every phase of it.
    if (++sinceMove == gap) {
      host.key(now() + 1, direction);
      direction = direction == platform::vk::Left ? platform::vk::Right : platform::vk::Left;
      sinceMove = 0;
      gap = gap % 10 + 1;
    }
  };
  runUntilStopped(host);
  EXPECT_EQ(steps, 300);
}

INSTANTIATE_TEST_SUITE_P(FallStep, CleanDrawing, ::testing::Values(6, 20));

} // namespace
