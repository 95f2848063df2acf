// A beer's fall: its pace, its frames, where and when it comes to rest, and what that earns.
#include "GameFixture.h"

namespace {

using FallTest = GameTest;

TEST_F(FallTest, AnEmptyColumnTakes74StepsAndTheBeerKeepsItsLastFrame) {
  spawns({{2, 5}});
  const std::uint32_t t0 = now() + 10;
  startGame(t0);
  std::vector<std::int32_t> drawnAt;
  std::vector<std::int32_t> frames;
  host.afterDispatch = nullptr;
  // One probe just after every step: steps come every 80 ms from the click on.
  for (std::uint32_t step = 0; step < 74; ++step) {
    host.at(t0 + step * 80 + 1, [&] {
      drawnAt.push_back(f->BeerY);
      frames.push_back(f->BeerFrame);
    });
  }
  runUntil(t0 + 73 * 80 + 2);
  ASSERT_EQ(drawnAt.size(), 74U);
  EXPECT_EQ(drawnAt[0], 99) << "after the first step the beer is one FallStep further";
  EXPECT_EQ(drawnAt[3], 94 + 20) << "one row every four steps";
  EXPECT_EQ(drawnAt[72], 94 + 365) << "73 steps fall, the 74th rests";
  EXPECT_EQ(frames[0], 1);
  EXPECT_EQ(frames[7], 0);
  EXPECT_FALSE(f->Falling);
  EXPECT_EQ(f->Board[19][5], 3);
  EXPECT_EQ(f->BoardFrame[19][5], 74 % 8);
  EXPECT_EQ(f->Score, 95);
  EXPECT_TRUE(cellShows(19, 5, beer(2, 74 % 8)));
  EXPECT_TRUE(cellShows(18, 5, f->pctEmptyBeer)) << "nothing of the falling picture is left above";
}

TEST_F(FallTest, TheFallingBeerIsErasedBehindAndDrawnAhead) {
  spawns({{4, 0}});
  const std::uint32_t t0 = now() + 10;
  startGame(t0);
  runUntil(t0 + 10 * 80 + 1);
  // Eleven steps drawn: the last at y = 94 + 50, and the strip above it wiped.
  EXPECT_TRUE(canvasShows(beer(4, 10 % 8), f->ColumnX[0], 94 + 50));
  EXPECT_TRUE(canvasShows(f->pctEmptyBeer, f->ColumnX[0], 94 + 45, 32, 5));
}

TEST_F(FallTest, AStackInOneColumnEndsALifeAndTheBoardEmpties) {
  // Nineteen beers fill column 3 from the bottom (one column never makes a block); the twentieth
  // rests in row 0 for nothing; the twenty-first finds row 0 taken.
  std::vector<std::pair<int, int>> plan;
  plan.reserve(21);
  for (int i = 0; i < 21; ++i) {
    plan.emplace_back(i % 7, 3);
  }
  for (const auto& [k, c] : plan) {
    spawns({{k, c}});
  }
  startGame(now() + 10);
  std::int32_t scoreWithFullColumn = -1;
  runWhileNot([&] {
    if (f->Board[0][3] != 0 && scoreWithFullColumn < 0) {
      scoreWithFullColumn = f->Score;
    }
    return f->Lives == 2;
  });
  EXPECT_EQ(scoreWithFullColumn, 5 * 19 * 20 / 2);
  EXPECT_EQ(f->Score, scoreWithFullColumn) << "row 0 earns nothing";
  EXPECT_EQ(f->pctLives[2].picture(), f->pctEmptyMug.picture()) << "the right-most mug empties first";
  EXPECT_EQ(f->pctLives[1].picture(), f->pctMug.picture());
  EXPECT_EQ(f->Board[0][3], 0);
  EXPECT_EQ(f->Board[19][3], 0);
}

TEST_F(FallTest, TheWholeGameEndsAfterTheThirdLifeAndTheDelayThatFollows) {
  startGame(now() + 10);
  std::uint32_t lastLifeLostAt = 0;
  runWhileNot([&] {
    if (f->Lives == 0 && lastLifeLostAt == 0) {
      lastLifeLostAt = now();
      EXPECT_TRUE(f->GameOver);
      for (const auto& mug : f->pctLives) {
        EXPECT_EQ(mug.picture(), f->pctEmptyMug.picture());
      }
      EXPECT_TRUE(f->pctAction.visible()) << "the loop has not yet ended";
    }
    return f->EnteringName;
  });
  ASSERT_NE(lastLifeLostAt, 0U);
  EXPECT_GE(now() - lastLifeLostAt, static_cast<std::uint32_t>(f->StepDelay))
      << "the high-score check comes after the step's own wait";
}

TEST_F(FallTest, ASeededGameIsTheSameGameEveryTime) {
  auto play = [](std::uint32_t seed) {
    platform::TestHost host(5000, seed);
    frmMain window(host);
    window.Load();
    host.click(5010, window.pctNew);
    std::vector<std::int32_t> scores;
    host.afterDispatch = [&] {
      if (window.GameOver && window.Lives == 0 && scores.empty()) {
        scores.push_back(window.Score);
        throw StopHere{};
      }
    };
    runUntilStopped(host);
    return std::make_pair(scores, host.tickCount());
  };
  const auto first = play(42);
  EXPECT_EQ(first, play(42));
  EXPECT_NE(first, play(43));
}

} // namespace
