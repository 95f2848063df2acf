#include "platform/sdl/SdlMessageBox.h"

#include "platform/MessageLines.h"
#include "platform/sdl/SdlEndings.h"

#include <SDL.h>

namespace platform {

namespace {

// SDL's box on X11 is as wide as its longest line, some 7 pixels a character in its usual font.
constexpr std::size_t kColumns = 64;

} // namespace

void showMessageBox(std::uint32_t kind, const char* title, const std::string& text, SDL_Window* parent) {
  if (quitSignalled() || displayGone()) {
    return;
  }
  const MessageBoxShown shown;
  SDL_ShowSimpleMessageBox(kind, title, fitMessageLines(text, kColumns).c_str(), parent);
}

} // namespace platform
