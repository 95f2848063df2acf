// Colours as doubles, and the shared pub-at-night palette.
#pragma once

#include <cairo.h>
#include <cstdint>

namespace art {

struct Rgb {
  double r, g, b;
};

constexpr Rgb hex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Rgb mix(Rgb a, Rgb b, double t);
Rgb shade(Rgb c, double factor);
void set_colour(cairo_t* cr, Rgb c, double alpha = 1.0);
void add_stop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);
uint32_t pack(Rgb c);

namespace pal {
constexpr Rgb panel = hex(0x2B1D14); // the button panel; the game paints it too
constexpr Rgb walnut_deep = hex(0x1E140D);
constexpr Rgb brass_dark = hex(0x7A5420);
constexpr Rgb brass = hex(0xC0913A);
constexpr Rgb brass_light = hex(0xF2D58A);
constexpr Rgb amber = hex(0xE8A030);
constexpr Rgb amber_glow = hex(0xFFC862);
constexpr Rgb cream = hex(0xF6EAD0);
constexpr Rgb foam = hex(0xFFF8E8);
constexpr Rgb foam_shade = hex(0xD8CBB0);
constexpr Rgb ink = hex(0x120C08);
constexpr Rgb glass = hex(0xDCE6EA);
} // namespace pal

} // namespace art
