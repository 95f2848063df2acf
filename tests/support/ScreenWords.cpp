#include "ScreenWords.h"

#include "platform/Twips.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The picture holders a visible control may share a picture with, by name.
std::string holderOf(const frmMain& game, const platform::PicturePtr& picture) {
  for (const platform::PictureBox* holder :
       {&game.pctPlay, &game.pctPause, &game.pctSoundOn, &game.pctSoundOff}) {
    if (picture != nullptr && holder->picture() == picture) {
      return "=" + holder->name();
    }
  }
  return {};
}

bool readElsewhere(const frmMain& game, const platform::PictureBox* box) {
  const auto in = [box](const auto& boxes) {
    return std::any_of(boxes.begin(), boxes.end(),
                       [box](const platform::PictureBox& b) { return &b == box; });
  };
  return in(game.pctScore) || in(game.pctLives);
}

// A letter cell as the score board paints it: the picture over the board's back colour.
platform::Surface cellOf(const platform::PictureBox& letter, platform::Pixel back) {
  platform::Surface cell(letter.picture()->width, letter.picture()->height, back);
  cell.drawPicture(*letter.picture(), 0, 0, back);
  return cell;
}

bool cellShows(const platform::Surface& board, std::int32_t x, std::int32_t y,
               const platform::Surface& cell) {
  for (std::int32_t row = 0; row < cell.height(); ++row) {
    for (std::int32_t column = 0; column < cell.width(); ++column) {
      if (board.at(x + column, y + row) != cell.at(column, row)) {
        return false;
      }
    }
  }
  return true;
}

} // namespace

std::string shownControls(const frmMain& game) {
  std::string words = "shows";
  for (const platform::Image* image : game.form().images()) {
    if (image->visible()) {
      words += " " + image->name();
    }
  }
  for (const platform::PictureBox* box : game.form().boxes()) {
    if (box->visible() && !readElsewhere(game, box)) {
      words += " " + box->name() + holderOf(game, box->picture());
    }
  }
  return words;
}

std::string scoreBoardRows(const frmMain& game) {
  const auto& drawing = game.pctScoreBoard.drawing();
  if (!game.pctScoreBoard.visible() || !drawing) {
    return {};
  }
  const platform::Pixel back = game.pctScoreBoard.backColor();
  // A cell past the end of a name is left as the board's back colour: blank, as the empty letter is.
  const auto size = std::pair{game.pctEmptyLetter.picture()->width, game.pctEmptyLetter.picture()->height};
  std::vector<std::pair<char, platform::Surface>> letters = {
      {' ', cellOf(game.pctEmptyLetter, back)},
      {' ', platform::Surface(size.first, size.second, back)},
      {'_', cellOf(game.pctCursor, back)}};
  for (std::size_t i = 0; i < game.pctAlpha.size(); ++i) {
    letters.emplace_back(static_cast<char>('A' + i), cellOf(game.pctAlpha[i], back));
  }
  for (std::size_t i = 0; i < game.pctDigit.size(); ++i) {
    letters.emplace_back(static_cast<char>('0' + i), cellOf(game.pctDigit[i], back));
  }
  const std::int32_t cellWidth = letters.front().second.width();
  std::string words = "scoreboard";
  for (std::size_t row = 1; row <= 10; ++row) {
    words += row == 1 ? " " : " | ";
    const std::int32_t y = platform::twipsToPixels(game.ScoreRowY[row]);
    for (std::size_t place = 0; place < 17; ++place) {
      // The name's ten cells, then the score's seven from the tenth board column on.
      const std::int32_t x = place < 10
                                 ? platform::twipsToPixels(game.ScoreLetterX[place + 1])
                                 : game.ColumnX[9] + cellWidth * (static_cast<std::int32_t>(place) - 10);
      const auto found = std::find_if(letters.begin(), letters.end(), [&](const auto& letter) {
        return cellShows(*drawing, x, y, letter.second);
      });
      words += place == 10 ? " " : "";
      words += found == letters.end() ? '?' : found->first;
    }
  }
  return words;
}
