#pragma once
// Sound effects through SDL_mixer. A machine without a working sound device plays nothing and says
// nothing: sound is never worth stopping the game for.
#include "platform/Host.h"

#include <filesystem>

struct Mix_Chunk;

namespace platform {

class SoundPlayer {
public:
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  bool available() const { return open_; }
  void play(const std::filesystem::path& file, SoundMode mode);

private:
  void playAsync(const std::filesystem::path& file);
  void playSync(const std::filesystem::path& file);
  void stopAsync();

  bool open_ = false;
  Mix_Chunk* async_ = nullptr;
};

} // namespace platform
