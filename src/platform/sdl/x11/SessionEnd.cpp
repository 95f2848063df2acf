#include "platform/sdl/SessionEnd.h"

namespace platform {

// An X session ends the game by SIGTERM or SIGHUP, which already close it as its window's close
// does (SdlEndings.h), or by the display going away, after which there is no window to save from.
void closeOnSessionEnd(Form& /*window*/, SDL_Window* /*shown*/) {}

} // namespace platform
