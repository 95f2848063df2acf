// Entering a name for a new high score, one key at a time, and clearing the table.
#include "window/frmMain.h"

#include "platform/KeyCodes.h"

namespace vk = platform::vk;

void frmMain::CheckHighScore() {
  const std::size_t rank = scores::RankFor([this](std::size_t r) { return HighScores[r]; }, Score);
  if (rank == 0) {
    return;
  }
  scores::MakeRoomAt(HighScoreNames, rank);
  scores::MakeRoomAt(HighScores, rank);
  HighScoreNames[rank] = "";
  HighScores[rank] = Score;
  TableChanges.push_back({false, Score, ""});
  ShowScoreBoard(true, static_cast<std::int16_t>(rank));
}

void frmMain::TypeCharacter(const platform::PictureBox& picture, char character) {
  PaintOnScoreBoard(picture, ScoreLetterX[EntryColumn], ScoreRowY[EntryRow]);
  HighScoreNames[EntryRow] += character;
  EntryColumn = static_cast<std::int16_t>(EntryColumn + 1);
  if (EntryColumn == 11) {
    EnteringName = false;
    EndNameEntry();
  } else {
    DrawEntryCursor();
  }
}

void frmMain::NameEntryKey(const std::int16_t& KeyCode) {
  if (KeyCode == vk::Return) {
    EnteringName = false;
    EraseEntryCursor();
    EndNameEntry();
  } else if (KeyCode >= vk::A && KeyCode <= vk::A + 25) {
    TypeCharacter(pctAlpha[static_cast<std::size_t>(KeyCode - vk::A)], static_cast<char>(KeyCode));
  } else if (KeyCode >= vk::Digit0 && KeyCode <= vk::Digit0 + 9) {
    TypeCharacter(pctDigit[static_cast<std::size_t>(KeyCode - vk::Digit0)], static_cast<char>(KeyCode));
  } else if (KeyCode >= vk::Numpad0 && KeyCode <= vk::Numpad0 + 9) {
    // The numeric keypad's digits type their digit; its other keys and the function keys type nothing.
    const auto digit = static_cast<std::size_t>(KeyCode - vk::Numpad0);
    TypeCharacter(pctDigit[digit], static_cast<char>('0' + digit));
  } else if (KeyCode == vk::Space) {
    TypeCharacter(pctEmptyLetter, ' ');
  } else if (KeyCode == vk::Back) {
    std::string& name = HighScoreNames[EntryRow];
    EraseEntryCursor();
    if (EntryColumn > 1) {
      if (!name.empty()) {
        name.pop_back();
      }
      EntryColumn = static_cast<std::int16_t>(EntryColumn - 1);
    } else {
      name.clear();
    }
    DrawEntryCursor();
  }
}

void frmMain::pctClear_Click() {
  for (std::size_t i = 1; i <= 10; ++i) {
    HighScoreNames[i] = "";
    HighScores[i] = 0;
  }
  TableChanges.push_back({true, 0, ""});
  if (EnteringName) {
    CheckHighScore();
  } else {
    ShowScoreBoard(false, 0);
  }
  SaveRegistry();
}
