#include "platform/sdl/SdlSound.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform {

namespace {

// Each mode has a channel of its own, so a new effect cuts off only the one it replaces.
constexpr int kAsyncChannel = 0;
constexpr int kSyncChannel = 1;
constexpr int kChunkBytes = 1024; // short enough that an effect starts with its cue
constexpr Uint32 kSyncPollMs = 5;

bool openAudio() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return false;
  }
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kChunkBytes) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

} // namespace

SoundPlayer::~SoundPlayer() {
  if (!open_) {
    return;
  }
  stopAsync();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::available() {
  if (!tried_) {
    tried_ = true;
    open_ = openAudio();
  }
  return open_;
}

void SoundPlayer::play(const std::filesystem::path& file, SoundMode mode) {
  if (!available()) {
    return;
  }
  if (mode == SoundMode::Async) {
    playAsync(file);
  } else {
    playSync(file);
  }
}

void SoundPlayer::stopAsync() {
  Mix_HaltChannel(kAsyncChannel);
  Mix_FreeChunk(async_);
  async_ = nullptr;
}

void SoundPlayer::playAsync(const std::filesystem::path& file) {
  stopAsync();
  async_ = Mix_LoadWAV(file.c_str());
  if (async_ != nullptr) {
    Mix_PlayChannel(kAsyncChannel, async_, 0);
  }
}

void SoundPlayer::playSync(const std::filesystem::path& file) {
  Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
  if (chunk == nullptr) {
    return;
  }
  if (Mix_PlayChannel(kSyncChannel, chunk, 0) == kSyncChannel) {
    while (Mix_Playing(kSyncChannel) != 0) {
      SDL_Delay(kSyncPollMs);
    }
  }
  Mix_FreeChunk(chunk);
}

} // namespace platform
