#include "platform/sdl/StartupError.h"

#include "platform/sdl/SdlMessageBox.h"

#include <SDL.h>
#include <iostream>

namespace platform {

void showStartupError(const std::string& message) {
  std::cerr << "frothwick: " << message << '\n';
  showMessageBox(SDL_MESSAGEBOX_ERROR, message, nullptr);
}

} // namespace platform
