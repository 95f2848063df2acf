// The player's keys: sideways moves, drops and the points they earn, and when keys do nothing.
#include "GameFixture.h"

#include "platform/KeyCodes.h"

namespace {

namespace vk = platform::vk;

class KeysTest : public GameTest {
protected:
  // Starts a game whose first beer (kind 1) falls in `column`, and stops after `steps` steps.
  void fallIn(int column, int steps) {
    spawns({{1, column}});
    t0 = now() + 10;
    startGame(t0);
    runUntil(t0 + static_cast<std::uint32_t>((steps - 1) * 80 + 1));
  }
  // Presses a key between two steps, as the player would.
  void press(std::int16_t code) {
    std::int16_t key = code;
    f->Form_KeyDown(key, 0);
  }
  std::uint32_t t0 = 0;
};

TEST_F(KeysTest, SidewaysMovesStopAtTheEdges) {
  fallIn(0, 3);
  press(vk::Left);
  EXPECT_EQ(f->BeerX, f->ColumnX[0]);
  EXPECT_FALSE(f->KeyBusy);
  for (int i = 0; i < 20; ++i) {
    press(vk::Right);
  }
  EXPECT_EQ(f->BeerX, f->ColumnX[14]);
  EXPECT_FALSE(f->KeyBusy);
}

TEST_F(KeysTest, AMoveSnapsToTheRowEnteredAndErasesTheOldPicture) {
  fallIn(5, 6); // drawn at y 94 + 25, now at 94 + 30: moving into row 2
  ASSERT_TRUE(canvasShows(beer(1, 5), f->ColumnX[5], 94 + 25));
  press(vk::Left);
  EXPECT_EQ(f->BeerX, f->ColumnX[4]);
  EXPECT_EQ(f->BeerY, f->RowY[2]);
  EXPECT_TRUE(cellShows(1, 5, f->pctEmptyBeer));
  EXPECT_TRUE(cellShows(2, 5, f->pctEmptyBeer));
  EXPECT_TRUE(cellShows(2, 4, f->pctEmptyBeer)) << "the new place is drawn by the next step only";
}

TEST_F(KeysTest, OnlyTheNeighbourInTheRowBeingEnteredBlocksAMove) {
  fallIn(5, 6); // moving into row 2, its picture still partly in row 1
  place(2, 4, 3);
  press(vk::Left);
  EXPECT_EQ(f->BeerX, f->ColumnX[5]) << "row 2 to the left is taken, though row 1 is free";
  place(1, 6, 3);
  press(vk::Right);
  EXPECT_EQ(f->BeerX, f->ColumnX[6]) << "row 1 to the right does not matter";
}

TEST_F(KeysTest, DroppingOntoATakenCellRedrawsTheBeerAtTheTopOfItsRow) {
  fallIn(7, 6); // moving into row 2
  place(3, 7, 0);
  press(vk::Down);
  EXPECT_EQ(f->Score, 5 * 2);
  EXPECT_EQ(f->BeerY, f->RowY[2]);
}

TEST_F(KeysTest, DroppingInTheBottomRowErasesTheBeerAndAdds90) {
  fallIn(7, 73); // the beer is now in row 19
  const std::int32_t before = f->Score;
  const std::int32_t y = f->BeerY;
  press(vk::Space);
  EXPECT_EQ(f->Score, before + 90);
  EXPECT_TRUE(canvasShows(f->pctEmptyBeer, f->BeerX, y - 5, 32, 5));
}

TEST_F(KeysTest, KeysDoNothingWhilePausedBeforeASpawnOrDuringAStep) {
  fallIn(7, 3);
  const auto x = f->BeerX, y = f->BeerY;
  f->Paused = true;
  press(vk::Left);
  press(vk::Space);
  f->Paused = false;
  f->StepBusy = true;
  press(vk::Right);
  f->StepBusy = false;
  f->Falling = false;
  press(vk::Down);
  EXPECT_EQ(f->BeerX, x);
  EXPECT_EQ(f->BeerY, y);
  EXPECT_EQ(f->Score, 0);
  EXPECT_FALSE(f->KeyBusy);
}

TEST_F(KeysTest, OtherKeysAndModifiersAreIgnored) {
  fallIn(7, 3);
  for (std::int16_t code : {vk::Up, vk::Return, vk::A, vk::N, vk::Q, vk::Shift, vk::Numpad0}) {
    press(code);
  }
  std::int16_t key = vk::Left;
  f->Form_KeyDown(key, vk::ShiftMask | vk::CtrlMask);
  EXPECT_EQ(f->BeerX, f->ColumnX[6]) << "Shift and Ctrl do not change a move";
  EXPECT_EQ(f->BeerY, f->RowY[1]);
}

} // namespace
