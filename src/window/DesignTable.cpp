// The window as it was laid out: a row per control, in stacking order, bottom first, from which its
// design, its place in the stack and its click follow; and a row per hidden picture holder.
// Positions are twips; pictures come from assets/ beside the program.
#include "window/frmMain.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr auto Hand = platform::MousePointer::Hand;
constexpr auto Plain = platform::MousePointer::Default;
constexpr bool kShown = true, kHidden = false;

constexpr Placement at(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  return {left, top, width, height};
}

constexpr Placement kMenuButton(std::int32_t top) {
  return at(8670, top, 480, 480);
}

// Hidden holders: only their size matters, which is their picture's, in pixels.
constexpr platform::PixelSize kBeerCell{32, 20};
constexpr platform::PixelSize kButtonFace{32, 32};
constexpr platform::PixelSize kLetterCell{22, 23};

// The digits 2 and 3 are a pixel narrower than the others, the 4 two pixels wider.
constexpr platform::PixelSize digitCell(std::size_t digit) {
  return {digit == 2 || digit == 3 ? 21 : digit == 4 ? 24 : 22, 23};
}

std::string indexed(const char* name, std::size_t i) {
  return std::string(name) + "_" + std::to_string(i);
}

// The rows of a control array, rowOf(index) for each index from the first up.
template <typename RowOf> auto eachIndex(std::size_t count, RowOf rowOf) {
  std::vector<decltype(rowOf(0))> rows;
  for (std::size_t i = 0; i < count; ++i) {
    rows.push_back(rowOf(i));
  }
  return rows;
}

// The same from the last index down.
template <typename RowOf> auto eachIndexDown(std::size_t count, RowOf rowOf) {
  std::vector<decltype(rowOf(0))> rows;
  for (std::size_t i = count; i-- > 0;) {
    rows.push_back(rowOf(i));
  }
  return rows;
}

// The table is written in parts, each a control array or a run of single controls.
template <typename Row> std::vector<Row> joined(std::initializer_list<std::vector<Row>> parts) {
  std::vector<Row> rows;
  for (const std::vector<Row>& part : parts) {
    rows.insert(rows.end(), part.begin(), part.end());
  }
  return rows;
}

} // namespace

std::vector<ControlRow> frmMain::ControlTable() {
  // The banner's adverts lie on one another; its timer shows one at a time.
  const auto advert = [this](std::size_t i) -> ControlRow {
    const auto click = [this, i] { imgAd_Click(static_cast<std::int16_t>(i)); };
    return {indexed("imgAd", i),
            &imgAd[i],
            indexed("imgAd", i) + ".png",
            at(300, 270, 7020, 900),
            "Click to visit the Zelvatrix web site!",
            Hand,
            kShown,
            click};
  };
  // The score's places, the highest leftmost, each a pixel over the one on its left. Before any game
  // they show zeros, as the mugs show full: their own copies of those pictures.
  const auto scorePlace = [this](std::size_t i) -> ControlRow {
    const auto left = static_cast<std::int32_t>(7800 + 315 * (6 - i));
    return {
        indexed("pctScore", i), &pctScore[i], "pctDigit_0.png", at(left, 1350, 330, 345), "", Plain, kShown};
  };
  const auto mug = [this](std::size_t i) -> ControlRow {
    const auto left = static_cast<std::int32_t>(8130 + 495 * i);
    return {indexed("pctLives", i), &pctLives[i], "pctMug.png", at(left, 6915, 480, 480), "", Plain, kShown};
  };
  return joined<ControlRow>({
      eachIndex(imgAd.size(), advert),
      {
          {"pctMinimizeIcon", &pctMinimizeIcon, "pctMinimizeIcon.png", at(9510, 150, 300, 300), "", Hand,
           kShown, [this] { pctMinimizeIcon_Click(); }},
          {"pctExitIcon", &pctExitIcon, "pctExitIcon.png", at(9840, 150, 300, 300), "", Hand, kShown,
           [this] { pctExitIcon_Click(); }},
      },
      eachIndexDown(pctScore.size(), scorePlace),
      {
          {"pctAction", &pctAction, "pctPlay.png", kMenuButton(2070), "Play", Hand, kHidden,
           [this] { pctAction_Click(); }},
          {"pctOk", &pctOk, "pctOk.png", kMenuButton(2580), "Ok", Hand, kHidden, [this] { pctOk_Click(); }},
          {"pctClear", &pctClear, "pctClear.png", kMenuButton(3090), "Clear", Hand, kHidden,
           [this] { pctClear_Click(); }},
          {"pctNew", &pctNew, "pctNew.png", kMenuButton(3600), "New Game", Hand, kShown,
           [this] { pctNew_Click(); }},
          {"pctScores", &pctScores, "pctScores.png", kMenuButton(4110), "High Scores", Hand, kShown,
           [this] { pctScores_Click(); }},
          {"pctAbout", &pctAbout, "pctAbout.png", kMenuButton(4620), "About", Hand, kShown,
           [this] { pctAbout_Click(); }},
          {"pctQuit", &pctQuit, "pctQuit.png", kMenuButton(5130), "Exit", Hand, kShown,
           [this] { pctQuit_Click(); }},
          {"pctSound", &pctSound, "pctSoundOn.png", kMenuButton(6030), "Sound On/Off", Hand, kShown,
           [this] { pctSound_Click(); }},
          {"pctFocus", &pctFocus, "", at(8070, 6510, 1515, 300), "", Plain, kShown},
      },
      eachIndex(pctLives.size(), mug),
      // The score board covers the board; the about panel lies over it, and a raid's policeman over all.
      {
          {"pctScoreBoard", &pctScoreBoard, "", at(1500, 4680, 480, 300), "", Plain, kHidden},
          {"pctAboutText2", &pctAboutText2, "pctAboutText2.png", at(300, 3870, 5310, 480), "", Hand, kHidden,
           [this] { pctAboutText2_Click(); }},
          {"pctAboutText1", &pctAboutText1, "pctAboutText1.png", at(300, 3420, 4575, 495), "", Plain,
           kHidden},
          {"pctAboutText3", &pctAboutText3, "pctAboutText3.png", at(420, 4350, 480, 480), "", Hand, kHidden,
           [this] { pctAboutText3_Click(); }},
          // Size-to-picture stays off until a raid turns it on and shows the whole picture.
          {"pctCop", &pctCop, "pctCop.jpg", at(3450, 1380, 1830, 900), "", Plain, kHidden, nullptr,
           platform::PixelSize{320, 200}},
      },
  });
}

std::vector<HolderRow> frmMain::HolderTable() {
  const auto beer = [this](std::size_t i) {
    return HolderRow{indexed("pctBeer", i), &pctBeer[i], kBeerCell};
  };
  const auto digit = [this](std::size_t i) {
    return HolderRow{indexed("pctDigit", i), &pctDigit[i], digitCell(i)};
  };
  const auto letter = [this](std::size_t i) {
    return HolderRow{indexed("pctAlpha", i), &pctAlpha[i], kLetterCell};
  };
  return joined<HolderRow>({
      eachIndex(pctBeer.size(), beer),
      eachIndex(pctDigit.size(), digit),
      eachIndex(pctAlpha.size(), letter),
      {
          {"pctEmptyBeer", &pctEmptyBeer, kBeerCell},
          {"pctPlay", &pctPlay, kButtonFace},
          {"pctPause", &pctPause, kButtonFace},
          {"pctSoundOn", &pctSoundOn, kButtonFace},
          {"pctSoundOff", &pctSoundOff, kButtonFace},
          {"pctMug", &pctMug, kButtonFace},
          {"pctEmptyMug", &pctEmptyMug, kButtonFace},
          {"pctEmptyLetter", &pctEmptyLetter, kLetterCell},
          {"pctCursor", &pctCursor, kLetterCell},
      },
  });
}
