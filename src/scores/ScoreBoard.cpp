// The score board: ten rows of name and score pictures on a black box laid over the board.
#include "window/frmMain.h"

#include <cmath>
#include <cstdio>

namespace {

std::int32_t Rounded(double value) {
  return static_cast<std::int32_t>(std::nearbyint(value));
}

} // namespace

void frmMain::WireScoreHandlers() {
  pctScores.onClick = [this] { pctScores_Click(); };
  pctOk.onClick = [this] { pctOk_Click(); };
  pctClear.onClick = [this] { pctClear_Click(); };
}

void frmMain::PaintOnScoreBoard(const platform::PictureBox& source, std::int32_t x, std::int32_t y) {
  if (source.picture()) {
    pctScoreBoard.paintPicture(*source.picture(), x, y);
  }
}

// Letters and digits have pictures; everything else a name may hold from a hand-edited store
// (lower case, punctuation, a minus sign, bytes above 127) shows as an empty letter cell.
const platform::PictureBox& frmMain::LetterPicture(unsigned char code) const {
  if (code >= 'A' && code <= 'Z') {
    return pctAlpha[code - 'A'];
  }
  if (code >= '0' && code <= '9') {
    return pctDigit[code - '0'];
  }
  return pctEmptyLetter;
}

void frmMain::ShowScoreBoard(const bool& EntryMode, const std::int16_t& Row) {
  Paused = true;
  HideMenu();
  pctOk.setVisible(true);
  pctClear.setVisible(true);
  const auto whole = [](float twips) { return Rounded(twips); };
  pctScoreBoard.move(whole(lineLeft.X1), whole(lineTop.Y1), whole(lineRight.X1) - whole(lineLeft.X1),
                     whole(lineBottom.Y1) - whole(lineTop.Y1));
  pctScoreBoard.setBackColor(platform::kBlack);
  pctScoreBoard.setVisible(true);
  pctScoreBoard.refresh();
  form_.refresh();
  const double tx = host_.twipsPerPixelX();
  const double cellWidth = pctAlpha[0].width();
  std::int32_t y = Rounded(host_.twipsPerPixelY() * static_cast<double>(RowY[0]));
  for (std::size_t i = 1; i <= 10; ++i) {
    std::int32_t x = Rounded(tx * ColumnX[0]);
    const std::string& name = HighScoreNames[i];
    for (std::size_t j = 1; j <= 10; ++j) {
      if (!(EntryMode && static_cast<std::int16_t>(i) == Row) && name.size() >= j) {
        PaintOnScoreBoard(LetterPicture(static_cast<unsigned char>(name[j - 1])), x, y);
      }
      ScoreLetterX[j] = x;
      x = Rounded(x + cellWidth);
    }
    x = Rounded(tx * ColumnX[9]);
    // Seven places, and a minus sign in front of them rather than in one of them. A score too long
    // for seven places, or a negative one (only from a hand-edited store), shows its first seven.
    char digits[16];
    const std::int64_t score = HighScores[i];
    std::snprintf(digits, sizeof digits, "%s%07lld", score < 0 ? "-" : "",
                  static_cast<long long>(score < 0 ? -score : score));
    for (std::size_t k = 0; k < 7; ++k) {
      PaintOnScoreBoard(LetterPicture(static_cast<unsigned char>(digits[k])), x, y);
      x = Rounded(x + cellWidth);
    }
    ScoreRowY[i] = y;
    y = Rounded(y + static_cast<double>(pctAlpha[0].height()));
  }
  EnteringName = EntryMode;
  EntryRow = Row;
  EntryColumn = 1;
  if (EntryMode) {
    HighScoreNames[static_cast<std::size_t>(Row)] = "";
    DrawEntryCursor();
  }
}

void frmMain::DrawEntryCursor() {
  PaintOnScoreBoard(pctCursor, ScoreLetterX[EntryColumn], ScoreRowY[EntryRow]);
}

void frmMain::EraseEntryCursor() {
  PaintOnScoreBoard(pctEmptyLetter, ScoreLetterX[EntryColumn], ScoreRowY[EntryRow]);
}

void frmMain::pctScores_Click() {
  ShowScoreBoard(false, 0);
}

void frmMain::pctOk_Click() {
  EnteringName = false;
  pctOk.setVisible(false);
  pctClear.setVisible(false);
  pctScoreBoard.setVisible(false);
  ShowMenu();
  ResumePlay();
}

void frmMain::EndNameEntry() {
  pctOk.setVisible(false);
  pctClear.setVisible(false);
  pctScoreBoard.setVisible(false);
  ShowMenu();
}
