#include "platform/sdl/SdlPads.h"

#include <SDL.h>
#include <optional>

namespace platform {

namespace {

std::optional<PadButton> buttonFor(std::uint8_t sdlButton) {
  switch (sdlButton) {
  case SDL_CONTROLLER_BUTTON_A:
    return PadButton::South;
  case SDL_CONTROLLER_BUTTON_B:
    return PadButton::East;
  case SDL_CONTROLLER_BUTTON_X:
    return PadButton::West;
  case SDL_CONTROLLER_BUTTON_Y:
    return PadButton::North;
  case SDL_CONTROLLER_BUTTON_BACK:
    return PadButton::Back;
  case SDL_CONTROLLER_BUTTON_START:
    return PadButton::Start;
  case SDL_CONTROLLER_BUTTON_DPAD_UP:
    return PadButton::Up;
  case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
    return PadButton::Down;
  case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
    return PadButton::Left;
  case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
    return PadButton::Right;
  default:
    return std::nullopt;
  }
}

} // namespace

SdlPads::SdlPads() {
  // The face buttons by where they sit, not by their letters: the bottom one drops on a Nintendo
  // pad too, where it is lettered B.
  SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
  started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

SdlPads::~SdlPads() {
  for (auto& [id, pad] : open_) {
    SDL_GameControllerClose(pad.controller);
  }
  if (started_) {
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  }
}

void SdlPads::plugged(int deviceIndex) {
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (controller == nullptr) {
    return;
  }
  const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  if (!open_.try_emplace(id, Pad{controller, {}}).second) {
    SDL_GameControllerClose(controller); // told twice: SDL counts the opens
  }
}

bool SdlPads::unplugged(SDL_JoystickID id) {
  const auto it = open_.find(id);
  if (it == open_.end()) {
    return false;
  }
  SDL_GameControllerClose(it->second.controller);
  open_.erase(it);
  return true;
}

bool SdlPads::take(const SDL_Event& event, Form& window, std::uint32_t now) {
  switch (event.type) {
  case SDL_CONTROLLERDEVICEADDED:
    plugged(event.cdevice.which);
    return true;
  case SDL_CONTROLLERDEVICEREMOVED:
    if (unplugged(event.cdevice.which)) {
      window.padRemoved();
    }
    return true;
  case SDL_CONTROLLERBUTTONDOWN:
  case SDL_CONTROLLERBUTTONUP:
    if (const auto button = buttonFor(event.cbutton.button)) {
      event.type == SDL_CONTROLLERBUTTONDOWN ? window.padDown(*button, now) : window.padUp(*button);
    }
    return true;
  case SDL_CONTROLLERAXISMOTION: {
    const auto it = open_.find(event.caxis.which);
    if (it != open_.end() && event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
      for (const auto& change : it->second.stick.moved(event.caxis.value)) {
        if (change) {
          change->pressed ? window.padDown(change->button, now) : window.padUp(change->button);
        }
      }
    }
    return true;
  }
  default:
    return false;
  }
}

} // namespace platform
