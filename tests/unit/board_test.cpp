// The board's geometry, how cells map to pixels and back, and what the window draws from the board.
#include "GameFixture.h"

#include <fstream>

namespace {

using BoardTest = GameTest;

TEST_F(BoardTest, GeometryFollowsTheGuideLinesAtFifteenTwipsPerPixel) {
  EXPECT_EQ(f->CellWidth, 32);
  EXPECT_EQ(f->CellHeight, 20);
  EXPECT_EQ(f->RowY[0], 94);
  EXPECT_EQ(f->RowY[19], 474);
  EXPECT_EQ(f->RowY[20], 494);
  EXPECT_EQ(f->ColumnX[0], 18);
  EXPECT_EQ(f->ColumnX[14], 466);
  EXPECT_EQ(f->ColumnX[15], 0);
  // One free pixel beyond the last column and the last row.
  EXPECT_FLOAT_EQ(f->lineRight.X1, 15.0F * (466 + 1) + 480);
  EXPECT_FLOAT_EQ(f->lineRight.X2, f->lineRight.X1);
  EXPECT_FLOAT_EQ(f->lineRight.Y1, f->lineTop.Y1);
  EXPECT_FLOAT_EQ(f->lineBottom.Y1, 15.0F * (474 + 1) + 300);
  EXPECT_FLOAT_EQ(f->lineBottom.X1, f->lineLeft.X1);
  EXPECT_FLOAT_EQ(f->lineBottom.X2, f->lineRight.X1);
}

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

TEST_F(BoardTest, CellsDrawTheSpriteOfTheirKindAndFrame) {
  place(3, 4, 6, 7);
  place(19, 0, 0, 0);
  place(0, 14, 2, 5);
  f->DrawBoard();
  EXPECT_TRUE(cellShows(3, 4, f->pctBeer[55]));
  EXPECT_TRUE(cellShows(19, 0, f->pctBeer[0]));
  EXPECT_TRUE(cellShows(0, 14, beer(2, 5)));
  EXPECT_TRUE(cellShows(3, 5, f->pctEmptyBeer));
  EXPECT_FALSE(cellShows(3, 4, f->pctBeer[54])) << "frames must be told apart";
}

TEST_F(BoardTest, ClearBoardEmptiesStorageRowsAndRepaintsEverything) {
  f->Board[20][15] = 3;
  f->BoardFrame[20][15] = 2;
  place(10, 10, 1);
  f->form().canvas().fill(platform::kBlack);
  f->ClearBoard();
  EXPECT_EQ(f->Board[20][15], 0);
  EXPECT_EQ(f->BoardFrame[20][15], 0);
  EXPECT_EQ(f->Board[10][10], 0);
  for (std::int16_t r = 0; r <= 19; ++r) {
    for (std::int16_t c = 0; c <= 14; ++c) {
      ASSERT_TRUE(cellShows(r, c, f->pctEmptyBeer)) << r << "," << c;
    }
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

TEST_F(BoardTest, AnExposedWindowIsRepaintedFromTheBoard) {
  place(19, 7, 4, 3);
  f->form().canvas().fill(platform::kBlack);
  host.expose(now() + 10);
  runUntil(now() + 20);
  EXPECT_TRUE(cellShows(19, 7, beer(4, 3)));
  EXPECT_TRUE(cellShows(0, 0, f->pctEmptyBeer));
}

} // namespace
