#pragma once
// A started window on the test host, and helpers to run it in virtual time and look at its pixels.
#include "platform/testhost/TestHost.h"
#include "window/Frothwick.h"
#include "window/frmMain.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

namespace platform {
// A place on the window, as a failing check names it: left,top widthxheight in pixels.
inline void PrintTo(const Rect& place, std::ostream* out) {
  *out << place.x << "," << place.y << " " << place.w << "x" << place.h;
}
} // namespace platform

// Thrown by a scripted probe to stop a running game where a test wants to look at it.
struct StopHere {};

// The program's idle loop on a test host, until a probe throws StopHere.
inline void runUntilStopped(platform::TestHost& host) {
  try {
    for (;;) {
      host.doEvents();
      host.waitForEvents(UINT32_MAX);
    }
  } catch (const StopHere&) {
  }
}

// The draw that calls the police at a spawn: the one value in 30000 that is drawn as 1.
constexpr float kRaidDraw = 1.5F / 30000.0F;

// The random draws that spawn beers of these kinds in these columns: for each, no raid, then the kind
// and the column, each drawn in the middle of its share of [0, 1).
template <class Spawns> std::vector<float> spawnDraws(const Spawns& kindAndColumn) {
  std::vector<float> draws;
  for (const auto& [kind, column] : kindAndColumn) {
    draws.push_back(0.0F);
    draws.push_back((static_cast<float>(kind) + 0.5F) / frmMain::kBeerKinds);
    draws.push_back((static_cast<float>(column) + 0.5F) / (frmMain::kLastColumn + 1));
  }
  return draws;
}

// Where a key or a pad's button is pressed: at the menu, in a game, paused, with About or the high
// scores open, in the two seconds after the last life, or typing a name.
enum class Where { Menu, Game, Paused, About, Board, HeldBack, Entry };

class GameTest : public ::testing::Test {
protected:
  explicit GameTest(std::uint32_t startTicks = 1000, std::uint32_t seed = 7)
      : host(kFrothwick, startTicks, seed) {}

  void SetUp() override {
    f = std::make_unique<frmMain>(host);
    f->Load();
  }

  // Runs the program's idle loop until virtual time `at`; whatever runs then stops there.
  void runUntil(std::uint32_t at) {
    host.at(at, [] { throw StopHere{}; });
    runUntilStopped(host);
  }

  // Scripts the random draws of the next spawns: no raid, then the kind and the column.
  void spawns(std::initializer_list<std::pair<int, int>> kindAndColumn) {
    host.randomValues(spawnDraws(kindAndColumn));
  }

  // Brings the window to a situation; returns when the key or button is to be pressed.
  std::uint32_t reach(Where where) {
    if (where == Where::Entry) {
      f->Score = 7;
      f->CheckHighScore();
    }
    if (where == Where::Menu || where == Where::Entry) {
      return now() + 10;
    }
    spawns({{3, 9}});
    const std::uint32_t t = now() + 300;
    startGame(now() + 10);
    if (where == Where::Paused) {
      host.key(t - 100, 'P');
    } else if (where == Where::About || where == Where::Board) {
      host.click(t - 100, where == Where::About ? f->pctAbout : f->pctScores);
    } else if (where == Where::HeldBack) {
      host.at(t - 100, [this] { f->Lives = 0; }); // the last life goes; the board opens for a name
    }
    return t;
  }

  // Clicks New at `at`; the first step of the game happens at once.
  void startGame(std::uint32_t at) { host.click(at, f->pctNew); }

  // Runs until the program ends through its own unload or exit; returns its exit status.
  int runToEnd() {
    try {
      runUntilStopped(host);
    } catch (const platform::ProgramEnd& end) {
      return end.status;
    }
    return -1; // stopped by a probe instead
  }

  std::uint32_t now() { return host.tickCount(); }

  // Does the window's canvas show this sprite's cell-sized top-left part in the cell?
  bool cellShows(std::int16_t row, std::int16_t column, const platform::PictureBox& sprite) const {
    for (std::int32_t dy = 0; dy < f->CellHeight; ++dy) {
      for (std::int32_t dx = 0; dx < f->CellWidth; ++dx) {
        if (f->form().canvas().at(f->ColumnX[column] + dx, f->RowY[row] + dy) !=
            sprite.picture()->at(dx, dy)) {
          return false;
        }
      }
    }
    return true;
  }

  const platform::PictureBox& beer(std::int32_t kind, std::int32_t frame) const {
    return f->BeerPicture(kind, frame);
  }

  // Puts a beer of a kind (0..6) into a cell as a landing would, without drawing it.
  void place(std::int16_t row, std::int16_t column, std::int32_t kind, std::int16_t frame = 0) {
    f->Board[row][column] = static_cast<std::int16_t>(kind + 1);
    f->BoardFrame[row][column] = frame;
  }

  platform::TestHost host{kFrothwick};
  std::unique_ptr<frmMain> f;
};
