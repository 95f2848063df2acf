// Polished pewter and brass fills, lit from the top-left.
#pragma once

#include "colour.hpp"

#include <cairo.h>

namespace art {

// Fills the current path with a diagonal pewter sheen (light top-left, dark bottom-right).
void fill_pewter(cairo_t* cr, double x0, double y0, double x1, double y1);
// Same for brass.
void fill_brass(cairo_t* cr, double x0, double y0, double x1, double y1);

} // namespace art
