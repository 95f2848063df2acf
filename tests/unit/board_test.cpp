// How pixels map to cells, and how much of the board a repaint around a cell covers at its edges.
#include "GameFixture.h"

namespace {

using BoardTest = GameTest;

TEST_F(BoardTest, PixelToCellTakesTheLowerOfTwoOverlappedRows) {
  std::int16_t row = -1, column = -1;
  bool inside = false;
  f->PixelToCell(18, 94, row, column, inside);
  EXPECT_EQ(row, 0);
  EXPECT_EQ(column, 0);
  EXPECT_TRUE(inside);
  f->PixelToCell(18, 99, row, column, inside);
  EXPECT_EQ(row, 1);
  f->PixelToCell(466, 474, row, column, inside);
  EXPECT_EQ(row, 19);
  EXPECT_EQ(column, 14);
  f->PixelToCell(466, 475, row, column, inside);
  EXPECT_EQ(row, 20);
  EXPECT_TRUE(inside) << "the column alone is enough";
  f->PixelToCell(600, 200, row, column, inside);
  EXPECT_EQ(column, 15);
  EXPECT_TRUE(inside) << "the row alone is enough";
  f->PixelToCell(600, 600, row, column, inside);
  EXPECT_EQ(row, 20);
  EXPECT_EQ(column, 15);
  EXPECT_FALSE(inside);
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
