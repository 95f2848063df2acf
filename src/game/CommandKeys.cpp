// Keys for the buttons, so that a game can be started, paused and left without the mouse. A key does
// what a click on its button does, and only while the player could click that button.
#include "window/frmMain.h"

#include "platform/KeyCodes.h"

namespace vk = platform::vk;

bool frmMain::IsQuitKey(std::int16_t KeyCode, std::int16_t Shift) {
  return (Shift & vk::CtrlMask) != 0 && KeyCode == vk::Q;
}

bool frmMain::CommandKey(std::int16_t KeyCode, std::int16_t Shift) {
  const bool ctrl = (Shift & vk::CtrlMask) != 0;
  if (IsQuitKey(KeyCode, Shift)) {
    pctQuit_Click(); // saves and ends, like the Exit icon that is always there
  } else if (KeyCode == vk::Escape && pctAboutText3.visible()) {
    // Escape first closes a panel, as its close mark or Ok would.
    pctAboutText3_Click();
  } else if (KeyCode == vk::Escape && pctScoreBoard.visible()) {
    pctOk_Click();
  } else if (KeyCode == vk::Pause || KeyCode == vk::Escape || KeyCode == vk::P) {
    if (pctAction.visible()) {
      pctAction_Click();
    }
  } else if (KeyCode == vk::F2 || (ctrl && KeyCode == vk::N)) {
    if (pctNew.visible()) {
      pctNew_Click();
    }
  } else if (KeyCode == vk::F1) {
    if (pctAbout.visible()) {
      pctAbout_Click();
    }
  } else {
    return false;
  }
  return true;
}
