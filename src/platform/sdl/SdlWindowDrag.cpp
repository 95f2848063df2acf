#include "platform/sdl/SdlWindowDrag.h"

#include <SDL.h>
#include <vector>

namespace platform {

namespace {

constexpr int kFollowMs = 10;

// The pointer's own events, and the window's reports of the moves the drag itself makes.
bool belongsToDrag(const SDL_Event& event) {
  return (event.type >= SDL_MOUSEMOTION && event.type <= SDL_MOUSEWHEEL) ||
         (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_MOVED);
}

} // namespace

void dragWindowWithMouse(SDL_Window* window) {
  int pointerX = 0, pointerY = 0, windowX = 0, windowY = 0;
  SDL_GetGlobalMouseState(&pointerX, &pointerY);
  SDL_GetWindowPosition(window, &windowX, &windowY);
  SDL_CaptureMouse(SDL_TRUE);
  std::vector<SDL_Event> kept;
  for (;;) {
    int x = 0, y = 0;
    if (SDL_GetGlobalMouseState(&x, &y) == 0) {
      break;
    }
    SDL_SetWindowPosition(window, windowX + x - pointerX, windowY + y - pointerY);
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, kFollowMs) == 0 || belongsToDrag(event)) {
      continue;
    }
    kept.push_back(event);
    if (event.type == SDL_QUIT) {
      break;
    }
  }
  SDL_CaptureMouse(SDL_FALSE);
  for (SDL_Event& event : kept) {
    SDL_PushEvent(&event);
  }
}

} // namespace platform
