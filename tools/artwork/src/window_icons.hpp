// The minimise and exit plates in the top-right corner of the frame.
#pragma once

#include <cairo.h>

namespace art {

// Draws a 20x20 brass plate at (x, y); exit shows a cross, otherwise a bar.
void draw_window_plate(cairo_t* cr, double x, double y, bool exit);
// The recess in the frame that the plates sit in.
void draw_window_socket(cairo_t* cr, double x, double y);

} // namespace art
