// A game is one long call: New starts it, and it steps and waits until the last life is gone.
// Everything else the player does happens inside its waits.
#include "platform/HandleEvents.h"
#include "window/frmMain.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// A random whole number 0..n-1. The product is formed in double precision, where it is exact, so a
// draw just below 1 can never round up to n.
std::int32_t Draw(platform::Host& host, std::int32_t n) {
  const auto value = static_cast<std::int32_t>(std::floor(static_cast<double>(host.rnd()) * n));
  return std::clamp(value, 0, n - 1);
}

} // namespace

void frmMain::pctNew_Click() {
  const std::uint32_t game = ++GameNumber;
  for (auto& mug : pctLives) {
    mug.setPicture(pctMug.picture());
  }
  Paused = false;
  form_.setFocus(&pctFocus);
  StepDelay = 80;
  Lives = 3;
  GameOver = false;
  Score = 0;
  AddScore(0);
  ClearBoard();
  Falling = false;
  KeyBusy = false;
  KeysHeldBack = false;
  EnteringName = false;
  pctAction.setVisible(true);
  pctAction.setPicture(pctPause.picture());
  pctAction.setToolTipText("Pause");
  while (Lives != 0) {
    StepGame();
    Delay(StepDelay);
  }
  // New pressed during this game ran a whole game inside one of its waits, which has done the
  // high-score check for the score both games share; doing it again would enter it twice.
  if (game == GameNumber) {
    FinishGame();
  }
}

void frmMain::FinishGame() {
  CheckHighScore();
  // The board shows at once, but the first two seconds let the player stop playing before typing.
  KeysHeldBack = true;
  Delay(2000);
  KeysHeldBack = false;
  if (EnteringName) {
    platform::handleEvents(host_, [this] { return EnteringName ? std::optional(UINT32_MAX) : std::nullopt; });
  }
  ShowMenu();
  pctAction.setVisible(false);
}

void frmMain::Delay(const std::int16_t& DelayValue) {
  // The end is fixed when the wait starts: a handler inside the wait may change the variable it was
  // given, as a drop that speeds the game up changes StepDelay. Measured as elapsed ticks, so the
  // wait ends on time across the tick counter's wrap.
  const std::int32_t length = DelayValue;
  const std::uint32_t start = host_.tickCount();
  platform::handleEvents(host_, [&]() -> std::optional<std::uint32_t> {
    const std::int64_t left = std::int64_t{length} - (host_.tickCount() - start);
    return left > 0 ? std::optional(static_cast<std::uint32_t>(left)) : std::nullopt;
  });
}

void frmMain::StepGame() {
  if (Paused || GameOver) {
    return;
  }
  if (!Falling) {
    SpawnBeer();
  }
  if (KeyBusy || GameOver) {
    return;
  }
  StepBusy = true;
  // Erase the strip the new picture will not cover, then draw the beer one step further on. Above a
  // newly spawned beer that strip would reach past the board's top edge into the frame once the
  // fall step exceeds the board's margin, so it stops at the edge.
  const std::int32_t stripTop = std::max(BeerY - FallStep, BoardTop());
  CopySprite(pctEmptyBeer, pctEmptyBeer.width() / host_.twipsPerPixelX(), BeerY - stripTop, BeerX, stripTop);
  Falling = true;
  DrawFallingBeer();
  BeerFrame = BeerFrame + 1 == kBeerFrames ? 0 : BeerFrame + 1;
  std::int16_t row = 0, column = 0;
  bool inside = false;
  PixelToCell(BeerX, BeerY, row, column, inside);
  if (row == kLastRow || (inside && Board[row + 1][column] != 0)) {
    Falling = false;
  } else {
    BeerY += FallStep;
  }
  if (Falling || KeyBusy) {
    StepBusy = false;
    return;
  }
  CopyCell(pctEmptyBeer, BeerX, BeerY);
  CopyCell(BeerPicture(BeerKind, BeerFrame), ColumnX[column], RowY[row]);
  AddScore(static_cast<std::int16_t>(row * 5));
  Board[row][column] = static_cast<std::int16_t>(BeerKind + 1);
  BoardFrame[row][column] = static_cast<std::int16_t>(BeerFrame);
  bool found = false;
  CheckForMatch(row, column, found);
  StepBusy = false;
}

void frmMain::SpawnBeer() {
  if (Draw(host_, 30000) == 1) {
    ClearBoard();
    PoliceRaid();
    LoseLife();
  }
  BeerKind = Draw(host_, kBeerKinds);
  const std::int32_t drawn = Draw(host_, kLastColumn + 1);
  BeerX = ColumnX[static_cast<std::size_t>(drawn)];
  BeerY = RowY[0];
  BeerFrame = 0;
  std::int16_t row = 0, column = 0;
  bool inside = false;
  PixelToCell(BeerX, BeerY, row, column, inside);
  if (Board[row][column] != 0) {
    LoseLife();
  }
}
