#pragma once
// Hands one SDL event to the window's input entry points; events the window has no use for are
// dropped.
#include "platform/Form.h"

#include <SDL_events.h>

namespace platform {

void dispatchEvent(const SDL_Event& event, Form& window, std::uint32_t now);

} // namespace platform
