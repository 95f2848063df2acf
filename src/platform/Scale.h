#pragma once
// The window shown larger by a whole factor, every pixel of the client area a square of N x N screen
// pixels, so pixel art stays sharp on large displays. The game itself never sees the factor: these
// are the sums that take its pictures up to the screen and the pointer back down to the client area.
#include "platform/Surface.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

inline constexpr std::int32_t kLargestScale = 4;

// The player's keys for the scale: Ctrl with Plus (or =, or the keypad's Plus), Minus or 0.
enum class ScaleKey { None, Larger, Smaller, Automatic };
ScaleKey scaleKeyFor(std::int16_t keyCode, std::int16_t shift);

// The largest whole scale, 1 to kLargestScale, at which the window fits in `percent` per cent of a
// display's usable area; 1 when even that does not fit.
std::int32_t fittingScale(const Rect& usable, std::int32_t percent);

// A scale as a person may write it in the settings file or the environment: a whole number from 1
// to kLargestScale, spaces around it allowed; anything else is no scale at all.
std::optional<std::int32_t> parseScale(std::string_view text);

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

// Where the window opens at a scale: centred in the display's usable area, and moved into it as far
// as it fits.
Rect openingPlace(const Rect& usable, std::int32_t scale);

// Where a window of the new size goes: centred where the old one was, then moved into the display as
// far as it fits.
Rect recentred(const Rect& window, std::int32_t width, std::int32_t height, const Rect& display);

} // namespace platform
