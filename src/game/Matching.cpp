// Blocks: six beers of one kind filling two rows by three columns, or three rows by two, clear with
// a burp for 500 points; the beers above drop into the gap and the board is searched again.
#include "window/frmMain.h"

namespace {

struct Candidate {
  std::int16_t top, left, rows, columns;
};

} // namespace

bool frmMain::BlockMatches(std::int16_t top, std::int16_t left, std::int16_t rows, std::int16_t columns,
                           std::int16_t value) const {
  int count = 0;
  for (std::int16_t r = top; r < top + rows; ++r) {
    for (std::int16_t c = left; c < left + columns; ++c) {
      count += Board[r][c] == value ? 1 : 0;
    }
  }
  return count == rows * columns;
}

void frmMain::CheckForMatch(const std::int16_t& row, const std::int16_t& column, bool& found) {
  found = false;
  if (row == kLastRow || Board[row][column] == 0) {
    return;
  }
  const std::int16_t value = Board[row][column];
  // Wide blocks before tall ones; within a shape, the block the cell is leftmost in first. The cell is
  // in the block's top row, as a beer that lands is the top of its column.
  const Candidate candidates[] = {
      {row, column, 2, 3},
      {row, static_cast<std::int16_t>(column - 1), 2, 3},
      {row, static_cast<std::int16_t>(column - 2), 2, 3},
      {row, column, 3, 2},
      {row, static_cast<std::int16_t>(column - 1), 3, 2},
  };
  for (const Candidate& block : candidates) {
    if (BlockFits(block.top, block.left, block.rows, block.columns) &&
        BlockMatches(block.top, block.left, block.rows, block.columns, value)) {
      if (block.rows == 2) {
        ClearWideBlock(block.top, block.left);
      } else {
        ClearTallBlock(block.top, block.left);
      }
      found = true;
      return;
    }
  }
}

void frmMain::ClearWideBlock(const std::int16_t& row, const std::int16_t& column) {
  ClearBlock(row, column, 2, 3);
}

void frmMain::ClearTallBlock(const std::int16_t& row, const std::int16_t& column) {
  ClearBlock(row, column, 3, 2);
}

void frmMain::ClearBlock(std::int16_t row, std::int16_t column, std::int16_t rows, std::int16_t columns) {
  if (SoundIsOn()) {
    PlaySound("burp.wav", platform::SoundMode::Async);
  }
  for (std::int16_t r = row; r < row + rows; ++r) {
    for (std::int16_t c = column; c < column + columns; ++c) {
      CopyCell(pctEmptyBeer, ColumnX[c], RowY[r]);
    }
  }
  AddScore(500);
  // Each pass moves the block's columns down one row; as many passes as the block has rows, so the
  // beers above (or empty cells from the top) take the block's cells.
  for (std::int16_t pass = 0; pass < rows; ++pass) {
    for (std::int16_t r = row + rows - 1; r >= 1; --r) {
      for (std::int16_t c = column; c < column + columns; ++c) {
        Board[r][c] = Board[r - 1][c];
        BoardFrame[r][c] = BoardFrame[r - 1][c];
      }
    }
    for (std::int16_t c = column; c < column + columns; ++c) {
      Board[0][c] = 0;
      BoardFrame[0][c] = 0;
    }
  }
  DrawBoard();
  RescanBoard();
}

void frmMain::RescanBoard() {
  // A block is found from its top-left cell, which is never on the last row or column.
  for (std::int16_t r = 0; r < kLastRow; ++r) {
    for (std::int16_t c = 0; c < kLastColumn; ++c) {
      bool found = false;
      CheckForMatch(r, c, found);
      if (found) {
        return;
      }
    }
  }
}
