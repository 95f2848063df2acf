// Score, lives, the police raid and the end of a game.
#include "platform/Twips.h"
#include "window/frmMain.h"

#include <cstdio>
#include <string>

void frmMain::AddScore(const std::int16_t& Points) {
  const std::int32_t old = Score / 10000;
  Score = Score + Points;
  if (Score / 10000 != old) {
    // Every 10,000 points the steps come faster, down to 12 ms; after that the beer falls further.
    if (StepDelay >= 14) {
      StepDelay = static_cast<std::int16_t>(StepDelay - 2);
    } else if (FallStep < CellHeight) {
      FallStep = FallStep + 1;
    }
  }
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%07d", Score);
  std::string s = buffer;
  if (s.size() > 7) {
    // Ten million rolls the score over and gives back a lost life.
    if (Lives < 3) {
      Lives = static_cast<std::int16_t>(Lives + 1);
      pctLives[static_cast<std::size_t>(Lives - 1)].setPicture(pctMug.picture());
    }
    s = s.substr(1);
    Score = 0;
  }
  for (std::size_t i = 1; i <= 7; ++i) {
    pctScore[7 - i].setPicture(pctDigit[static_cast<std::size_t>(s[i - 1] - '0')].picture());
  }
}

void frmMain::LoseLife() {
  Delay(500);
  if (Lives > 0) {
    pctLives[static_cast<std::size_t>(Lives - 1)].setPicture(pctEmptyMug.picture());
    Lives = static_cast<std::int16_t>(Lives - 1);
  }
  ClearBoard();
  Falling = false;
  KeyBusy = false;
  if (Lives == 0) {
    GameOver = true;
  }
}

void frmMain::PoliceRaid() {
  HideMenu();
  pctCop.setAutoSize(true);
  pctCop.setLeft(platform::wholeTwips(lineRight.X1) / 2 - pctCop.width() / 2);
  pctCop.setTop(platform::wholeTwips(lineBottom.Y1) / 2 - pctCop.height() / 2);
  pctCop.setVisible(true);
  pctCop.refresh();
  if (SoundIsOn()) {
    PlaySound("siren.wav", platform::SoundMode::Sync);
  }
  Delay(500);
  pctCop.setVisible(false);
  ShowMenu();
}
