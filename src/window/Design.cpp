// The window as it was laid out: every control's name, place, size, picture, tool tip and pointer.
// Positions are twips; pictures come from assets/ beside the program, named after their controls.
#include "window/frmMain.h"

#include <string>

using platform::MousePointer;
using platform::PictureBox;

namespace {

struct Placement {
  std::int32_t left, top, width, height;
};

constexpr Placement kMenuButton(std::int32_t top) {
  return {8670, top, 480, 480};
}

} // namespace

frmMain::frmMain(platform::Host& host) : timerSite_(host), utimerCTL1(timerSite_), host_(host) {
  LoadDesign();
  RegisterControls();
  WireHandlers();
}

void frmMain::LoadDesign() {
  const auto assets = host_.programFolder() / "assets";
  const auto load = [&](const std::string& file) { return host_.loadPicture(assets / file); };
  const auto box = [&](PictureBox& b, const std::string& name, const std::string& file, Placement at,
                       const char* tip, MousePointer pointer, bool visible) {
    b.setName(name);
    b.move(at.left, at.top, at.width, at.height);
    b.setToolTipText(tip);
    b.setMousePointer(pointer);
    b.setVisible(visible);
    if (!file.empty()) {
      b.setAutoSize(true);
      b.setPicture(load(file));
    }
  };
  const auto holder = [&](PictureBox& b, const std::string& name) {
    box(b, name, name + ".png", {0, 0, 0, 0}, "", MousePointer::Default, false);
  };
  const auto indexed = [](const char* name, std::size_t i) {
    return std::string(name) + "_" + std::to_string(i);
  };

  form_.setPicture(load("frmMain.png"));
  for (std::size_t i = 0; i < imgAd.size(); ++i) {
    imgAd[i].setName(indexed("imgAd", i));
    imgAd[i].move(300, 270, 7020, 900);
    imgAd[i].setToolTipText("Click to visit the Zelvatrix web site!");
    imgAd[i].setMousePointer(MousePointer::Hand);
    imgAd[i].setPicture(load(indexed("imgAd", i) + ".png"));
  }
  box(pctMinimizeIcon, "pctMinimizeIcon", "pctMinimizeIcon.png", {9510, 150, 300, 300}, "",
      MousePointer::Hand, true);
  box(pctExitIcon, "pctExitIcon", "pctExitIcon.png", {9840, 150, 300, 300}, "", MousePointer::Hand, true);
  // The score shows zeros and the mugs are full before any game: their own copies of those pictures.
  for (std::size_t i = 0; i < pctScore.size(); ++i) {
    const auto left = static_cast<std::int32_t>(7800 + 315 * (6 - i));
    box(pctScore[i], indexed("pctScore", i), "pctDigit_0.png", {left, 1350, 330, 345}, "",
        MousePointer::Default, true);
  }
  box(pctAction, "pctAction", "pctPlay.png", kMenuButton(2070), "Play", MousePointer::Hand, false);
  box(pctOk, "pctOk", "pctOk.png", kMenuButton(2580), "Ok", MousePointer::Hand, false);
  box(pctClear, "pctClear", "pctClear.png", kMenuButton(3090), "Clear", MousePointer::Hand, false);
  box(pctNew, "pctNew", "pctNew.png", kMenuButton(3600), "New Game", MousePointer::Hand, true);
  box(pctScores, "pctScores", "pctScores.png", kMenuButton(4110), "High Scores", MousePointer::Hand, true);
  box(pctAbout, "pctAbout", "pctAbout.png", kMenuButton(4620), "About", MousePointer::Hand, true);
  box(pctQuit, "pctQuit", "pctQuit.png", kMenuButton(5130), "Exit", MousePointer::Hand, true);
  box(pctSound, "pctSound", "pctSoundOn.png", kMenuButton(6030), "Sound On/Off", MousePointer::Hand, true);
  box(pctFocus, "pctFocus", "", {8070, 6510, 1515, 300}, "", MousePointer::Default, true);
  const std::int32_t mugLeft[] = {8130, 8625, 9120};
  for (std::size_t i = 0; i < pctLives.size(); ++i) {
    box(pctLives[i], indexed("pctLives", i), "pctMug.png", {mugLeft[i], 6915, 480, 480}, "",
        MousePointer::Default, true);
  }
  box(pctAboutText1, "pctAboutText1", "pctAboutText1.png", {300, 3420, 4575, 495}, "", MousePointer::Default,
      false);
  box(pctAboutText2, "pctAboutText2", "pctAboutText2.png", {300, 3870, 5310, 480}, "", MousePointer::Hand,
      false);
  box(pctAboutText3, "pctAboutText3", "pctAboutText3.png", {420, 4350, 480, 480}, "", MousePointer::Hand,
      false);
  box(pctScoreBoard, "pctScoreBoard", "", {1500, 4680, 480, 300}, "", MousePointer::Default, false);
  box(pctCop, "pctCop", "", {3450, 1380, 1830, 900}, "", MousePointer::Default, false);
  pctCop.setPicture(load("pctCop.jpg")); // size-to-picture stays off until a raid turns it on

  for (std::size_t i = 0; i < pctBeer.size(); ++i) {
    holder(pctBeer[i], indexed("pctBeer", i));
  }
  for (std::size_t i = 0; i < pctDigit.size(); ++i) {
    holder(pctDigit[i], indexed("pctDigit", i));
  }
  for (std::size_t i = 0; i < pctAlpha.size(); ++i) {
    holder(pctAlpha[i], indexed("pctAlpha", i));
  }
  holder(pctEmptyBeer, "pctEmptyBeer");
  holder(pctPlay, "pctPlay");
  holder(pctPause, "pctPause");
  holder(pctSoundOn, "pctSoundOn");
  holder(pctSoundOff, "pctSoundOff");
  holder(pctMug, "pctMug");
  holder(pctEmptyMug, "pctEmptyMug");
  holder(pctEmptyLetter, "pctEmptyLetter");
  holder(pctCursor, "pctCursor");

  // The timer control as saved with the window: disabled, at its fixed size (in HIMETRIC).
  utimerctl::PropertyBag timerDesign;
  timerDesign.write<std::int32_t>("_ExtentX", 626, 0);
  timerDesign.write<std::int32_t>("_ExtentY", 591, 0);
  timerDesign.write("Enabled", false, true);
  utimerCTL1.readProperties(timerDesign);

  lineLeft = {210, 1740, 210, 4740};
  lineTop = {150, 1290, 2910, 1290};
  lineRight = {345, 2280, 2115, 2280};
  lineBottom = {330, 2520, 2070, 2520};
}

// Only controls that can ever be shown take part in drawing and hit testing; the order is the
// stacking order, bottom first.
void frmMain::RegisterControls() {
  for (auto& ad : imgAd) {
    form_.addControl(ad);
  }
  for (PictureBox* b : {&pctMinimizeIcon, &pctExitIcon}) {
    form_.addControl(*b);
  }
  for (auto it = pctScore.rbegin(); it != pctScore.rend(); ++it) {
    form_.addControl(*it);
  }
  for (PictureBox* b :
       {&pctAction, &pctOk, &pctClear, &pctNew, &pctScores, &pctAbout, &pctQuit, &pctSound, &pctFocus}) {
    form_.addControl(*b);
  }
  for (auto& mug : pctLives) {
    form_.addControl(mug);
  }
  for (PictureBox* b : {&pctScoreBoard, &pctAboutText2, &pctAboutText1, &pctAboutText3, &pctCop}) {
    form_.addControl(*b);
  }
}
