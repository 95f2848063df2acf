#pragma once
// Sound effects through SDL_mixer. The sound device is opened by the first effect played, so a game
// with its sound off never opens it nor keeps its mixing thread awake. A machine without a working
// sound device plays nothing and says nothing: sound is never worth stopping the game for.
#include "platform/Host.h"

#include <filesystem>

struct Mix_Chunk;

namespace platform {

class SoundPlayer {
public:
  SoundPlayer() = default;
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

  bool tried_ = false;
  bool open_ = false;
  Mix_Chunk* async_ = nullptr;
};

} // namespace platform
