#include "platform/sdl/SdlScale.h"

#include "platform/Form.h"
#include "platform/sdl/SdlKeys.h"

#include <SDL_video.h>
#include <algorithm>

namespace platform {

Rect usableDisplayArea(SDL_Window* window) {
  const int display = window != nullptr ? std::max(SDL_GetWindowDisplayIndex(window), 0) : 0;
  SDL_Rect area{};
  if (SDL_GetDisplayUsableBounds(display, &area) != 0) {
    return {}; // no display to measure: only the smallest scale fits for sure
  }
  return {area.x, area.y, area.w, area.h};
}

bool takeScaleKey(const SDL_Event& event, WindowScale& scale, SDL_Window* window) {
  if (event.type != SDL_KEYDOWN) {
    return false;
  }
  const SDL_Keysym& key = event.key.keysym;
  const std::int16_t code = virtualKeyFor(key.sym, key.mod, key.scancode);
  const std::int16_t shift = shiftStateFor(key.mod);
  // The display is measured only for a scale key: on X11 that is a round trip to the server.
  return scaleKeyFor(code, shift) != ScaleKey::None && scale.takeKey(code, shift, usableDisplayArea(window));
}

SDL_Event inClientPixels(SDL_Event event, std::int32_t scale) {
  switch (event.type) {
  case SDL_MOUSEMOTION:
    event.motion.x = toClient(event.motion.x, scale);
    event.motion.y = toClient(event.motion.y, scale);
    break;
  case SDL_MOUSEBUTTONDOWN:
  case SDL_MOUSEBUTTONUP:
    event.button.x = toClient(event.button.x, scale);
    event.button.y = toClient(event.button.y, scale);
    break;
  default:
    break;
  }
  return event;
}

} // namespace platform
