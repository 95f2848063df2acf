// What the libraries opened on first need give the game: sounds on SDL's dummy audio driver, and tool
// tips as the desktop the game was made for draws them.
#include "platform/Scale.h"
#include "platform/sdl/LateLibrary.h"
#include "platform/sdl/SdlHost.h"
#include "platform/sdl/SdlSession.h"
#include "platform/sdl/SdlToolTips.h"
#include "window/Frothwick.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace platform {
namespace {

// The burp lasts half a second: a play-through and a return at once stay far apart on a busy machine.
const std::filesystem::path kBurp =
    std::filesystem::path(FROTHWICK_SOURCE_ASSETS).parent_path() / "sounds/burp.wav";
constexpr long kBurpMs = 500;
constexpr long kAtOnce = kBurpMs - 100;

// How long playing the sounds in turn takes, in milliseconds.
long msPlaying(SdlHost& host, std::initializer_list<std::pair<std::filesystem::path, SoundMode>> sounds) {
  const auto start = std::chrono::steady_clock::now();
  for (const auto& [file, mode] : sounds) {
    host.playSound(file, mode);
  }
  const auto took = std::chrono::steady_clock::now() - start;
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count());
}

// A missing or damaged file, or a missing sound device, is silence.
TEST(SdlSound, SyncSoundsReturnWhenTheyHaveEndedAndAllElseAtOnce) {
  const std::filesystem::path damaged = testing::TempDir() + "frothwick-damaged.wav";
  std::ofstream(damaged) << "RIFF\x7f\x7f\x7f\x7fWAVEfmt not a sound at all";
  SdlHost host(kFrothwick);
  ASSERT_TRUE(host.soundAvailable()) << "the dummy audio driver should open";
  const long played = msPlaying(host, {{kBurp, SoundMode::Sync}});
  EXPECT_TRUE(played >= kAtOnce && played < 2 * kBurpMs - 100) << played << " ms: not once through";
  // A second sound cuts off the first, and plays on: the mixer the game opened for itself says so.
  EXPECT_LT(msPlaying(host, {{kBurp, SoundMode::Async}, {kBurp, SoundMode::Async}}), kAtOnce);
  LateLibrary mixer(kFrothwick.name, "libSDL2_mixer-2.0.so.0", "no channels to count");
  int (*playing)(int) = nullptr;
  mixer.bind(playing, "Mix_Playing");
  ASSERT_TRUE(mixer.complete());
  EXPECT_EQ(playing(-1), 1);
  // A library is complete only when it opened and every function asked of it was found.
  void (*none)() = nullptr;
  mixer.bind(none, "Mix_NoSuchFunction");
  mixer.bind(playing, "Mix_Playing");
  EXPECT_FALSE(mixer.complete()) << "a function found later made up for one missing";
  testing::internal::CaptureStderr();
  EXPECT_FALSE(LateLibrary(kFrothwick.name, "libFrothwickMissing.so.0", "nothing").complete());
  EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("Frothwick: nothing: ", 0), 0U)
      << "the line names neither the game nor what it goes without";
  EXPECT_LT(msPlaying(host, {{"/nonexistent/burp.wav", SoundMode::Sync},
                             {damaged, SoundMode::Sync},
                             {damaged, SoundMode::Async}}),
            kAtOnce);
  std::filesystem::remove(damaged);
}

TEST(SdlSound, WithoutASoundDeviceTheGameGoesOnSilently) {
  const std::string driver = std::getenv("SDL_AUDIODRIVER");
  ::setenv("SDL_AUDIODRIVER", "no-such-device", 1);
  SdlHost host(kFrothwick);
  const bool available = host.soundAvailable(); // the device is sought while the wrong driver is asked for
  ::setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  EXPECT_FALSE(available);
  EXPECT_LT(msPlaying(host, {{kBurp, SoundMode::Sync}, {kBurp, SoundMode::Async}}), kAtOnce);
}

TEST(SdlToolTips, DarkTextOnAPaleBoxWithADarkBorderInAFontOfTheScaledSize) {
  const SdlSession session(kFrothwick.name);
  const ToolTipPainter painter(kFrothwick.name);
  ASSERT_TRUE(painter.available()) << "DejaVu Sans is missing";
  const PicturePtr tip = painter.paint("New game");
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(tip->width > tip->height && tip->height >= 14 && tip->height <= 30)
      << tip->width << "x" << tip->height;
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
  EXPECT_TRUE(std::abs(large->width - 3 * tip->width) <= 6 && std::abs(large->height - 3 * tip->height) <= 6)
      << large->width << "x" << large->height;
  EXPECT_NE(large->pixels, enlarged(*tip, 3).pixels) << "the small tip was enlarged";
  EXPECT_EQ(ToolTipPainter(kFrothwick.name, "/nonexistent/font.ttf").paint("New game"), nullptr);
}

} // namespace
} // namespace platform
