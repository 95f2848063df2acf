#include "platform/sdl/SdlSession.h"

#include <SDL.h>
#include <SDL_image.h>
#include <stdexcept>
#include <string>

namespace platform {

SdlSession::SdlSession() {
  // Closing the window is the game's decision (it may ask first), so closing the last window must
  // not also raise a quit request of its own.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // A click on the inactive window both activates it and counts as a click, as desktops do.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    const std::string reason = SDL_GetError();
    SDL_Quit();
    throw std::runtime_error("no display: " + reason);
  }
}

SdlSession::~SdlSession() {
  IMG_Quit();
  SDL_Quit();
}

} // namespace platform
