#pragma once
// Control positions are kept in twips, as the window was laid out: 15 twips to a pixel at the
// standard 96 dots per inch, which is the only setting the game's pictures are drawn for.
#include <cmath>
#include <cstdint>

namespace platform {

constexpr std::int32_t kTwipsPerPixel = 15;

// Twips worked out in fractions (a control's line ends, a centred position) become whole numbers,
// halves to even, before any integer arithmetic.
inline std::int32_t wholeTwips(double twips) {
  return static_cast<std::int32_t>(std::nearbyint(twips));
}

// Whole pixels from twips, rounding halves to even like every other conversion in the game.
inline std::int32_t twipsToPixels(double twips) {
  return wholeTwips(twips / kTwipsPerPixel);
}

constexpr std::int32_t pixelsToTwips(std::int32_t pixels) {
  return pixels * kTwipsPerPixel;
}

} // namespace platform
