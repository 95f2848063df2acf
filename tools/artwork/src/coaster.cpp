#include "coaster.hpp"

#include "pewter.hpp"
#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

constexpr double kC = 16, kR = 15.5;

void ring(cairo_t* cr) {
  cairo_arc(cr, kC, kC, kR - 0.3, 0, 2 * M_PI);
  fill_brass(cr, 4, 4, 28, 28);
  cairo_arc(cr, kC, kC, kR - 0.8, 0, 2 * M_PI);
  cairo_set_line_width(cr, 0.8);
  set_colour(cr, hex(0x000000), 0.3);
  cairo_stroke(cr);
}

void face(cairo_t* cr) {
  cairo_pattern_t* g = cairo_pattern_create_radial(13, 12, 1, kC, kC, 13);
  add_stop(g, 0, hex(0x4A3220));
  add_stop(g, 1, hex(0x22160E));
  cairo_arc(cr, kC, kC, 12.5, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // the recess: shadow on the upper-left inner edge, catch-light lower-right
  cairo_arc(cr, kC, kC, 12, M_PI * 0.75, M_PI * 1.75);
  cairo_set_line_width(cr, 1);
  set_colour(cr, hex(0x000000), 0.55);
  cairo_stroke(cr);
  cairo_arc(cr, kC, kC, 12, -M_PI * 0.25, M_PI * 0.75);
  set_colour(cr, pal::brass_light, 0.35);
  cairo_stroke(cr);
}

void engrave(cairo_t* cr, SymbolFn symbol) {
  cairo_save(cr);
  cairo_translate(cr, 0.8, 0.8);
  set_colour(cr, hex(0x000000), 0.7);
  symbol(cr);
  cairo_restore(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 8, 0, 24);
  add_stop(g, 0, hex(0xFFF2C4));
  add_stop(g, 1, pal::amber);
  cairo_set_source(cr, g);
  symbol(cr);
  cairo_pattern_destroy(g);
}

} // namespace

Surface coaster(SymbolFn symbol) {
  Surface s = make_surface(32, 32);
  Context cr = make_context(s);
  fill_rect(cr.get(), {0, 0, 32, 32}, pal::panel);
  ring(cr.get());
  face(cr.get());
  engrave(cr.get(), symbol);
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

Surface coaster_mask() {
  Surface m = make_mask(32, 32);
  Context cr = make_context(m);
  cairo_arc(cr.get(), kC, kC, kR, 0, 2 * M_PI);
  cairo_fill(cr.get());
  cairo_surface_flush(m.get());
  return m;
}

} // namespace art
