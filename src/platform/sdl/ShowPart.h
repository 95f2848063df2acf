#pragma once
// Putting a part of the window's surface on the screen.
#include "platform/Surface.h"

struct SDL_Window;

namespace platform {

// `area` lies within the window's surface.
void showPart(SDL_Window* window, const Rect& area);

} // namespace platform
