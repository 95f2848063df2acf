#include "colour.hpp"

#include <algorithm>
#include <cmath>

namespace art {

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb shade(Rgb c, double factor) {
  auto f = [factor](double v) { return std::clamp(v * factor, 0.0, 1.0); };
  return {f(c.r), f(c.g), f(c.b)};
}

void set_colour(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void add_stop(cairo_pattern_t* p, double offset, Rgb c, double alpha) {
  cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

uint32_t pack(Rgb c) {
  auto byte = [](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
  return 0xFF000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

} // namespace art
