#include "platform/sdl/SdlToolTips.h"
#include "SmokeDrivers.h"
#include "platform/Scale.h"
#include "platform/sdl/SdlSession.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace platform {
namespace {

class SdlToolTips : public testing::Test {
protected:
  static void SetUpTestSuite() { smoke::useDummyDrivers(); }
  SdlSession session;
};

TEST_F(SdlToolTips, DarkTextOnAPaleBoxWithADarkBorder) {
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

  EXPECT_GT(painter.paint("New game, and a longer tip")->width, tip->width);
}

TEST_F(SdlToolTips, NoFontMeansNoToolTips) {
  const ToolTipPainter painter("/nonexistent/font.ttf");
  EXPECT_FALSE(painter.available());
  EXPECT_EQ(painter.paint("New game"), nullptr);
}

TEST_F(SdlToolTips, AreSetInAFontOfTheScaledSizeNotEnlarged) {
  const ToolTipPainter painter;
  ASSERT_TRUE(painter.available());
  const PicturePtr small = painter.paint("New game", 1);
  const PicturePtr large = painter.paint("New game", 3);
  ASSERT_TRUE(small && large);
  EXPECT_NEAR(large->width, 3 * small->width, 6);
  EXPECT_NEAR(large->height, 3 * small->height, 6);
  EXPECT_NE(large->pixels, enlarged(*small, 3).pixels);
}

} // namespace
} // namespace platform
