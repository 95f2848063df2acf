#include "SmokeDrivers.h"
#include "platform/sdl/SdlHost.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

// The test sound lasts long enough that a play-through and a return at once stay far apart on a
// busy machine.
constexpr int kSoundMs = 400;
constexpr long kAtOnce = kSoundMs - 100;

long msSince(Clock::time_point start) {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

void putLe(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
  }
}

// A silent 16-bit mono WAV file lasting `ms`.
std::filesystem::path writeSilence(int ms) {
  const std::uint32_t rate = 22050;
  const std::uint32_t dataBytes = rate * static_cast<std::uint32_t>(ms) / 1000 * 2;
  auto file =
      std::filesystem::temp_directory_path() / ("frothwick-smoke-" + std::to_string(::getpid()) + ".wav");
  std::ofstream out(file, std::ios::binary);
  out << "RIFF";
  putLe(out, 36 + dataBytes, 4);
  out << "WAVEfmt ";
  putLe(out, 16, 4);
  putLe(out, 1, 2); // PCM
  putLe(out, 1, 2); // mono
  putLe(out, rate, 4);
  putLe(out, rate * 2, 4);
  putLe(out, 2, 2);
  putLe(out, 16, 2);
  out << "data";
  putLe(out, dataBytes, 4);
  out << std::string(dataBytes, '\0');
  return file;
}

class SdlSound : public testing::Test {
protected:
  static void SetUpTestSuite() { smoke::useDummyDrivers(); }
  void TearDown() override { std::filesystem::remove(sound); }

  std::filesystem::path sound = writeSilence(kSoundMs);
};

TEST_F(SdlSound, SyncSoundsReturnWhenTheyHaveEndedAndAsyncOnesAtOnce) {
  SdlHost host;
  ASSERT_TRUE(host.soundAvailable()) << "the dummy audio driver should open";

  auto start = Clock::now();
  host.playSound(sound, SoundMode::Sync);
  EXPECT_GE(msSince(start), kAtOnce);
  EXPECT_LT(msSince(start), 10 * kSoundMs);

  start = Clock::now();
  host.playSound(sound, SoundMode::Async);
  host.playSound(sound, SoundMode::Async); // cuts off the first
  EXPECT_LT(msSince(start), kAtOnce);
}

TEST_F(SdlSound, MissingFilesAreSilent) {
  SdlHost host;
  const auto start = Clock::now();
  host.playSound("/nonexistent/burp.wav", SoundMode::Async);
  host.playSound("/nonexistent/siren.wav", SoundMode::Sync);
  EXPECT_LT(msSince(start), kAtOnce);
}

TEST_F(SdlSound, WithoutASoundDeviceTheGameGoesOnSilently) {
  const char* asked = std::getenv("SDL_AUDIODRIVER");
  const std::string driver = asked != nullptr ? asked : "";
  ::setenv("SDL_AUDIODRIVER", "no-such-device", 1);
  SdlHost host;
  const bool available = host.soundAvailable(); // the device is sought while the wrong driver is asked for
  if (asked != nullptr) {
    ::setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  } else {
    ::unsetenv("SDL_AUDIODRIVER");
  }

  EXPECT_FALSE(available);
  const auto start = Clock::now();
  host.playSound(sound, SoundMode::Sync);
  host.playSound(sound, SoundMode::Async);
  EXPECT_LT(msSince(start), kAtOnce);
}

} // namespace
} // namespace platform
