// Small path and fill helpers shared by every picture.
#pragma once

#include "colour.hpp"

#include <cairo.h>
#include <cstdint>

namespace art {

struct Box {
  double x, y, w, h;
};

void rounded_rect(cairo_t* cr, Box b, double radius);
void fill_rect(cairo_t* cr, Box b, Rgb c, double alpha = 1.0);
// Vertical linear gradient from top colour to bottom colour over the box.
void fill_vertical(cairo_t* cr, Box b, Rgb top, Rgb bottom);
// Strokes a bevel: light on the top/left edges, dark on the bottom/right (light from top-left).
void bevel(cairo_t* cr, Box b, Rgb light, Rgb dark, double width = 1.0);
void fill_circle(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha = 1.0);
// A soft round glow (radial gradient from colour to transparent).
void glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha);

// Deterministic hash noise in [0, 1).
double noise(uint32_t x, uint32_t y, uint32_t seed);

} // namespace art
