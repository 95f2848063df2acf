// The window as it was laid out: every control's name, place, size, picture, tool tip and pointer.
// Positions are twips; pictures come from assets/ beside the program, named after their controls.
#include "window/Frothwick.h"
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

// Hidden holders: only their size matters, which is their picture's.
constexpr Placement kBeerCell{0, 0, 480, 300};
constexpr Placement kButtonFace{0, 0, 480, 480};
constexpr Placement kLetterCell{0, 0, 330, 345};

// The digits 2 and 3 are a pixel narrower than the others, the 4 two pixels wider.
constexpr Placement digitCell(std::size_t digit) {
  return {0, 0, digit == 2 || digit == 3 ? 315 : digit == 4 ? 360 : 330, 345};
}

} // namespace

frmMain::frmMain(platform::Host& host)
    : timerSite_(host), utimerCTL1(timerSite_), host_(host), form_(host, kFrothwick) {
  LoadDesign();
  RegisterControls();
  WireHandlers();
}

void frmMain::LoadDesign() {
  const auto assets = host_.programFolder() / "assets";
  const auto load = [&](const std::string& file, platform::PixelSize size) {
    return host_.loadPicture(assets / file, size);
  };
  // A box that sizes itself to its picture was laid out at that picture's size.
  const auto pixels = [&](Placement at) {
    return platform::PixelSize{at.width / host_.twipsPerPixelX(), at.height / host_.twipsPerPixelY()};
  };
  const auto box = [&](PictureBox& b, const std::string& name, const std::string& file, Placement at,
                       const char* tip, MousePointer pointer, bool visible) {
    b.setName(name);
    b.move(at.left, at.top, at.width, at.height);
    b.setToolTipText(tip);
    b.setMousePointer(pointer);
    b.setVisible(visible);
    if (!file.empty()) {
      b.setAutoSize(true);
      b.setPicture(load(file, pixels(at)));
    }
  };
  const auto holder = [&](PictureBox& b, const std::string& name, Placement size) {
    box(b, name, name + ".png", size, "", MousePointer::Default, false);
  };
  const auto indexed = [](const char* name, std::size_t i) {
    return std::string(name) + "_" + std::to_string(i);
  };

  // The background picture is a row taller than the client area; its last row is never seen.
  const platform::PixelSize client = kFrothwick.clientSize;
  form_.setPicture(load("frmMain.png", {client.width, client.height + 1}));
  for (std::size_t i = 0; i < imgAd.size(); ++i) {
    imgAd[i].setName(indexed("imgAd", i));
    imgAd[i].move(300, 270, 7020, 900);
    imgAd[i].setToolTipText("Click to visit the Zelvatrix web site!");
    imgAd[i].setMousePointer(MousePointer::Hand);
    imgAd[i].setPicture(load(indexed("imgAd", i) + ".png", pixels({300, 270, 7020, 900})));
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
  // Size-to-picture stays off until a raid turns it on and shows the whole picture.
  pctCop.setPicture(load("pctCop.jpg", {320, 200}));

  for (std::size_t i = 0; i < pctBeer.size(); ++i) {
    holder(pctBeer[i], indexed("pctBeer", i), kBeerCell);
  }
  for (std::size_t i = 0; i < pctDigit.size(); ++i) {
    holder(pctDigit[i], indexed("pctDigit", i), digitCell(i));
  }
  for (std::size_t i = 0; i < pctAlpha.size(); ++i) {
    holder(pctAlpha[i], indexed("pctAlpha", i), kLetterCell);
  }
  holder(pctEmptyBeer, "pctEmptyBeer", kBeerCell);
  holder(pctPlay, "pctPlay", kButtonFace);
  holder(pctPause, "pctPause", kButtonFace);
  holder(pctSoundOn, "pctSoundOn", kButtonFace);
  holder(pctSoundOff, "pctSoundOff", kButtonFace);
  holder(pctMug, "pctMug", kButtonFace);
  holder(pctEmptyMug, "pctEmptyMug", kButtonFace);
  holder(pctEmptyLetter, "pctEmptyLetter", kLetterCell);
  holder(pctCursor, "pctCursor", kLetterCell);

  // The timer control as saved with the window: disabled, every other property at its default. Its
  // size is its own and invisible at run time, so the window keeps none.
  utimerctl::PropertyBag timerDesign;
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
