#include "shapes.hpp"

#include <cmath>

namespace art {

void rounded_rect(cairo_t* cr, Box b, double radius) {
  const double r = radius;
  cairo_new_sub_path(cr);
  cairo_arc(cr, b.x + b.w - r, b.y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, b.x + b.w - r, b.y + b.h - r, r, 0, M_PI / 2);
  cairo_arc(cr, b.x + r, b.y + b.h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, b.x + r, b.y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void fill_rect(cairo_t* cr, Box b, Rgb c, double alpha) {
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  set_colour(cr, c, alpha);
  cairo_fill(cr);
}

void fill_vertical(cairo_t* cr, Box b, Rgb top, Rgb bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, b.y, 0, b.y + b.h);
  add_stop(p, 0, top);
  add_stop(p, 1, bottom);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void bevel(cairo_t* cr, Box b, Rgb light, Rgb dark, double width) {
  fill_rect(cr, {b.x, b.y, b.w, width}, light);
  fill_rect(cr, {b.x, b.y, width, b.h}, light);
  fill_rect(cr, {b.x, b.y + b.h - width, b.w, width}, dark);
  fill_rect(cr, {b.x + b.w - width, b.y, width, b.h}, dark);
}

void fill_circle(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  set_colour(cr, c, alpha);
  cairo_fill(cr);
}

void glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  add_stop(p, 0, c, alpha);
  add_stop(p, 0.4, c, alpha * 0.45);
  add_stop(p, 1, c, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

double noise(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777216.0;
}

} // namespace art
