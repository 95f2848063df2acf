// How pixels map to cells, and how much of the board a repaint around a cell covers at its edges.
#include "GameFixture.h"

namespace {

using BoardTest = GameTest;

// A pixel in two rows' pictures is in the lower; one beyond the last row or column is still inside
// the board while the other is on it.
TEST_F(BoardTest, PixelToCellTakesTheLowerOfTwoOverlappedRows) {
  const std::array<std::array<std::int16_t, 5>, 6> cases = {{// x, y, row, column, inside
                                                             {18, 94, 0, 0, 1},
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

// Fills the board with one kind, blanks the canvas, and reports which cells DrawAround repainted.
class DrawAroundTest : public GameTest {
protected:
  std::vector<std::pair<int, int>> repainted(std::int16_t row, std::int16_t column) {
    for (std::int16_t r = 0; r <= 19; ++r) {
      for (std::int16_t c = 0; c <= 14; ++c) {
        place(r, c, 1);
      }
    }
    f->form().canvas().fill(platform::kBlack);
    f->DrawAround(row, column);
    std::vector<std::pair<int, int>> cells;
    for (std::int16_t r = 0; r <= 19; ++r) {
      for (std::int16_t c = 0; c <= 14; ++c) {
        if (cellShows(r, c, beer(1, 0))) {
          cells.emplace_back(r, c);
        }
      }
    }
    return cells;
  }
  static std::vector<std::pair<int, int>> block(int r0, int r1, int c0, int c1) {
    std::vector<std::pair<int, int>> cells;
    for (int r = r0; r <= r1; ++r) {
      for (int c = c0; c <= c1; ++c) {
        cells.emplace_back(r, c);
      }
    }
    return cells;
  }
};

TEST_F(DrawAroundTest, IsCutAtTheEdgesAndStopsShortOfTheLastRowAndColumn) {
  EXPECT_EQ(repainted(0, 0), block(0, 1, 0, 1));
  EXPECT_EQ(repainted(19, 14), block(18, 19, 13, 14));
  EXPECT_EQ(repainted(18, 13), block(17, 18, 12, 13));
  EXPECT_EQ(repainted(10, 5), block(9, 11, 4, 6));
}

} // namespace
