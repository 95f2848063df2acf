#pragma once
// The window shown larger by a whole factor, every pixel of the client area a square of N x N screen
// pixels, so pixel art stays sharp on large displays. The game itself never sees the factor: these
// are the sums that take its pictures up to the screen and the pointer back down to the client area,
// and the presentation that puts what changed on such a screen. Which factor is shown is the
// player's choice, kept by WindowScale.
#include "platform/Form.h"

#include <cstdint>
#include <functional>

namespace platform {

// A screen coordinate of the window back in client pixels: the client pixel whose square holds it,
// also left of or above the window while the pointer is held outside it.
constexpr std::int32_t toClient(std::int32_t screen, std::int32_t scale) {
  return screen >= 0 ? screen / scale : -((-screen + scale - 1) / scale);
}

constexpr Rect toScreen(const Rect& client, std::int32_t scale) {
  return {client.x * scale, client.y * scale, client.w * scale, client.h * scale};
}

// The part with each pixel repeated scale x scale times (nearest neighbour).
Surface enlarged(const Surface& part, std::int32_t scale);
// The same for an area of the enlarged part only (its corner given from the enlarged part's), written
// straight into rows of pixels `pitch` pixels apart, so a screen can take it without another copy.
void enlargeInto(const Surface& part, std::int32_t scale, const Rect& area, Pixel* to, std::ptrdiff_t pitch);
Picture enlarged(const Picture& picture, std::int32_t scale);

// The client pixels a picture drawn at the screen's scale covers, a part of a pixel counting whole.
constexpr PixelSize clientCover(const Picture& picture, std::int32_t scale) {
  return {(picture.width + scale - 1) / scale, (picture.height + scale - 1) / scale};
}

// Draws a part of the window enlarged by a scale, its top-left corner at (x, y) in screen pixels.
using ScreenDraw =
    std::function<void(const Surface& part, std::int32_t x, std::int32_t y, std::int32_t scale)>;

// Puts what changed in the window on a screen that shows it at a whole scale: the changed area is
// composed a band of rows at a time, so no full-size copy of the window is made, each band handed on
// to be enlarged where it goes, and the tool tip, drawn at the screen's scale, laid over them. Nothing
// outside the changed area is composed, enlarged or handed on. Returns the screen area that changed.
Rect presentScaled(const Form& window, std::int32_t scale, const ScreenDraw& draw);

// Where a window of the given client size opens at a scale: centred in the display's usable area, and
// moved into it as far as it fits.
Rect openingPlace(PixelSize client, const Rect& usable, std::int32_t scale);

// Where a window of the new size goes: centred where the old one was, then moved into the display as
// far as it fits.
Rect recentred(const Rect& window, std::int32_t width, std::int32_t height, const Rect& display);

} // namespace platform
