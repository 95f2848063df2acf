// Points, the speed-up every 10,000, the seven digits, the roll-over at ten million and the mugs.
#include "GameFixture.h"

namespace {

class ScoreTest : public GameTest {
protected:
  std::string shown() const {
    std::string digits;
    for (std::size_t i = 7; i-- > 0;) {
      for (std::size_t d = 0; d < 10; ++d) {
        if (f->pctScore[i].picture() == f->pctDigit[d].picture()) {
          digits += static_cast<char>('0' + d);
        }
      }
    }
    return digits;
  }
  void add(std::int16_t points) { f->AddScore(points); }
};

TEST_F(ScoreTest, CrossingTenThousandSpeedsUpAtOnce) {
  f->StepDelay = 80;
  f->Score = 9950;
  add(500);
  EXPECT_EQ(f->Score, 10450);
  EXPECT_EQ(f->StepDelay, 78);
  EXPECT_EQ(shown(), "0010450");
  add(500);
  EXPECT_EQ(f->StepDelay, 78) << "no new multiple of 10,000";
}

TEST_F(ScoreTest, After35CrossingsTheDelayIs12AndTheFallStep6) {
  f->StepDelay = 80;
  f->Score = 0;
  while (f->Score < 350000) {
    add(500);
  }
  EXPECT_EQ(f->StepDelay, 12);
  EXPECT_EQ(f->FallStep, 6);
  while (f->Score < 600000) {
    add(500);
  }
  EXPECT_EQ(f->FallStep, 20) << "never beyond the cell height";
}

TEST_F(ScoreTest, ANewGameResetsTheDelayButKeepsTheFallStep) {
  f->FallStep = 9;
  startGame(now() + 10);
  runUntil(now() + 20);
  EXPECT_EQ(f->StepDelay, 80);
  EXPECT_EQ(f->FallStep, 9);
  EXPECT_EQ(shown(), "0000000");
  for (const auto& mug : f->pctLives) {
    EXPECT_EQ(mug.picture(), f->pctMug.picture());
  }
}

TEST_F(ScoreTest, TenMillionRollsOverAndGivesBackALife) {
  f->Lives = 2;
  f->pctLives[2].setPicture(f->pctEmptyMug.picture());
  f->Score = 9999800;
  add(500);
  EXPECT_EQ(shown(), "0000300") << "the last seven digits, once";
  EXPECT_EQ(f->Score, 0);
  EXPECT_EQ(f->Lives, 3);
  EXPECT_EQ(f->pctLives[2].picture(), f->pctMug.picture());
  add(95);
  EXPECT_EQ(shown(), "0000095");
}

TEST_F(ScoreTest, TenMillionWithThreeLivesGivesNoFourth) {
  f->Lives = 3;
  f->Score = 9999999;
  add(5);
  EXPECT_EQ(f->Lives, 3);
  EXPECT_EQ(f->Score, 0);
  EXPECT_EQ(shown(), "0000004");
}

TEST_F(ScoreTest, LosingALifeWaitsHalfASecondEmptiesTheRightmostMugAndTheBoard) {
  f->Lives = 3;
  f->GameOver = false;
  place(5, 5, 2);
  const std::uint32_t before = now();
  f->LoseLife();
  EXPECT_GE(now() - before, 500U);
  EXPECT_EQ(f->Lives, 2);
  EXPECT_EQ(f->pctLives[2].picture(), f->pctEmptyMug.picture());
  EXPECT_EQ(f->Board[5][5], 0);
  EXPECT_TRUE(cellShows(5, 5, f->pctEmptyBeer));
  EXPECT_FALSE(f->GameOver);
  f->LoseLife();
  f->LoseLife();
  EXPECT_TRUE(f->GameOver);
  EXPECT_EQ(f->pctLives[0].picture(), f->pctEmptyMug.picture());
}

} // namespace
