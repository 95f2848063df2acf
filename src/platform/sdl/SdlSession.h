#pragma once
// SDL's video and timers, started first and shut down last, after every other SDL library.
namespace platform {

class SdlSession {
public:
  // Throws std::runtime_error when there is no display to play on. `speaker`: the game's name, for
  // the line it leaves when the display goes away.
  explicit SdlSession(const char* speaker);
  ~SdlSession();
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;
};

} // namespace platform
