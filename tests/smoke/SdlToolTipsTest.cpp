// Tool tips as the desktop the game was made for draws them: dark text on a pale box with a dark
// border, set in a font of the window's scale, and none at all without the font.
#include "platform/sdl/SdlToolTips.h"
#include "platform/Scale.h"
#include "platform/sdl/SdlSession.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(SdlToolTips, DarkTextOnAPaleBoxWithADarkBorderInAFontOfTheScaledSize) {
  const SdlSession session;
  const ToolTipPainter painter;
  ASSERT_TRUE(painter.available()) << "DejaVu Sans is missing";
  const PicturePtr tip = painter.paint("New game");
  ASSERT_NE(tip, nullptr);
  EXPECT_GT(tip->width, tip->height);
  EXPECT_GE(tip->height, 14);
  EXPECT_LE(tip->height, 30);
  EXPECT_EQ(tip->at(0, 0), kBlack);
  EXPECT_EQ(tip->at(tip->width - 1, tip->height / 2), kBlack);
  EXPECT_EQ(tip->at(1, 1), rgb(0xFF, 0xFF, 0xE1));
  EXPECT_TRUE(std::none_of(tip->pixels.begin(), tip->pixels.end(), [](Pixel p) { return (p >> 24) < 0x80; }))
      << "the tip has see-through pixels";
  const auto inked = std::count(tip->pixels.begin() + tip->width, tip->pixels.end() - tip->width, kBlack);
  EXPECT_GT(inked, 2 * tip->height) << "no text drawn inside the border";
  // The text lies as far from the left border as from the right.
  int left = tip->width, right = 0;
  for (int y = 1; y < tip->height - 1; ++y) {
    for (int x = 1; x < tip->width - 1; ++x) {
      if (tip->at(x, y) != rgb(0xFF, 0xFF, 0xE1)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  EXPECT_NEAR(left, tip->width - 1 - right, 2);
  EXPECT_GT(painter.paint("New game, and a longer tip")->width, tip->width);

  const PicturePtr large = painter.paint("New game", 3);
  EXPECT_NEAR(large->width, 3 * tip->width, 6);
  EXPECT_NEAR(large->height, 3 * tip->height, 6);
  EXPECT_NE(large->pixels, enlarged(*tip, 3).pixels) << "the small tip was enlarged";

  const ToolTipPainter withoutFont("/nonexistent/font.ttf");
  EXPECT_FALSE(withoutFont.available());
  EXPECT_EQ(withoutFont.paint("New game"), nullptr);
}

} // namespace
} // namespace platform
