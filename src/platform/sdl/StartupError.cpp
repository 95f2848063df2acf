#include "platform/sdl/StartupError.h"

#include "platform/sdl/SdlMessageBox.h"

#include <SDL.h>
#include <iostream>

namespace platform {

void showStartupError(const char* speaker, const std::string& message) {
  std::cerr << speaker << ": " << message << '\n';
  showMessageBox(SDL_MESSAGEBOX_ERROR, speaker, message, nullptr);
}

} // namespace platform
