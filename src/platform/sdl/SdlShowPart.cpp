#include "platform/sdl/ShowPart.h"

#include <SDL.h>

namespace platform {

void showPart(SDL_Window* window, const Rect& area) {
  const SDL_Rect rect{area.x, area.y, area.w, area.h};
  SDL_UpdateWindowSurfaceRects(window, &rect, 1);
}

} // namespace platform
