// Drops pay for the rows they skip, once: Space pressed as auto-repeat does, while the beer is in some
// rows of a slow game, against the same game without a key.
#include "GameFixture.h"
#include "window/Frothwick.h"

#include "platform/KeyCodes.h"

#include <numeric>
#include <set>

namespace {

struct Drop {
  const char* what;
  std::set<std::int16_t> rows; // Space is pressed every 30 ms while the beer's top edge is in these rows
  std::int16_t stackTop;       // the first beer of the column's stack (20: an empty column)
  std::int32_t score;          // when the beer has landed: the drop's points and the landing's
};

void PrintTo(const Drop& drop, std::ostream* out) {
  *out << drop.what;
}

const Drop kDrops[] = {
    {"from the top of an empty column: to row 18, 90 points", {0}, 20, 90 + 95},
    {"from row 10", {10}, 20, 90 + 95},
    {"from row 17, one row", {17}, 20, 90 + 95},
    {"held in rows 18 and 19: the beer has nowhere to go", {18, 19}, 20, 95},
    {"onto a stack: to the row above it", {0}, 11, 50 + 50},
    {"held from just above a stack: one drop onto it", {9, 10}, 11, 50 + 50},
};

struct Played {
  std::int32_t score = 0;
  std::int32_t presses = 0;
  std::vector<std::uint64_t> frames; // each screen presented, as a hash of its pixels
};

// One beer of kind 2 in column 4, in a game slowed to 3.2 s a step so that it spends over three
// seconds in any row.
Played play(const Drop& drop, bool pressing) {
  platform::TestHost host(kFrothwick, 1000, 7);
  frmMain game(host);
  game.Load();
  host.randomValues({0.0F, 2.5F / 7.0F, 4.5F / 15.0F});
  host.click(1100, game.pctNew);
  Played played;
  host.onEffect = [&](const std::string& effect) {
    if (effect == "present") {
      const auto& pixels = host.screen().pixels();
      played.frames.push_back(
          std::accumulate(pixels.begin(), pixels.end(), 14695981039346656037ULL,
                          [](std::uint64_t h, platform::Pixel p) { return (h ^ p) * 1099511628211ULL; }));
    }
  };
  host.at(1101, [&] {
    game.StepDelay = 3200;
    for (std::int16_t r = drop.stackTop; r < 20; ++r) {
      game.Board[r][4] = 1;
    }
  });
  std::function<void()> probe = [&] {
    if (game.Board[drop.stackTop - 1][4] != 0) {
      played.score = game.Score;
      throw StopHere{};
    }
    const std::int32_t row = (game.ShownBeerY - game.RowY[0]) / game.CellHeight; // of its top edge
    if (pressing && game.Falling && drop.rows.count(static_cast<std::int16_t>(row)) != 0) {
      host.key(host.tickCount(), platform::vk::Space);
      ++played.presses;
    }
    host.at(host.tickCount() + 30, probe);
  };
  host.at(1110, probe);
  runUntilStopped(host);
  return played;
}

class Drops : public ::testing::TestWithParam<Drop> {};

TEST_P(Drops, PayForTheRowsSkippedAndNothingWhereThereIsNoneToSkip) {
  const Drop& drop = GetParam();
  const Played pressed = play(drop, true);
  EXPECT_EQ(pressed.score, drop.score);
  // Where the key had nothing to drop, it was held three seconds and left the game, screen by screen,
  // as it is without it.
  const Played alone = play(drop, false);
  if (drop.score == alone.score) {
    EXPECT_GE(pressed.presses * 30, 3000) << "Space was held for three seconds";
    EXPECT_TRUE(pressed.frames == alone.frames) << "the keys drew something";
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, Drops, ::testing::ValuesIn(kDrops));

} // namespace
