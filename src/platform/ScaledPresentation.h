#pragma once
// Puts what changed in the window on a screen that shows it at a whole scale: the changed area is
// composed a band of rows at a time, so no full-size copy of the window is made, each band handed on
// to be enlarged where it goes, and a tool tip drawn at the screen's scale laid over it. Nothing
// outside the changed area is composed, enlarged or handed on.
#include "platform/Form.h"

#include <functional>

namespace platform {

// Draws a part of the window enlarged by a scale, its top-left corner at (x, y) in screen pixels.
using ScreenDraw =
    std::function<void(const Surface& part, std::int32_t x, std::int32_t y, std::int32_t scale)>;

// Returns the screen area that changed.
Rect presentScaled(const Form& window, std::int32_t scale, const ScreenDraw& draw);

} // namespace platform
