#include "platform/sdl/SdlWindowDrag.h"

#include "platform/sdl/SdlX11.h"

#include <SDL.h>

namespace platform {

namespace {

// The pointer's place on the screen and whether a button is held, from the display server where
// it can be asked.
void pointerNow(SDL_Window* window, int& x, int& y, bool& held) {
  if (!x11::queryPointer(window, x, y, held)) {
    held = SDL_GetGlobalMouseState(&x, &y) != 0;
  }
}

bool isPointerEvent(const SDL_Event& event) {
  return (event.type >= SDL_MOUSEMOTION && event.type <= SDL_MOUSEWHEEL) || event.type == SDL_SYSWMEVENT;
}

} // namespace

void WindowDrag::start(SDL_Window* window) {
  if (window_ != nullptr || x11::handMoveToWindowManager(window)) {
    return;
  }
  bool held = false;
  pointerNow(window, pointerX_, pointerY_, held);
  if (!held) {
    return;
  }
  window_ = window;
  SDL_GetWindowPosition(window, &windowX_, &windowY_);
  SDL_CaptureMouse(SDL_TRUE);
  // SDL leaves out a motion that keeps the pointer on the same pixel of the window, which is every
  // motion the window has already followed; the display system's own events all come through.
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool WindowDrag::follow(const SDL_Event& event) {
  if (window_ == nullptr || !isPointerEvent(event)) {
    return false;
  }
  moveWithPointer();
  return true;
}

void WindowDrag::moveWithPointer() {
  int x = 0, y = 0;
  bool held = false;
  pointerNow(window_, x, y, held);
  SDL_SetWindowPosition(window_, windowX_ + x - pointerX_, windowY_ + y - pointerY_);
  if (!held) {
    end();
  }
}

void WindowDrag::end() {
  SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
  SDL_CaptureMouse(SDL_FALSE);
  window_ = nullptr;
}

} // namespace platform
