#pragma once
// The game pads plugged in, through SDL's game-controller layer, which gives every common pad one
// layout. Plugging and unplugging arrive as SDL events, read when the window's events are: no thread
// and no polling while no pad is plugged in.
#include "platform/Form.h"
#include "platform/Pad.h"

#include <SDL_events.h>
#include <SDL_gamecontroller.h>
#include <cstdint>
#include <map>

namespace platform {

class SdlPads {
public:
  // Pads already plugged in arrive as plugged in at the next dispatch. Without the game-controller
  // layer there are no pads, and the game plays on with the keyboard and mouse.
  SdlPads();
  ~SdlPads();
  SdlPads(const SdlPads&) = delete;
  SdlPads& operator=(const SdlPads&) = delete;

  // Hands a pad's event to the window in its terms; false for an event that is not a pad's.
  bool take(const SDL_Event& event, Form& window, std::uint32_t now);
  // SDL reads a plugged-in pad only when the window's events are read, so while there is one the
  // waits end at least this often.
  static constexpr std::uint32_t kReadEveryMs = 16;
  bool any() const { return !open_.empty(); }

private:
  struct Pad {
    SDL_GameController* controller = nullptr;
    PadStick stick;
  };
  void plugged(int deviceIndex);
  bool unplugged(SDL_JoystickID id);

  bool started_ = false;
  std::map<SDL_JoystickID, Pad> open_;
};

} // namespace platform
