// The play/pause button, and the menu that steps aside while a panel or the raid covers the board.
#include "window/frmMain.h"

#include <array>

namespace {

// The menu buttons in the order they are hidden and shown; pctAction keeps the visibility it had.
std::array<platform::PictureBox*, 7> MenuButtons(frmMain& f) {
  return {&f.pctQuit, &f.pctFocus, &f.pctScores, &f.pctSound, &f.pctAction, &f.pctAbout, &f.pctNew};
}

} // namespace

void frmMain::pctAction_Click() {
  // The picture decides, not the flag.
  if (pctAction.picture() == pctPause.picture()) {
    Paused = true;
    pctAction.setPicture(pctPlay.picture());
    pctAction.setToolTipText("Play");
  } else {
    ResumePlay();
  }
}

// The game goes on, and the button offers to pause it again: a panel that closes leaves the
// picture agreeing with the game.
void frmMain::ResumePlay() {
  Paused = false;
  pctAction.setPicture(pctPause.picture());
  pctAction.setToolTipText("Pause");
}

void frmMain::HideMenu() {
  ActionWasVisible = pctAction.visible();
  for (platform::PictureBox* button : MenuButtons(*this)) {
    button->setVisible(false);
  }
  for (auto& mug : pctLives) {
    mug.setVisible(false);
  }
  for (auto& digit : pctScore) {
    digit.setVisible(false);
  }
  form_.refresh();
}

void frmMain::ShowMenu() {
  for (platform::PictureBox* button : MenuButtons(*this)) {
    button->setVisible(button == &pctAction ? ActionWasVisible : true);
  }
  for (auto& mug : pctLives) {
    mug.setVisible(true);
  }
  for (auto& digit : pctScore) {
    digit.setVisible(true);
  }
  DrawBoard();
  form_.refresh();
}

void frmMain::Form_GotFocus() {
  form_.refresh();
}
