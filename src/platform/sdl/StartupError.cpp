#include "platform/sdl/StartupError.h"

#include <SDL.h>
#include <iostream>

namespace platform {

void showStartupError(const std::string& message) {
  std::cerr << "frothwick: " << message << '\n';
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Frothwick", message.c_str(), nullptr);
}

} // namespace platform
