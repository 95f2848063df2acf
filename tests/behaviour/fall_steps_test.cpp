// Every fall step the game can reach, at 1x and 3x: beers moved sideways and dropped after one step,
// two steps and so on, so that a move and a drop meet a falling beer at every phase of the row pitch;
// every presented screen must keep the screen rules (no ghost, no strip, no frame erased). And how
// points reach those fall steps: the speed-up at each 10,000.
#include "GameFixture.h"
#include "ScreenRules.h"
#include "window/Frothwick.h"

#include "platform/KeyCodes.h"

#include <numeric>

namespace {

namespace vk = platform::vk;

// Plays one game at a fall step: while `phases` beers each move a column after as many steps as their
// number and drop at the next, and as many more each drop after as many steps as theirs. Returns the
// first broken screen rule, or how many beers were played.
std::string playAtFallStep(std::int32_t fallStep, const char* scale) {
  platform::TestHost host(kFrothwick);
  host.display = {0, 0, 3840, 2160};
  host.scaleForRun = scale;
  frmMain game(host);
  game.Load();
  ScreenRules rules(game, host);
  const int phases = 20 / std::gcd(fallStep, 20);
  std::vector<std::pair<int, int>> beers;
  beers.reserve(static_cast<std::size_t>(2 * phases + 1));
  for (int beer = 0; beer < 2 * phases + 1; ++beer) {
    beers.emplace_back(beer % frmMain::kBeerKinds, (4 * beer) % (frmMain::kLastColumn + 1));
  }
  host.randomValues(spawnDraws(beers));
  game.FallStep = fallStep;

  std::string broken;
  int beer = 0, steps = 0;
  std::int32_t lastY = 0;
  bool inFlight = false;
  const auto press = [&](std::int16_t key) { host.key(host.tickCount() + 1, key); };
  const auto stepped = [&] {
    if (beer > 2 * phases) {
      throw StopHere{};
    }
    const int moveAfter = beer <= phases ? beer : -1, dropAfter = beer <= phases ? beer + 1 : beer - phases;
    if (steps == moveAfter) {
      press(game.BeerX > game.ColumnX[0] ? vk::Left : vk::Right);
    } else if (steps == dropAfter) {
      press(vk::Down);
    }
  };
  host.onEffect = [&](const std::string& effect) {
    if (effect == "present" && broken.empty()) {
      broken = rules.broken();
      if (!broken.empty()) {
        throw StopHere{};
      }
    }
  };
  host.afterDispatch = [&] {
    if (!game.Falling) {
      inFlight = false;
    } else if (!inFlight || game.BeerY != lastY) {
      beer += inFlight ? 0 : 1;
      steps = inFlight ? steps + 1 : 1;
      inFlight = true;
      lastY = game.BeerY;
      stepped();
    }
  };
  host.click(host.tickCount() + 10, game.pctNew);
  runUntilStopped(host);
  return broken.empty() ? std::to_string(beer - 1) + " beers" : broken;
}

TEST(FallSteps, MovesAndDropsAtEveryPhaseKeepTheScreenRules) {
  for (const char* scale : {"1", "3"}) {
    for (std::int32_t fallStep = 1; fallStep <= 20; ++fallStep) {
      const std::string played = playAtFallStep(fallStep, scale);
      EXPECT_EQ(played, std::to_string(2 * (20 / std::gcd(fallStep, 20))) + " beers")
          << "fall step " << fallStep << " at " << scale << "x";
    }
  }
}

} // namespace

namespace {

// Each 10,000-point mark passed speeds the steps up by 2 ms down to 12 ms, then lengthens the fall
// step by a pixel up to a row's height; ten million starts the score again and gives back a life.
TEST_F(GameTest, EveryTenThousandPointsTheGameSpeedsUp) {
  struct Award {
    std::int32_t score;
    std::int16_t delay;
    std::int32_t fallStep;
    std::int16_t lives, points;
    std::int32_t scoreAfter;
    std::int16_t delayAfter;
    std::int32_t fallStepAfter;
    std::int16_t livesAfter;
  };
  const Award awards[] = {{9500, 80, 5, 3, 500, 10000, 78, 5, 3},  {9999, 80, 5, 3, 1, 10000, 78, 5, 3},
                          {10000, 78, 5, 3, 500, 10500, 78, 5, 3}, {19999, 14, 5, 3, 1, 20000, 12, 5, 3},
                          {29999, 12, 5, 3, 1, 30000, 12, 6, 3},   {39999, 12, 20, 3, 1, 40000, 12, 20, 3},
                          {9999500, 12, 20, 2, 500, 0, 12, 20, 3}, {9999500, 12, 20, 3, 500, 0, 12, 20, 3}};
  for (const Award& a : awards) {
    f->Score = a.score;
    f->StepDelay = a.delay;
    f->FallStep = a.fallStep;
    f->Lives = a.lives;
    f->AddScore(a.points);
    EXPECT_EQ(std::tuple(f->Score, f->StepDelay, f->FallStep, f->Lives),
              std::tuple(a.scoreAfter, a.delayAfter, a.fallStepAfter, a.livesAfter))
        << a.points << " points on " << a.score;
  }
}

} // namespace
