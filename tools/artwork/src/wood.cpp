#include "wood.hpp"

#include "colour.hpp"
#include "shapes.hpp"
#include "surface.hpp"

#include <cmath>

namespace art {

namespace {

constexpr int kPlank = 46;

// Smooth 1D noise along the grain, so streaks run long and straight.
double streak(int x, int y) {
  const double fx = x / 23.0;
  const int i = int(fx);
  const double t = fx - i, s = t * t * (3 - 2 * t);
  return noise(uint32_t(i), uint32_t(y), 9) * (1 - s) + noise(uint32_t(i + 1), uint32_t(y), 9) * s;
}

Rgb walnut_pixel(int x, int y) {
  const int plank = y / kPlank;
  const double warp = 3.5 * std::sin(x * 0.011 + plank * 1.7) + 1.2 * std::sin(x * 0.043 + plank);
  const double rings = 0.5 + 0.5 * std::sin((y + warp) * 0.9 + plank * 2.1);
  const double grain = 0.55 * rings * rings + 0.45 * streak(x, y);
  Rgb c = mix(hex(0x3A2414), hex(0x5C3A20), grain);
  c = shade(c, 0.92 + 0.16 * noise(uint32_t(plank), 3, 4));
  if (y % kPlank == 0)
    c = shade(c, 0.55);
  return c;
}

} // namespace

void paint_walnut(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      pixel_at(surface, x, y) = pack(walnut_pixel(x, y));
  cairo_surface_mark_dirty(surface);
}

} // namespace art
