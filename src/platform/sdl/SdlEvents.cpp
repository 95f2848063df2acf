#include "platform/sdl/SdlEvents.h"

#include "platform/sdl/SdlKeys.h"

namespace platform {

namespace {

// Left, right and middle as the game numbers them; other buttons are not the game's business.
std::int16_t buttonFor(std::uint8_t sdlButton) {
  switch (sdlButton) {
  case SDL_BUTTON_LEFT:
    return 1;
  case SDL_BUTTON_RIGHT:
    return 2;
  case SDL_BUTTON_MIDDLE:
    return 4;
  default:
    return 0;
  }
}

void dispatchKey(const SDL_KeyboardEvent& key, Form& window) {
  if (const std::int16_t code = virtualKeyFor(key.keysym.sym, key.keysym.mod, key.keysym.scancode)) {
    window.keyDown(code, shiftStateFor(key.keysym.mod));
  }
}

void dispatchButton(const SDL_MouseButtonEvent& press, Form& window) {
  const std::int16_t button = buttonFor(press.button);
  if (button == 0) {
    return;
  }
  if (press.type == SDL_MOUSEBUTTONDOWN) {
    window.mouseDown(button, press.x, press.y);
  } else {
    window.mouseUp(button, press.x, press.y);
  }
}

void dispatchWindowEvent(const SDL_WindowEvent& change, Form& window) {
  switch (change.event) {
  case SDL_WINDOWEVENT_LEAVE:
    window.mouseLeave();
    break;
  case SDL_WINDOWEVENT_CLOSE:
    window.closeRequested();
    break;
  case SDL_WINDOWEVENT_EXPOSED:
    window.exposed();
    break;
  case SDL_WINDOWEVENT_SHOWN:
  case SDL_WINDOWEVENT_MINIMIZED:
  case SDL_WINDOWEVENT_RESTORED:
  case SDL_WINDOWEVENT_MAXIMIZED:
  case SDL_WINDOWEVENT_SIZE_CHANGED:
    window.resized();
    break;
  case SDL_WINDOWEVENT_FOCUS_GAINED:
    window.focusGained();
    break;
  default:
    break;
  }
}

} // namespace

void dispatchEvent(const SDL_Event& event, Form& window, std::uint32_t now) {
  switch (event.type) {
  case SDL_KEYDOWN:
    dispatchKey(event.key, window);
    break;
  case SDL_MOUSEBUTTONDOWN:
  case SDL_MOUSEBUTTONUP:
    dispatchButton(event.button, window);
    break;
  case SDL_MOUSEMOTION:
    window.mouseMove(event.motion.x, event.motion.y, now);
    break;
  case SDL_WINDOWEVENT:
    dispatchWindowEvent(event.window, window);
    break;
  case SDL_QUIT:
    // SDL asked to quit: the game leaves the way it would when its window is closed, as it does on
    // the signals that end it (SdlEndings.h).
    window.closeRequested();
    break;
  default:
    break;
  }
}

} // namespace platform
