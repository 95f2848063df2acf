#include "ScreenRules.h"

#include "platform/Scale.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <utility>

namespace {

using platform::Rect;
using platform::Surface;

std::string hex(platform::Pixel pixel) {
  std::ostringstream out;
  out << "0x" << std::hex << pixel;
  return out.str();
}

// The cell a window pixel of the board lies in.
std::pair<std::size_t, std::size_t> cellAt(const frmMain& game, std::int32_t x, std::int32_t y) {
  std::size_t row = frmMain::kLastRow, column = frmMain::kLastColumn;
  while (row > 0 && game.RowY[row] > y) {
    --row;
  }
  while (column > 0 && game.ColumnX[column] > x) {
    --column;
  }
  return {row, column};
}

// The board as a full repaint draws it: every cell from the board, then the falling beer where the
// game last put it.
void repaintBoard(const frmMain& game, const Rect& board, Surface& expected) {
  for (std::size_t r = 0; r <= frmMain::kLastRow; ++r) {
    for (std::size_t c = 0; c <= frmMain::kLastColumn; ++c) {
      const std::int16_t value = game.Board[r][c];
      const platform::PictureBox& sprite =
          value == 0 ? game.pctEmptyBeer : game.BeerPicture(value - 1, game.BoardFrame[r][c]);
      expected.copyFrom(*sprite.picture(), game.CellWidth, game.CellHeight, game.ColumnX[c] - board.x,
                        game.RowY[r] - board.y);
    }
  }
  if (game.Falling && game.BeerShown) {
    expected.copyFrom(*game.ShownBeerPicture->picture(), game.CellWidth, game.CellHeight,
                      game.ShownBeerX - board.x, game.ShownBeerY - board.y);
  }
}

// The cell at a window pixel, what the board holds there, and the falling beer if it covers it.
std::string what(const frmMain& game, std::int32_t x, std::int32_t y) {
  const auto [row, column] = cellAt(game, x, y);
  const std::int16_t value = game.Board[row][column];
  std::string said = "row " + std::to_string(row) + ", column " + std::to_string(column) +
                     (value == 0 ? " (empty)" : " (kind " + std::to_string(value - 1) + ")");
  if (game.Falling && game.BeerShown && x >= game.ShownBeerX && x < game.ShownBeerX + game.CellWidth &&
      y >= game.ShownBeerY && y < game.ShownBeerY + game.CellHeight) {
    said += " under the falling beer drawn at " + std::to_string(game.ShownBeerX) + "," +
            std::to_string(game.ShownBeerY);
  }
  return said;
}

const platform::Pixel* rowOf(const Surface& surface, std::int32_t y) {
  return surface.pixels().data() + static_cast<std::ptrdiff_t>(y) * surface.width();
}

// The first x in [from, to) where two rows differ, or `to`. Most rows are the same: the library's
// comparison of bytes says so fastest.
std::int32_t firstDifference(const platform::Pixel* a, const platform::Pixel* b, std::int32_t from,
                             std::int32_t to) {
  if (from >= to || std::memcmp(a + from, b + from, static_cast<std::size_t>(to - from) * sizeof *a) == 0) {
    return to;
  }
  return static_cast<std::int32_t>(std::mismatch(a + from, a + to, b + from).first - a);
}

// Whether two boxes show the same picture, read by its pixels: the design may load a box's first
// picture from a file of its own.
bool samePixels(const platform::PictureBox& a, const platform::PictureBox& b) {
  return a.picture() == b.picture() ||
         (a.picture() && b.picture() && a.picture()->width == b.picture()->width &&
          a.picture()->pixels == b.picture()->pixels);
}

} // namespace

ScreenRules::ScreenRules(const frmMain& game, const platform::TestHost& host)
    : game_(game), host_(host), board_{game.ColumnX[0], game.RowY[0],
                                       game.ColumnX[frmMain::kLastColumn] + game.CellWidth - game.ColumnX[0],
                                       game.RowY[frmMain::kLastRow] + game.CellHeight - game.RowY[0]},
      around_(game.form().canvas()), shown_(around_), repainted_(board_.w, board_.h) {}

std::string ScreenRules::broken() {
  for (const std::string& why : {boardShowsItsCells(), outsideTheBoardUnchanged(), scoreAndMugs()}) {
    if (!why.empty()) {
      return why;
    }
  }
  return screenIsTheWindow();
}

std::string ScreenRules::boardShowsItsCells() {
  const Surface& canvas = game_.form().canvas();
  Surface& expected = repainted_;
  repaintBoard(game_, board_, expected);
  for (std::int32_t y = 0; y < board_.h; ++y) {
    const platform::Pixel* shown = rowOf(canvas, board_.y + y) + board_.x;
    const std::int32_t x = firstDifference(shown, rowOf(expected, y), 0, board_.w);
    if (x < board_.w) {
      return "the board at pixel " + std::to_string(board_.x + x) + "," + std::to_string(board_.y + y) +
             ", " + what(game_, board_.x + x, board_.y + y) + ", shows " + hex(shown[x]) +
             " where a full repaint shows " + hex(expected.at(x, y));
    }
  }
  return {};
}

// The strip between the board's top edge and its first row is the well's own margin, which the
// falling beer's first step may paint with the empty cell's colours.
std::string ScreenRules::outsideTheBoardUnchanged() const {
  const Surface& canvas = game_.form().canvas();
  const std::int32_t marginTop = board_.y - 8;
  for (std::int32_t y = 0; y < canvas.height(); ++y) {
    const bool boardRows = y >= marginTop && y < board_.y + board_.h;
    const platform::Pixel *now = rowOf(canvas, y), *was = rowOf(around_, y);
    std::int32_t x = firstDifference(now, was, 0, boardRows ? board_.x : canvas.width());
    if (boardRows && x == board_.x) {
      x = firstDifference(now, was, board_.x + board_.w, canvas.width());
    }
    if (x < canvas.width()) {
      return "pixel " + std::to_string(x) + "," + std::to_string(y) + " outside the board's cells (" +
             (x < board_.x + board_.w ? "the frame" : "the side panel") + ") changed from " + hex(was[x]) +
             " to " + hex(now[x]);
    }
  }
  return {};
}

// At the ten million mark the digits show the last seven of the sum once, while the score starts again
// from 0: less than one award (500 points) past the mark.
std::string ScreenRules::scoreAndMugs() {
  const std::int32_t said = scoreShown();
  if (game_.Score != 0) {
    rolledOverTo_ = -1;
  } else if (lastScore_ > kRollOver - 500 && said >= 0 && said < 500) {
    rolledOverTo_ = said;
  }
  const bool rolledOver = game_.Score == 0 && said == rolledOverTo_;
  lastScore_ = game_.Score;
  if (said == kNoDigit) {
    return "a score digit shows no digit's picture";
  }
  if (said >= 0 && said != game_.Score && !rolledOver) {
    return "the score's digits read " + std::to_string(said) + " but the score is " +
           std::to_string(game_.Score);
  }
  for (std::size_t mug = 0; mug < game_.pctLives.size(); ++mug) {
    const bool full = static_cast<std::int16_t>(mug) < game_.Lives;
    const platform::PictureBox& shown = game_.pctLives[mug];
    if (shown.visible() && !samePixels(shown, full ? game_.pctMug : game_.pctEmptyMug)) {
      return "mug " + std::to_string(mug + 1) + " is " + (full ? "empty" : "full") + " with " +
             std::to_string(game_.Lives) + " lives";
    }
  }
  return {};
}

// What the visible score digits read: -1 while they are hidden, kNoDigit when one shows no digit.
std::int32_t ScreenRules::scoreShown() const {
  std::int32_t value = 0;
  for (std::size_t place = game_.pctScore.size(); place-- > 0;) {
    const platform::PictureBox& shown = game_.pctScore[place];
    const auto digit = std::find_if(game_.pctDigit.begin(), game_.pctDigit.end(),
                                    [&](const platform::PictureBox& d) { return samePixels(shown, d); });
    if (!shown.visible()) {
      return -1;
    }
    if (digit == game_.pctDigit.end()) {
      return kNoDigit;
    }
    value = value * 10 + static_cast<std::int32_t>(digit - game_.pctDigit.begin());
  }
  return value;
}

// What the canvas changed since the last check must have been presented, and the screen there must be
// the window composed and enlarged to its scale, outside a tool tip laid over it.
std::string ScreenRules::screenIsTheWindow() {
  if (!host_.composeScreen) {
    return {};
  }
  const platform::Form& form = game_.form();
  const Surface& canvas = form.canvas();
  Rect changed;
  for (std::int32_t y = 0; y < canvas.height(); ++y) {
    const platform::Pixel *now = rowOf(canvas, y), *was = rowOf(shown_, y);
    const std::int32_t x = firstDifference(now, was, 0, canvas.width());
    if (x < canvas.width()) {
      std::int32_t end = canvas.width();
      while (now[end - 1] == was[end - 1]) {
        --end;
      }
      changed = changed.united({x, y, end - x, 1});
    }
  }
  if (changed.empty()) {
    return {};
  }
  shown_ = canvas;
  const std::int32_t scale = host_.scale();
  const Rect tip = form.shownToolTip() != nullptr ? platform::toScreen(form.toolTipArea(), scale) : Rect{};
  const Surface composed = platform::enlarged(form.composed(changed), scale);
  for (std::int32_t y = 0; y < composed.height(); ++y) {
    for (std::int32_t x = 0; x < composed.width(); ++x) {
      if (tip.intersects({changed.x * scale + x, changed.y * scale + y, 1, 1})) {
        continue;
      }
      const platform::Pixel got = host_.screen().at(changed.x * scale + x, changed.y * scale + y);
      if (got != composed.at(x, y)) {
        const std::int32_t wx = changed.x + x / scale, wy = changed.y + y / scale;
        return "the screen at window pixel " + std::to_string(wx) + "," + std::to_string(wy) + " (at " +
               std::to_string(scale) + "x) shows " + hex(got) + " where the window has " +
               hex(composed.at(x, y)) + ": drawn but never presented";
      }
    }
  }
  return {};
}
