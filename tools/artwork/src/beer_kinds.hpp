// The seven drinks on the board, each drawn into a 32x20 cell for phase 0..1.
#pragma once

#include <cairo.h>

namespace art {

void draw_lager_pint(cairo_t* cr, double phase);
void draw_stout_tulip(cairo_t* cr, double phase);
void draw_amber_mug(cairo_t* cr, double phase);
void draw_red_stange(cairo_t* cr, double phase);
void draw_wheat_weizen(cairo_t* cr, double phase);
void draw_bock_stein(cairo_t* cr, double phase);
void draw_raspberry_goblet(cairo_t* cr, double phase);

} // namespace art
