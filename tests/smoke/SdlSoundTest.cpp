// Sounds on SDL's dummy audio driver: a sound the game waits for lasts as long as it plays, any
// other returns at once, and a missing or damaged file or a missing sound device is silence.
#include "platform/sdl/LateLibrary.h"
#include "platform/sdl/SdlHost.h"

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

TEST(SdlSound, SyncSoundsReturnWhenTheyHaveEndedAndAllElseAtOnce) {
  const std::filesystem::path damaged = testing::TempDir() + "frothwick-damaged.wav";
  std::ofstream(damaged) << "RIFF\x7f\x7f\x7f\x7fWAVEfmt not a sound at all";
  SdlHost host;
  ASSERT_TRUE(host.soundAvailable()) << "the dummy audio driver should open";
  const long played = msPlaying(host, {{kBurp, SoundMode::Sync}});
  EXPECT_GE(played, kAtOnce);
  EXPECT_LT(played, 2 * kBurpMs - 100) << "the sound was played more than once";
  // A second sound cuts off the first, and plays on: the mixer the game opened for itself says so.
  EXPECT_LT(msPlaying(host, {{kBurp, SoundMode::Async}, {kBurp, SoundMode::Async}}), kAtOnce);
  LateLibrary mixer("libSDL2_mixer-2.0.so.0", "no channels to count");
  int (*playing)(int) = nullptr;
  mixer.bind(playing, "Mix_Playing");
  ASSERT_TRUE(mixer.complete());
  EXPECT_EQ(playing(-1), 1);
  EXPECT_LT(msPlaying(host, {{"/nonexistent/burp.wav", SoundMode::Sync},
                             {damaged, SoundMode::Sync},
                             {damaged, SoundMode::Async}}),
            kAtOnce);
  std::filesystem::remove(damaged);
}

TEST(SdlSound, WithoutASoundDeviceTheGameGoesOnSilently) {
  const std::string driver = std::getenv("SDL_AUDIODRIVER");
  ::setenv("SDL_AUDIODRIVER", "no-such-device", 1);
  SdlHost host;
  const bool available = host.soundAvailable(); // the device is sought while the wrong driver is asked for
  ::setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  EXPECT_FALSE(available);
  EXPECT_LT(msPlaying(host, {{kBurp, SoundMode::Sync}, {kBurp, SoundMode::Async}}), kAtOnce);
}

} // namespace
} // namespace platform
