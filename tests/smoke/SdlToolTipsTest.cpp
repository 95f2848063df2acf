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
  const Pixel pale = rgb(0xFF, 0xFF, 0xE1);
  EXPECT_EQ(tip->at(1, 1), pale);
  EXPECT_TRUE(std::none_of(tip->pixels.begin(), tip->pixels.end(), [](Pixel p) { return (p >> 24) < 0x80; }))
      << "the tip has see-through pixels";
  // A dark border all round, and dark text inside it as far from the left border as from the right.
  int left = tip->width, right = 0, inked = 0;
  for (int y = 0; y < tip->height; ++y) {
    for (int x = 0; x < tip->width; ++x) {
      const bool border = x == 0 || y == 0 || x == tip->width - 1 || y == tip->height - 1;
      EXPECT_TRUE(!border || tip->at(x, y) == kBlack) << "the border at " << x << ", " << y;
      left = border || tip->at(x, y) == pale ? left : std::min(left, x);
      right = border || tip->at(x, y) == pale ? right : std::max(right, x);
      inked += !border && (tip->at(x, y) & 0xFF) < 0x80 ? 1 : 0; // dark: little blue, as pale has much
    }
  }
  EXPECT_GT(inked, tip->height) << "no dark text drawn inside the border";
  EXPECT_NEAR(left, tip->width - 1 - right, 2);
  EXPECT_GT(painter.paint("New game, and a longer tip")->width, tip->width);

  const PicturePtr large = painter.paint("New game", 3);
  EXPECT_NEAR(large->width, 3 * tip->width, 6);
  EXPECT_NEAR(large->height, 3 * tip->height, 6);
  EXPECT_NE(large->pixels, enlarged(*tip, 3).pixels) << "the small tip was enlarged";
  EXPECT_EQ(ToolTipPainter("/nonexistent/font.ttf").paint("New game"), nullptr);
}

} // namespace
} // namespace platform
