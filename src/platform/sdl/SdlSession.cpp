#include "platform/sdl/SdlSession.h"

#include "platform/sdl/SdlEndings.h"

#include <SDL.h>
#include <stdexcept>
#include <string>

namespace platform {

SdlSession::SdlSession(const char* speaker) {
  // Closing the window is the game's decision (it may ask first), so closing the last window must
  // not also raise a quit request of its own.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // A click on the inactive window both activates it and counts as a click, as desktops do.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The game's own handlers end it from any wait (SdlEndings.h); SDL's would only be seen by the
  // next event.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    const std::string reason = SDL_GetError();
    SDL_Quit();
    throw std::runtime_error("no display: " + reason);
  }
  // Without a display SDL falls back to drawing off screen, where nobody could see or play the game.
  // That is only wanted when asked for by name, as the smoke tests do.
  const std::string driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  if ((driver == "offscreen" || driver == "dummy") && (asked == nullptr || driver != asked)) {
    SDL_Quit();
    throw std::runtime_error("no display: cannot open a window (is DISPLAY set?)");
  }
  endOnSignals();
  if (driver == "x11") {
    endOnLostDisplay(speaker);
  }
}

SdlSession::~SdlSession() {
  SDL_Quit();
}

} // namespace platform
