// Blocks of six: which shapes clear, which block wins, the collapse above, cascades and the burp.
#include "GameFixture.h"

namespace {

class BlocksTest : public GameTest {
protected:
  void SetUp() override {
    GameTest::SetUp();
    f->pctSound.setPicture(f->pctSoundOn.picture());
  }
  void fill(int top, int left, int rows, int columns, int kind) {
    for (int r = top; r < top + rows; ++r) {
      for (int c = left; c < left + columns; ++c) {
        place(static_cast<std::int16_t>(r), static_cast<std::int16_t>(c), kind);
      }
    }
  }
  bool check(std::int16_t row, std::int16_t column) {
    bool found = false;
    f->CheckForMatch(row, column, found);
    return found;
  }
  std::size_t burps() const {
    return static_cast<std::size_t>(std::count_if(host.sounds.begin(), host.sounds.end(), [&](const auto& s) {
      return s.file == host.folder / "burp.wav" && s.mode == platform::SoundMode::Async;
    }));
  }
  int count(int kind) const {
    int n = 0;
    for (const auto& row : f->Board) {
      n += static_cast<int>(std::count(row.begin(), row.end(), kind + 1));
    }
    return n;
  }
};

TEST_F(BlocksTest, AWideBlockClearsAndTheThreeColumnsAboveDropTwoRows) {
  fill(18, 4, 2, 3, 2);
  place(17, 4, 5, 3);
  place(16, 6, 6, 4);
  place(17, 7, 1); // beside the block: stays
  EXPECT_TRUE(check(18, 5));
  EXPECT_EQ(f->Score, 500);
  EXPECT_EQ(f->Board[19][4], 6);
  EXPECT_EQ(f->BoardFrame[19][4], 3);
  EXPECT_EQ(f->Board[18][6], 7);
  EXPECT_EQ(f->Board[17][7], 2);
  EXPECT_EQ(count(2), 0);
  EXPECT_EQ(burps(), 1U);
  EXPECT_TRUE(cellShows(19, 4, beer(5, 3))) << "the board is repainted after the collapse";
  EXPECT_TRUE(cellShows(17, 4, f->pctEmptyBeer));
}

TEST_F(BlocksTest, ATallBlockClearsAndTheTwoColumnsAboveDropThreeRows) {
  fill(17, 10, 3, 2, 4);
  place(16, 11, 0);
  EXPECT_TRUE(check(17, 11));
  EXPECT_EQ(f->Board[19][11], 1);
  EXPECT_EQ(count(4), 0);
  EXPECT_EQ(f->Score, 500);
}

TEST_F(BlocksTest, LinesColumnsAndMixedKindsNeverClear) {
  fill(19, 0, 1, 6, 1);
  fill(14, 14, 6, 1, 1);
  fill(10, 5, 2, 3, 3);
  place(11, 6, 2);
  EXPECT_FALSE(check(19, 2)) << "the bottom row is never the top of a block";
  EXPECT_FALSE(check(14, 14));
  EXPECT_FALSE(check(10, 5));
  EXPECT_EQ(f->Score, 0);
  EXPECT_EQ(burps(), 0U);
}

TEST_F(BlocksTest, AThreeByThreeSquareLosesItsTopTwoRowsAsAWideBlock) {
  fill(17, 3, 3, 3, 5);
  EXPECT_TRUE(check(17, 4));
  EXPECT_EQ(count(5), 3);
  for (int c = 3; c <= 5; ++c) {
    EXPECT_EQ(f->Board[19][c], 6);
  }
}

TEST_F(BlocksTest, ATwoByFourRectangleKeepsItsFourthColumn) {
  fill(18, 2, 2, 4, 0);
  EXPECT_TRUE(check(18, 2));
  EXPECT_EQ(f->Board[18][5], 1);
  EXPECT_EQ(f->Board[19][5], 1);
  EXPECT_EQ(count(0), 2);
}

TEST_F(BlocksTest, ACollapseThatFormsABlockClearsItInTurn) {
  // Clearing the red block lets six golden beers drop into a block of their own.
  fill(18, 0, 2, 3, 3);
  fill(16, 0, 2, 3, 0);
  EXPECT_TRUE(check(18, 0));
  EXPECT_EQ(count(3), 0);
  EXPECT_EQ(count(0), 0) << "the golden block formed by the collapse is cleared too";
  EXPECT_EQ(f->Score, 1000);
  EXPECT_EQ(burps(), 2U);
}

TEST_F(BlocksTest, OfTwoBlocksFormedByOneCollapseTheFirstInScanOrderGoes) {
  // After the stout block clears, rows 18..19 hold lager in columns 0..4: the blocks at columns 0..2
  // and 2..4 overlap in column 2, so only one of them can go.
  fill(18, 0, 2, 3, 1);
  fill(16, 0, 2, 3, 0);
  fill(18, 3, 2, 2, 0);
  EXPECT_TRUE(check(18, 0));
  // Scan order: cell (18, 0) comes first, so columns 0..2 go; columns 3..4 are left with two each.
  EXPECT_EQ(count(0), 4);
  EXPECT_EQ(f->Board[19][3], 1);
  EXPECT_EQ(f->Board[18][4], 1);
  EXPECT_EQ(burps(), 2U);
}

TEST_F(BlocksTest, WithSoundOffClearsAreSilentButOtherwiseTheSame) {
  f->pctSound.setPicture(f->pctSoundOff.picture());
  fill(18, 4, 2, 3, 2);
  EXPECT_TRUE(check(18, 4));
  EXPECT_EQ(f->Score, 500);
  EXPECT_TRUE(host.sounds.empty());
}

TEST_F(BlocksTest, ALandingThatCompletesABlockClearsItInTheGame) {
  spawns({{6, 4}});
  startGame(now() + 10);
  // The new game empties the board, so build the block's lower row again right after the start.
  host.at(now() + 11, [&] {
    fill(19, 3, 1, 3, 6);
    fill(18, 3, 1, 1, 6);
    fill(18, 5, 1, 1, 6);
  });
  runWhileNot([&] { return f->Score >= 500; });
  EXPECT_EQ(count(6), 0);
  EXPECT_EQ(f->Score, 18 * 5 + 500);
}

} // namespace
