#pragma once
// The window's scale as SDL sees it: the usable area of the display it is on, the player's scale
// keys taken out of the key events, and mouse positions taken back to client pixels before the
// game sees them.
#include "platform/WindowScale.h"

#include <SDL_events.h>

struct SDL_Window;

namespace platform {

// The usable area of the display the window is on, or of the first display before there is one.
Rect usableDisplayArea(SDL_Window* window);

// True when the event is a scale key, which WindowScale has then taken.
bool takeScaleKey(const SDL_Event& event, WindowScale& scale, SDL_Window* window);

// The event with a mouse position in it, if it has one, in client pixels.
SDL_Event inClientPixels(SDL_Event event, std::int32_t scale);

} // namespace platform
