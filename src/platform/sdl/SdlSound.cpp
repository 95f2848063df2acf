#include "platform/sdl/SdlSound.h"

#include "platform/sdl/LateLibrary.h"
#include "platform/sdl/SdlEndings.h"
#include "platform/sdl/SystemFiles.h"
#include "platform/sdl/Utf8Path.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform {

// The mixer's functions the game plays its effects with.
struct Mixer {
  decltype(&Mix_OpenAudio) openAudio = nullptr;
  decltype(&Mix_CloseAudio) closeAudio = nullptr;
  decltype(&Mix_LoadWAV_RW) loadWav = nullptr;
  decltype(&Mix_FreeChunk) freeChunk = nullptr;
  decltype(&Mix_PlayChannelTimed) playChannel = nullptr;
  decltype(&Mix_HaltChannel) haltChannel = nullptr;
  decltype(&Mix_Playing) playing = nullptr;
};

namespace {

// Each mode has a channel of its own, so a new effect cuts off only the one it replaces.
constexpr int kAsyncChannel = 0;
constexpr int kSyncChannel = 1;
constexpr int kChunkBytes = 1024; // short enough that an effect starts with its cue
constexpr Uint32 kSyncPollMs = 5;

// The mixer library, opened on first asking; nullptr when it or one of its functions is missing.
const Mixer* loadMixer(const std::string& speaker) {
  static const Mixer* const loaded = [&speaker]() -> const Mixer* {
    static LateLibrary library(speaker, system_files::kMixerLibrary, "no sound");
    static Mixer mixer;
    library.bind(mixer.openAudio, "Mix_OpenAudio");
    library.bind(mixer.closeAudio, "Mix_CloseAudio");
    library.bind(mixer.loadWav, "Mix_LoadWAV_RW");
    library.bind(mixer.freeChunk, "Mix_FreeChunk");
    library.bind(mixer.playChannel, "Mix_PlayChannelTimed");
    library.bind(mixer.haltChannel, "Mix_HaltChannel");
    library.bind(mixer.playing, "Mix_Playing");
    return library.complete() ? &mixer : nullptr;
  }();
  return loaded;
}

bool openAudio(const Mixer& mixer) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return false;
  }
  if (mixer.openAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kChunkBytes) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

Mix_Chunk* loadEffect(const Mixer& mixer, const std::filesystem::path& file) {
  return mixer.loadWav(SDL_RWFromFile(utf8(file).c_str(), "rb"), 1);
}

} // namespace

SoundPlayer::~SoundPlayer() {
  if (mixer_ == nullptr) {
    return;
  }
  stopAsync();
  mixer_->closeAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::available() {
  if (!tried_) {
    tried_ = true;
    const Mixer* mixer = loadMixer(speaker_);
    mixer_ = mixer != nullptr && openAudio(*mixer) ? mixer : nullptr;
  }
  return mixer_ != nullptr;
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
  mixer_->haltChannel(kAsyncChannel);
  mixer_->freeChunk(async_);
  async_ = nullptr;
}

void SoundPlayer::playAsync(const std::filesystem::path& file) {
  stopAsync();
  async_ = loadEffect(*mixer_, file);
  if (async_ != nullptr) {
    mixer_->playChannel(kAsyncChannel, async_, 0, -1);
  }
}

void SoundPlayer::playSync(const std::filesystem::path& file) {
  Mix_Chunk* chunk = loadEffect(*mixer_, file);
  if (chunk == nullptr) {
    return;
  }
  // A signal that ends the game cuts the sound off: the game goes on to leave.
  if (mixer_->playChannel(kSyncChannel, chunk, 0, -1) == kSyncChannel) {
    while (mixer_->playing(kSyncChannel) != 0 && !quitSignalled()) {
      SDL_Delay(kSyncPollMs);
    }
    mixer_->haltChannel(kSyncChannel);
  }
  mixer_->freeChunk(chunk);
}

} // namespace platform
