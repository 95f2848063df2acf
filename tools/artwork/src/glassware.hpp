// Building blocks for drawn drinks: liquid, bubbles, foam and glass edges.
#pragma once

#include "colour.hpp"

#include <cairo.h>
#include <cstdint>

namespace art {

struct Brew {
  Rgb top, bottom;      // liquid colour under the head and at the bottom
  Rgb head, head_shade; // foam, lit and in shadow
  Rgb bubble;
  double bubble_alpha;
  bool sinking; // stout bubbles cascade downwards
};

struct Pour {
  double head_top, level, bottom; // foam top, liquid surface, liquid floor
  double x0, x1;                  // liquid span, for bubbles and shading
  double rim_l, rim_r, rim_y;     // the mouth of the vessel
  double dome;                    // foam heaped above the rim, in pixels
};

using PathFn = void (*)(cairo_t* cr);

// A soft contact shadow falling to the lower right of a vessel.
void cast_shadow(cairo_t* cr, double cx, double y, double half_width, double alpha = 0.45);
// Fills the vessel interior (given by body) with the brew for animation phase 0..1.
void pour(cairo_t* cr, PathFn body, const Brew& brew, const Pour& p, double phase, uint32_t seed);
// One raised glass dimple of radius r: a lens with a lit upper-left rim.
void thumbprint(cairo_t* cr, double x, double y, double r);
// Strokes the glass wall and puts a top-left highlight streak at x.
void glass_wall(cairo_t* cr, PathFn body, double highlight_x, double top, double bottom);

} // namespace art
