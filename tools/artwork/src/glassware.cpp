#include "glassware.hpp"

#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

constexpr int kBubbles = 6;

void liquid(cairo_t* cr, const Brew& b, const Pour& p) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, p.level, 0, p.bottom);
  add_stop(g, 0, b.top);
  add_stop(g, 1, b.bottom);
  cairo_rectangle(cr, p.x0 - 6, p.level, p.x1 - p.x0 + 12, p.bottom - p.level + 3);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Darkens the side away from the light so the drink reads as round.
void roundness(cairo_t* cr, const Pour& p) {
  cairo_pattern_t* g = cairo_pattern_create_linear(p.x0, 0, p.x1, 0);
  add_stop(g, 0, hex(0xFFFFFF), 0.16);
  add_stop(g, 0.35, hex(0xFFFFFF), 0);
  add_stop(g, 0.7, hex(0x000000), 0);
  add_stop(g, 1, hex(0x000000), 0.35);
  cairo_rectangle(cr, p.x0 - 6, p.head_top - p.dome - 2, p.x1 - p.x0 + 12,
                  p.bottom - p.head_top + p.dome + 6);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void bubbles(cairo_t* cr, const Brew& b, const Pour& p, double phase, uint32_t seed) {
  const double span = p.bottom - p.level;
  for (int i = 0; i < kBubbles; ++i) {
    const double x = p.x0 + 1.5 + noise(i, 1, seed) * (p.x1 - p.x0 - 3);
    const double t = std::fmod(noise(i, 2, seed) + phase * (1 + i % 2), 1.0);
    const double rise = b.sinking ? t : 1 - t;
    const double y = p.level + 0.8 + rise * (span - 1.6);
    const double alpha = b.bubble_alpha * std::sin(M_PI * t);
    fill_circle(cr, std::round(x) + 0.5, y, 0.55 + 0.35 * noise(i, 3, seed), b.bubble, alpha);
  }
}

void head_path(cairo_t* cr, const Pour& p, double phase) {
  const double left = p.x0 - 6, right = p.x1 + 6;
  cairo_move_to(cr, left, p.level + 0.5);
  for (double x = left; x <= right; x += 1)
    cairo_line_to(cr, x, p.head_top + 0.45 * std::sin(2 * M_PI * (x / 7 - phase)));
  cairo_line_to(cr, right, p.level + 0.5);
  cairo_close_path(cr);
}

void fill_foam(cairo_t* cr, const Brew& b, double top, double bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
  add_stop(g, 0, b.head);
  add_stop(g, 1, b.head_shade);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void head(cairo_t* cr, const Brew& b, const Pour& p, double phase) {
  head_path(cr, p, phase);
  fill_foam(cr, b, p.head_top, p.level + 0.5);
  fill_rect(cr, {p.x0 - 6, p.level, p.x1 - p.x0 + 12, 1}, b.head_shade, 0.5);
}

// Foam heaped above the rim, breathing slightly with the phase.
void dome(cairo_t* cr, const Brew& b, const Pour& p, double phase) {
  const double h = p.dome * (1 + 0.12 * std::sin(2 * M_PI * phase)) * 1.33;
  cairo_move_to(cr, p.rim_l - 0.5, p.rim_y + 1);
  cairo_curve_to(cr, p.rim_l, p.rim_y - h, p.rim_r, p.rim_y - h, p.rim_r + 0.5, p.rim_y + 1);
  cairo_close_path(cr);
  fill_foam(cr, b, p.rim_y - p.dome, p.rim_y + 2);
}

} // namespace

void cast_shadow(cairo_t* cr, double cx, double y, double half_width, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx + 1.5, y);
  cairo_scale(cr, half_width + 1, 1.6);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  add_stop(g, 0, hex(0x000000), alpha);
  add_stop(g, 1, hex(0x000000), 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void pour(cairo_t* cr, PathFn body, const Brew& brew, const Pour& p, double phase, uint32_t seed) {
  cairo_save(cr);
  body(cr);
  cairo_clip(cr);
  set_colour(cr, pal::glass, 0.12);
  cairo_paint(cr);
  liquid(cr, brew, p);
  bubbles(cr, brew, p, phase, seed);
  head(cr, brew, p, phase);
  roundness(cr, p);
  cairo_restore(cr);
  if (p.dome > 0)
    dome(cr, brew, p, phase);
}

void glass_wall(cairo_t* cr, PathFn body, double highlight_x, double top, double bottom) {
  body(cr);
  cairo_set_line_width(cr, 1);
  set_colour(cr, pal::glass, 0.55);
  cairo_stroke(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
  add_stop(g, 0, hex(0xFFFFFF), 0.75);
  add_stop(g, 1, hex(0xFFFFFF), 0.1);
  cairo_rectangle(cr, highlight_x, top, 1, bottom - top);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void thumbprint(cairo_t* cr, double x, double y, double r) {
  fill_circle(cr, x, y, r, hex(0xFFFFFF), 0.12);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r - 0.2, M_PI * 0.9, M_PI * 1.6);
  cairo_set_line_width(cr, 0.8);
  set_colour(cr, hex(0xFFFFFF), 0.55);
  cairo_stroke(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r - 0.1, -M_PI * 0.1, M_PI * 0.6);
  set_colour(cr, hex(0x000000), 0.3);
  cairo_stroke(cr);
}

} // namespace art
