#pragma once
// Sound effects through SDL_mixer. The mixer library and the sound device are opened by the first
// effect played, so a game with its sound off never loads the one, never opens the other, nor keeps
// its mixing thread awake. A machine without a working sound device plays nothing and says nothing:
// sound is never worth stopping the game for.
#include "platform/Host.h"

#include <filesystem>
#include <string>
#include <utility>

struct Mix_Chunk;

namespace platform {

struct Mixer;

class SoundPlayer {
public:
  // `speaker`: the game's name, for the line that says why there is no sound.
  explicit SoundPlayer(std::string speaker) : speaker_(std::move(speaker)) {}
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Opens the sound device on first asking; false when there is none.
  bool available();
  void play(const std::filesystem::path& file, SoundMode mode);

private:
  void playAsync(const std::filesystem::path& file);
  void playSync(const std::filesystem::path& file);
  void stopAsync();

  std::string speaker_;
  bool tried_ = false;
  const Mixer* mixer_ = nullptr; // set while the sound device is open
  Mix_Chunk* async_ = nullptr;
};

} // namespace platform
