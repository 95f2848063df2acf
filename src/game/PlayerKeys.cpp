// The player's keys: left and right move the falling beer a column, down and space drop it; the
// buttons' keys go to CommandKey; while a name is typed every key belongs to it.
#include "window/frmMain.h"

#include "platform/KeyCodes.h"

namespace vk = platform::vk;

void frmMain::Form_KeyDown(std::int16_t& KeyCode, std::int16_t Shift) {
  if (KeysHeldBack) {
    // Right after the last life only typing waits, so that the last drops cannot spoil the name;
    // the way out is taken at once.
    if (IsQuitKey(KeyCode, Shift)) {
      pctQuit_Click();
    }
    return;
  }
  if (EnteringName) {
    NameEntryKey(KeyCode);
    return;
  }
  if (CommandKey(KeyCode, Shift)) {
    return;
  }
  const bool steering =
      KeyCode == vk::Left || KeyCode == vk::Right || KeyCode == vk::Down || KeyCode == vk::Space;
  if (!steering || !Falling || StepBusy || Paused) {
    return;
  }
  if (KeyCode == vk::Left) {
    MoveSideways(-1);
  } else if (KeyCode == vk::Right) {
    MoveSideways(1);
  } else {
    DropBeer();
  }
}

void frmMain::MoveSideways(std::int16_t direction) {
  KeyBusy = true;
  std::int16_t row = 0, column = 0;
  bool inside = false;
  PixelToCell(BeerX, BeerY, row, column, inside);
  // Only the neighbour in the row the beer is moving into is tested.
  const std::int16_t target = column + direction;
  if (target >= 0 && target <= kLastColumn && Board[row][target] == 0) {
    const std::int32_t drawnAt = BeerY - FallStep;
    BeerX = ColumnX[target];
    BeerY = RowY[row];
    DrawAround(row, column);
    RepaintAbove(drawnAt, row, column);
    BeerShown = false;
  }
  KeyBusy = false;
}

// The last step drew the beer FallStep pixels above where it now stands. A fall step that does not
// divide the row pitch leaves that picture reaching into the row two above the beer's, which the
// block around the beer does not cover.
void frmMain::RepaintAbove(std::int32_t drawnAt, std::int16_t row, std::int16_t column) {
  const auto above = static_cast<std::int16_t>(row - 2);
  if (above >= 0 && RowY[above] + CellHeight > drawnAt) {
    DrawCell(above, column);
  }
}

// A drop shows the beer at once in the lowest free cell above the bottom row, and pays 5 points for
// each row that cell lies below the top. A beer last drawn there, or lower, has nowhere to drop to:
// the key draws and pays nothing, however fast it is pressed or long it is held. Where it was last
// drawn counts also after a sideways move has wiped it, which snaps it down to its row's top.
void frmMain::DropBeer() {
  std::int16_t row = 0, column = 0;
  bool inside = false;
  PixelToCell(BeerX, BeerY, row, column, inside);
  std::int16_t stop = row; // one past the cell the beer drops into
  while (CanDropInto(stop, column)) {
    ++stop;
  }
  if (stop == row || RowY[stop - 1] <= ShownBeerY) {
    return;
  }
  KeyBusy = true;
  CopyCell(pctEmptyBeer, BeerX, BeerY - FallStep);
  BeerShown = false;
  for (std::int16_t r = row; r < stop; ++r) {
    CopyCell(pctEmptyBeer, BeerX, BeerY);
    BeerX = ColumnX[column];
    BeerY = RowY[r];
    DrawFallingBeer();
  }
  KeyBusy = false;
  AddScore(static_cast<std::int16_t>(5 * (stop - 1)));
}
