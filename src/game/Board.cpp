// The board: twenty rows of fifteen cells, their pixel positions, and the guide lines around them.
#include "window/frmMain.h"

#include <cmath>

namespace {

// Twips read from a control become whole numbers (halves to even) before any integer arithmetic.
std::int32_t whole(float twips) {
  return static_cast<std::int32_t>(std::nearbyint(twips));
}

} // namespace

void frmMain::InitializeBoard() {
  const auto top = static_cast<std::int16_t>(BoardTop());
  const auto left = static_cast<std::int16_t>(whole(lineLeft.X1) / host_.twipsPerPixelX());
  TraceProcedure("InitializeBoard");
  for (std::size_t i = 0; i < RowY.size(); ++i) {
    RowY[i] = top + 8 + 20 * static_cast<std::int32_t>(i);
  }
  for (std::size_t j = 0; j < 15; ++j) {
    ColumnX[j] = left + 4 + 32 * static_cast<std::int32_t>(j);
  }
}

std::int32_t frmMain::BoardTop() const {
  return whole(lineTop.Y1) / host_.twipsPerPixelY();
}

void frmMain::PlaceGuideLines() {
  const auto tx = static_cast<float>(host_.twipsPerPixelX());
  const auto ty = static_cast<float>(host_.twipsPerPixelY());
  const float edgeX = tx * static_cast<float>(ColumnX[14] + 1) + static_cast<float>(pctBeer[0].width());
  const float edgeY = ty * static_cast<float>(RowY[19] + 1) + static_cast<float>(pctBeer[0].height());
  lineRight.X1 = edgeX;
  lineRight.X2 = edgeX;
  lineRight.Y1 = lineTop.Y1;
  lineRight.Y2 = edgeY;
  lineBottom.X1 = lineLeft.X1;
  lineBottom.X2 = edgeX;
  lineBottom.Y1 = edgeY;
  lineBottom.Y2 = edgeY;
}

void frmMain::PixelToCell(std::int32_t x, std::int32_t y, std::int16_t& row, std::int16_t& column,
                          bool& inside) const {
  row = 20;
  for (std::int16_t i = 0; i <= 19; ++i) {
    if (RowY[i] - CellHeight <= y && y <= RowY[i]) {
      row = i;
      break;
    }
  }
  column = 15;
  for (std::int16_t j = 0; j <= 14; ++j) {
    if (ColumnX[j] - CellWidth <= x && x <= ColumnX[j]) {
      column = j;
      break;
    }
  }
  inside = row != 20 || column != 15;
}

void frmMain::ClearBoard() {
  for (auto& row : Board) {
    row.fill(0);
  }
  for (auto& row : BoardFrame) {
    row.fill(0);
  }
  DrawBoard();
}
