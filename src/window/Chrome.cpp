// The window's own handling: it has no title bar, so it brings its own dragging, minimise and exit
// icons, an about panel, a banner that opens a web page, and the sound button.
#include "platform/Twips.h"
#include "window/Frothwick.h"
#include "window/Module1.h"
#include "window/WebAddresses.h"
#include "window/frmMain.h"

void frmMain::Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  static_cast<void>(Button);
  static_cast<void>(Shift);
  static_cast<void>(X);
  static_cast<void>(Y);
  DragWindow(form_);
}

void frmMain::Form_Resize() {
  if (form_.windowState() == platform::WindowState::Minimized) {
    // However the window was put away, a game must not play on where the player cannot see it.
    // Restoring leaves it paused: the player resumes it.
    ForcePause();
    return;
  }
  form_.setBorderless(true);
  form_.refresh();
  form_.setCaption(kFrothwick.name);
  form_.refresh();
}

void frmMain::ForcePause() {
  pctAction.setPicture(pctPause.picture());
  pctAction_Click();
}

void frmMain::pctMinimizeIcon_Click() {
  ForcePause();
  form_.setWindowState(platform::WindowState::Minimized);
}

void frmMain::pctExitIcon_Click() {
  EndFromExit();
}

void frmMain::pctQuit_Click() {
  EndFromExit();
}

// The Exit icon and button are the only visible ways out of a window without a title bar, so they
// keep the high scores and the sound setting just as closing the window does.
void frmMain::EndFromExit() {
  form_.setMousePointer(platform::MousePointer::Default);
  throw platform::ProgramEnd{SaveOnTheWayOut()};
}

void frmMain::pctAbout_Click() {
  Paused = true;
  HideMenu();
  ForcePause();
  for (platform::PictureBox* text : {&pctAboutText1, &pctAboutText2, &pctAboutText3}) {
    // Centred between the board's left and right edges, in single precision on twips.
    const float left = (lineRight.X1 - lineLeft.X1 - static_cast<float>(text->width())) / 2 + lineLeft.X1;
    text->setLeft(platform::wholeTwips(left));
  }
  for (platform::PictureBox* text : {&pctAboutText1, &pctAboutText2, &pctAboutText3}) {
    text->setVisible(true);
  }
}

void frmMain::pctAboutText2_Click() {
  ForcePause();
  host_.openUrl(web::kMakerHomePage);
}

void frmMain::pctAboutText3_Click() {
  for (platform::PictureBox* text : {&pctAboutText1, &pctAboutText2, &pctAboutText3}) {
    text->setVisible(false);
  }
  ShowMenu();
  ResumePlay();
}

void frmMain::imgAd_Click(std::int16_t Index) {
  static_cast<void>(Index);
  ForcePause();
  host_.openUrl(web::kZelvatrixPage);
}

void frmMain::pctSound_Click() {
  pctSound.setPicture(pctSound.picture() == pctSoundOff.picture() ? pctSoundOn.picture()
                                                                  : pctSoundOff.picture());
  SaveRegistry();
}

void frmMain::utimerCTL1_Timer() {
  imgAd[static_cast<std::size_t>(AdIndex)].setVisible(false);
  AdIndex = AdIndex + 1 > 5 ? 0 : AdIndex + 1;
  imgAd[static_cast<std::size_t>(AdIndex)].setVisible(true);
}
