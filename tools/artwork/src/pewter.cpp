#include "pewter.hpp"

namespace art {

namespace {

void fill_metal(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb light, Rgb mid, Rgb dark) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  add_stop(g, 0, light);
  add_stop(g, 0.45, mid);
  add_stop(g, 1, dark);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

} // namespace

void fill_pewter(cairo_t* cr, double x0, double y0, double x1, double y1) {
  fill_metal(cr, x0, y0, x1, y1, hex(0xF0F2F4), hex(0xA4AAB2), hex(0x50565E));
}

void fill_brass(cairo_t* cr, double x0, double y0, double x1, double y1) {
  fill_metal(cr, x0, y0, x1, y1, pal::brass_light, pal::brass, pal::brass_dark);
}

} // namespace art
