// Walnut grain painted pixel by pixel over a whole surface.
#pragma once

#include <cairo.h>

namespace art {

void paint_walnut(cairo_surface_t* surface);

} // namespace art
