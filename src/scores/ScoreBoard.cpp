// The score board: ten rows of name and score pictures on a black box laid over the board.
#include "platform/Twips.h"
#include "window/frmMain.h"

#include <cstdio>

using platform::wholeTwips;

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

// A name is UTF-8, one cell per character: a character of several bytes has no picture and shows
// as its first byte does, an empty cell. Returns the first byte and moves `at` past the character.
unsigned char frmMain::NextCharacter(const std::string& name, std::size_t& at) {
  const auto first = static_cast<unsigned char>(name[at++]);
  if (first >= 0xC0) {
    while (at < name.size() && (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80) {
      ++at;
    }
  }
  return first;
}

void frmMain::ShowScoreBoard(const bool& EntryMode, const std::int16_t& Row) {
  Paused = true;
  HideMenu();
  pctOk.setVisible(true);
  pctClear.setVisible(true);
  pctScoreBoard.move(wholeTwips(lineLeft.X1), wholeTwips(lineTop.Y1),
                     wholeTwips(lineRight.X1) - wholeTwips(lineLeft.X1),
                     wholeTwips(lineBottom.Y1) - wholeTwips(lineTop.Y1));
  pctScoreBoard.setBackColor(platform::kBlack);
  pctScoreBoard.setVisible(true);
  pctScoreBoard.refresh();
  form_.refresh();
  const double tx = host_.twipsPerPixelX();
  const double cellWidth = pctAlpha[0].width();
  std::int32_t y = wholeTwips(host_.twipsPerPixelY() * static_cast<double>(RowY[0]));
  for (std::size_t i = 1; i <= 10; ++i) {
    std::int32_t x = wholeTwips(tx * ColumnX[0]);
    const std::string& name = HighScoreNames[i];
    std::size_t next = 0; // the byte where the name's next character begins
    for (std::size_t j = 1; j <= 10; ++j) {
      if (!(EntryMode && static_cast<std::int16_t>(i) == Row) && next < name.size()) {
        PaintOnScoreBoard(LetterPicture(NextCharacter(name, next)), x, y);
      }
      ScoreLetterX[j] = x;
      x = wholeTwips(x + cellWidth);
    }
    x = wholeTwips(tx * ColumnX[9]);
    // Seven places; a score too long for them (only from a hand-edited store) shows its first seven.
    char digits[16];
    std::snprintf(digits, sizeof digits, "%07ld", static_cast<long>(HighScores[i]));
    for (std::size_t k = 0; k < 7; ++k) {
      PaintOnScoreBoard(LetterPicture(static_cast<unsigned char>(digits[k])), x, y);
      x = wholeTwips(x + cellWidth);
    }
    ScoreRowY[i] = y;
    y = wholeTwips(y + static_cast<double>(pctAlpha[0].height()));
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
  PadLetter = 0; // the cursor covers whatever a pad had chosen there
  PaintOnScoreBoard(pctCursor, ScoreLetterX[EntryColumn], ScoreRowY[EntryRow]);
}

void frmMain::EraseEntryCursor() {
  PaintOnScoreBoard(pctEmptyLetter, ScoreLetterX[EntryColumn], ScoreRowY[EntryRow]);
}

void frmMain::pctScores_Click() {
  ShowScoreBoard(false, 0);
}

void frmMain::pctOk_Click() {
  const bool named = EnteringName;
  EnteringName = false;
  HideScoreBoard();
  ResumePlay();
  if (named) {
    SaveRegistry();
  }
}

// Enter or the tenth character: the name is done, and kept at once.
void frmMain::EndNameEntry() {
  HideScoreBoard();
  SaveRegistry();
}

// The board and its two buttons go, and the menu comes back.
void frmMain::HideScoreBoard() {
  pctOk.setVisible(false);
  pctClear.setVisible(false);
  pctScoreBoard.setVisible(false);
  ShowMenu();
}
