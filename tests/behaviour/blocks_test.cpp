// The board: blocks of six drawn as its bottom rows (a kind 1..7 or '.'), pixels to cells, repaints at
// its edges. Both shapes landed at both edges of a running game are in the scenario traces.
#include "GameFixture.h"

#include <iterator>
#include <sstream>
#include <string>

namespace {

struct Block {
  const char* what;
  const char* before;       // the board's last rows, down to row 19
  std::int16_t row, column; // the cell checked, as a landing there would
  std::int32_t score;
  const char* after; // nullptr: as before
};

const Block kBlocks[] = {
    {"wide: the columns above drop two rows",
     "......7........ ....6..2....... ....333........ ....333........", 18, 5, 500,
     "............... .......2....... ......7........ ....6.........."},
    {"tall: the columns above drop three rows",
     "...........1... ..........55... ..........55... ..........55...", 17, 11, 500,
     "............... ............... ............... ...........1..."},
    {"wide, from its middle", "......222...... ......222......", 18, 7, 500,
     "............... ..............."},
    {"tall at the top of the board", "55............. 55............. 55............. ...............", 16, 0,
     500, "............... ............... ............... ..............."},
    {"a line of six", "............... 222222.........", 19, 2, 0, nullptr},
    {"a column of six at the edge",
     "..............2 ..............2 ..............2 ..............2 ..............2 ..............2", 14,
     14, 0, nullptr},
    {"two kinds", ".....444....... .....434.......", 18, 5, 0, nullptr},
    {"a square loses its top two rows", "...666......... ...666......... ...666.........", 17, 4, 500,
     "............... ............... ...666........."},
    {"a two by four keeps its fourth column", "..1111......... ..1111.........", 18, 2, 500,
     ".....1......... .....1........."},
    {"a collapse that forms a block clears it",
     "111............ 111............ 444............ 444............", 18, 0, 1000,
     "............... ............... ............... ..............."},
    {"of two blocks formed by a collapse the first in scan order goes",
     "111............ 111............ 22211.......... 22211..........", 18, 0, 1000,
     "............... ............... ...11.......... ...11.........."},
};

std::vector<std::string> rowsOf(const char* text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), {}};
}

class Blocks : public GameTest, public ::testing::WithParamInterface<std::tuple<Block, bool>> {};

TEST_P(Blocks, ClearAsTheRulesSay) {
  const auto& [block, soundOn] = GetParam();
  f->pctSound.setPicture(soundOn ? f->pctSoundOn.picture() : f->pctSoundOff.picture());
  const std::vector<std::string> before = rowsOf(block.before);
  for (std::size_t i = 0; i < before.size(); ++i) {
    for (std::size_t c = 0; c < 15; ++c) {
      if (before[i][c] != '.') {
        // Each beer landed in the frame its kind's number names, so a beer that drops shows whose it is.
        place(static_cast<std::int16_t>(20 - before.size() + i), static_cast<std::int16_t>(c),
              before[i][c] - '1', static_cast<std::int16_t>(before[i][c] - '0'));
      }
    }
  }
  bool found = false;
  f->CheckForMatch(block.row, block.column, found);
  EXPECT_EQ(found, block.score > 0);
  std::vector<std::string> after;
  for (std::size_t r = 20 - before.size(); r < 20; ++r) {
    after.emplace_back();
    for (std::size_t c = 0; c < 15; ++c) {
      after.back() += f->Board[r][c] == 0 ? '.' : static_cast<char>('0' + f->Board[r][c]);
    }
  }
  EXPECT_EQ(after, block.after != nullptr ? rowsOf(block.after) : before);
  EXPECT_EQ(f->Score, block.score);
  EXPECT_EQ(host.effects, std::vector<std::string>(soundOn ? block.score / 500 : 0, "sound burp.wav"));
  // What the board holds is what the window shows, each beer in the frame it landed in.
  for (std::int16_t r = 0; r < 20 && block.score > 0; ++r) {
    for (std::int16_t c = 0; c < 15; ++c) {
      const std::int16_t kind = f->Board[r][c];
      ASSERT_TRUE(cellShows(r, c, kind == 0 ? f->pctEmptyBeer : beer(kind - 1, kind)))
          << "row " << r << ", column " << c << " shows something other than its beer " << kind;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryShapeAndEdge, Blocks,
                         ::testing::Combine(::testing::ValuesIn(kBlocks), ::testing::Bool()));

// A block is looked for only where all six cells are on the board: the arrays' spare row and column,
// and whatever lies before them, are never read as beers.
TEST(BlockFits, OnlyBlocksWhollyOnTheBoard) {
  constexpr std::int16_t kRow = frmMain::kLastRow, kColumn = frmMain::kLastColumn;
  // top, left, rows, columns, fits
  const std::int16_t cases[][5] = {{0, 0, 2, 3, 1},           {-1, 0, 2, 3, 0},
                                   {0, -1, 3, 2, 0},          {kRow - 1, 0, 2, 3, 1},
                                   {kRow - 1, 0, 3, 2, 0},    {kRow - 2, kColumn - 1, 3, 2, 1},
                                   {0, kColumn - 2, 2, 3, 1}, {0, kColumn - 1, 2, 3, 0}};
  for (const auto& [top, left, rows, columns, fits] : cases) {
    EXPECT_EQ(frmMain::BlockFits(top, left, rows, columns), fits != 0)
        << rows << " x " << columns << " from row " << top << ", column " << left;
  }
}

using BoardTest = GameTest;

// A pixel in two rows' pictures is in the lower; one past the last row or column is inside if not both.
TEST_F(BoardTest, PixelToCellTakesTheLowerOfTwoOverlappedRows) {
  // x, y, row, column, inside
  const std::int16_t cases[][5] = {{18, 94, 0, 0, 1},     {18, 99, 1, 0, 1},   {466, 474, 19, 14, 1},
                                   {466, 475, 20, 14, 1}, {600, 94, 0, 15, 1}, {600, 600, 20, 15, 0}};
  for (const auto& [x, y, row, column, inside] : cases) {
    std::int16_t r = -1, c = -1;
    bool in = false;
    f->PixelToCell(x, y, r, c, in);
    EXPECT_EQ((std::array{r, c, static_cast<std::int16_t>(in)}), (std::array{row, column, inside}))
        << x << "," << y;
  }
}

// With every cell full and the canvas blanked: exactly the cells repainted around one.
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
