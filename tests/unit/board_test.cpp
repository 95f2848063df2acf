// How pixels map to cells, and how much of the board a repaint around a cell covers at its edges.
#include "GameFixture.h"

namespace {

using BoardTest = GameTest;

// A pixel in two rows' pictures is in the lower; one beyond the last row or column is still inside
// the board while the other is on it.
TEST_F(BoardTest, PixelToCellTakesTheLowerOfTwoOverlappedRows) {
  // x, y, row, column, inside
  const std::array<std::array<std::int16_t, 5>, 6> cases = {{{18, 94, 0, 0, 1},
                                                             {18, 99, 1, 0, 1},
                                                             {466, 474, 19, 14, 1},
                                                             {466, 475, 20, 14, 1},
                                                             {600, 94, 0, 15, 1},
                                                             {600, 600, 20, 15, 0}}};
  for (const auto& [x, y, row, column, inside] : cases) {
    std::int16_t r = -1, c = -1;
    bool in = false;
    f->PixelToCell(x, y, r, c, in);
    EXPECT_EQ((std::array{r, c, static_cast<std::int16_t>(in)}), (std::array{row, column, inside}))
        << x << "," << y;
  }
}

// With every cell full and the canvas blanked, DrawAround repaints exactly the cells around one, cut
// at the board's edges.
TEST_F(BoardTest, DrawAroundIsCutAtTheEdgesAndStopsShortOfTheLastRowAndColumn) {
  // row, column, then the first and last row and column repainted
  const std::array<std::array<int, 6>, 4> cases = {
      {{0, 0, 0, 1, 0, 1}, {19, 14, 18, 19, 13, 14}, {18, 13, 17, 18, 12, 13}, {10, 5, 9, 11, 4, 6}}};
  for (std::int16_t r = 0; r <= 19; ++r) {
    for (std::int16_t c = 0; c <= 14; ++c) {
      place(r, c, 1);
    }
  }
  for (const auto& [row, column, r0, r1, c0, c1] : cases) {
    f->form().canvas().fill(platform::kBlack);
    f->DrawAround(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
    for (std::int16_t r = 0; r <= 19; ++r) {
      for (std::int16_t c = 0; c <= 14; ++c) {
        EXPECT_EQ(cellShows(r, c, beer(1, 0)), r >= r0 && r <= r1 && c >= c0 && c <= c1)
            << row << "," << column << ": " << r << "," << c;
      }
    }
  }
}

} // namespace
