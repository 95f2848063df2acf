// Drawing the board: every cell is a raster copy of a sprite straight onto the window.
#include "window/frmMain.h"

#include <algorithm>

void frmMain::CopySprite(const platform::PictureBox& sprite, std::int32_t w, std::int32_t h, std::int32_t x,
                         std::int32_t y) {
  if (sprite.picture()) {
    form_.canvas().copyFrom(*sprite.picture(), w, h, x, y);
    form_.invalidate({x, y, w, h});
  }
}

void frmMain::CopyCell(const platform::PictureBox& sprite, std::int32_t x, std::int32_t y) {
  CopySprite(sprite, CellWidth, CellHeight, x, y);
}

const platform::PictureBox& frmMain::CellSprite(std::int16_t row, std::int16_t column) const {
  const std::int16_t value = Board[row][column];
  return value == 0 ? pctEmptyBeer : BeerPicture(value - 1, BoardFrame[row][column]);
}

void frmMain::DrawFallingBeer() {
  ShownBeerX = BeerX;
  ShownBeerY = BeerY;
  ShownBeerPicture = &BeerPicture(BeerKind, BeerFrame);
  BeerShown = true;
  CopyCell(*ShownBeerPicture, BeerX, BeerY);
}

void frmMain::DrawCell(std::int16_t row, std::int16_t column) {
  CopyCell(CellSprite(row, column), ColumnX[column], RowY[row]);
}

void frmMain::DrawBoard() {
  for (std::int16_t r = 0; r <= kLastRow; ++r) {
    for (std::int16_t c = 0; c <= kLastColumn; ++c) {
      DrawCell(r, c);
    }
  }
}

void frmMain::DrawAround(const std::int16_t& row, const std::int16_t& column) {
  // The block stops short of the last row and column when it starts next to them: the beer's old
  // picture never reaches there.
  const std::int16_t firstRow = row > 0 ? row - 1 : row;
  const std::int16_t lastRow = row + 1 < kLastRow ? row + 1 : row;
  const std::int16_t firstColumn = column > 0 ? column - 1 : column;
  const std::int16_t lastColumn = column + 1 < kLastColumn ? column + 1 : column;
  for (std::int16_t r = firstRow; r <= lastRow; ++r) {
    for (std::int16_t c = firstColumn; c <= lastColumn; ++c) {
      DrawCell(r, c);
    }
  }
}

// The falling beer is no part of the board; it is put back where it was last shown, so that a paused
// game looks the same after the window has been covered or restored.
void frmMain::Form_Paint() {
  DrawBoard();
  if (Falling && BeerShown) {
    CopyCell(*ShownBeerPicture, ShownBeerX, ShownBeerY);
  }
}
