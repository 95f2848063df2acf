// The board: twenty rows of fifteen cells, their pixel positions, and the guide lines around them.
#include "platform/Twips.h"
#include "window/frmMain.h"

void frmMain::InitializeBoard() {
  const auto top = static_cast<std::int16_t>(BoardTop());
  const auto left = static_cast<std::int16_t>(platform::wholeTwips(lineLeft.X1) / host_.twipsPerPixelX());
  TraceProcedure("InitializeBoard");
  for (std::size_t i = 0; i < RowY.size(); ++i) {
    RowY[i] = top + 8 + 20 * static_cast<std::int32_t>(i);
  }
  for (std::size_t j = 0; j <= kLastColumn; ++j) {
    ColumnX[j] = left + 4 + 32 * static_cast<std::int32_t>(j);
  }
}

std::int32_t frmMain::BoardTop() const {
  return platform::wholeTwips(lineTop.Y1) / host_.twipsPerPixelY();
}

void frmMain::PlaceGuideLines() {
  const auto tx = static_cast<float>(host_.twipsPerPixelX());
  const auto ty = static_cast<float>(host_.twipsPerPixelY());
  const float edgeX =
      tx * static_cast<float>(ColumnX[kLastColumn] + 1) + static_cast<float>(pctBeer[0].width());
  const float edgeY = ty * static_cast<float>(RowY[kLastRow] + 1) + static_cast<float>(pctBeer[0].height());
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
  row = kLastRow + 1;
  for (std::int16_t i = 0; i <= kLastRow; ++i) {
    if (RowY[i] - CellHeight <= y && y <= RowY[i]) {
      row = i;
      break;
    }
  }
  column = kLastColumn + 1;
  for (std::int16_t j = 0; j <= kLastColumn; ++j) {
    if (ColumnX[j] - CellWidth <= x && x <= ColumnX[j]) {
      column = j;
      break;
    }
  }
  inside = row != kLastRow + 1 || column != kLastColumn + 1;
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
