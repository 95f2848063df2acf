// A game pad plays as the keyboard does: each button stands for the key that does its work, and acts
// only when that key would. The buttons with no key of their own (the high scores, and closing a
// panel without Escape's pause) follow their buttons on screen.
#include "platform/KeyCodes.h"
#include "window/frmMain.h"

namespace vk = platform::vk;
using platform::PadButton;

void frmMain::WirePadHandlers() {
  form_.PadDown = [this](PadButton button) { Form_PadDown(button); };
  form_.PadRemoved = [this] { Form_PadRemoved(); };
}

void frmMain::Form_PadDown(PadButton Button) {
  if (KeysHeldBack) {
    return;
  }
  if (EnteringName) {
    NameEntryPad(Button);
    return;
  }
  std::int16_t key = 0;
  switch (Button) {
  case PadButton::Left:
    key = vk::Left;
    break;
  case PadButton::Right:
    key = vk::Right;
    break;
  case PadButton::Down:
  case PadButton::South:
    key = vk::Down;
    break;
  case PadButton::Start:
    key = vk::Pause;
    break;
  case PadButton::Back:
    key = vk::F2;
    break;
  case PadButton::East:
    // Escape closes a panel first; with none open it would pause, which B does not.
    if (pctAboutText3.visible() || pctScoreBoard.visible()) {
      key = vk::Escape;
    }
    break;
  case PadButton::North:
    if (pctScores.visible()) {
      pctScores_Click();
    }
    break;
  case PadButton::Up:
  case PadButton::West:
    break;
  }
  if (key != 0) {
    Form_KeyDown(key, 0);
  }
}

// A pad that goes away takes the player's hands off the game, as putting the window away does.
void frmMain::Form_PadRemoved() {
  ForcePause();
}
