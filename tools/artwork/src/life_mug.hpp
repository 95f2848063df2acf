// The big 32x32 dimpled mug used for lives and the window icon.
#pragma once

#include <cairo.h>

namespace art {

void draw_life_mug(cairo_t* cr, bool full, bool shadow);
// The mug's outline filled solid, so it reads on any desktop colour.
void life_mug_silhouette(cairo_t* cr);

} // namespace art
