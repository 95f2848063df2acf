#include "life_mug.hpp"

#include "glassware.hpp"
#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

void body(cairo_t* cr) {
  rounded_rect(cr, {4.5, 8.5, 18, 21}, 2.5);
}

void handle_path(cairo_t* cr) {
  cairo_move_to(cr, 22.5, 12);
  cairo_line_to(cr, 25, 12);
  cairo_arc(cr, 25, 16, 4, -M_PI / 2, 0);
  cairo_line_to(cr, 29, 21);
  cairo_arc(cr, 25, 21, 4, 0, M_PI / 2);
  cairo_line_to(cr, 22.5, 25);
}

void handle(cairo_t* cr) {
  handle_path(cr);
  cairo_set_line_width(cr, 3);
  set_colour(cr, pal::glass, 0.55);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 1);
  set_colour(cr, hex(0xFFFFFF), 0.5);
  cairo_stroke(cr);
}

void dimples(cairo_t* cr) {
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const double x = 8 + col * 5 + (row % 2) * 2.5, y = 14.5 + row * 5;
      if (x < 20)
        thumbprint(cr, x, y, 2);
    }
}

// Foam spilling over the rim and running down the outside of the glass.
void spill(cairo_t* cr) {
  cairo_move_to(cr, 3.6, 8);
  cairo_curve_to(cr, 3.2, 11, 3.4, 13.5, 4.8, 13.5);
  cairo_curve_to(cr, 6.4, 13.5, 6.4, 11, 6.8, 8);
  cairo_close_path(cr);
  set_colour(cr, pal::foam);
  cairo_fill(cr);
  fill_circle(cr, 4.8, 12.6, 0.6, pal::foam_shade);
}

void thick_base(cairo_t* cr) {
  fill_rect(cr, {5, 26.5, 17, 2.5}, pal::glass, 0.3);
}

// The dried foam ring an emptied mug keeps near its rim.
void lacing(cairo_t* cr) {
  cairo_save(cr);
  body(cr);
  cairo_clip(cr);
  set_colour(cr, pal::glass, 0.1);
  cairo_paint(cr);
  cairo_move_to(cr, 5, 11.5);
  for (double x = 5; x <= 22; x += 1)
    cairo_line_to(cr, x, 11.5 + 0.8 * std::sin(x * 1.3));
  cairo_set_line_width(cr, 0.9);
  set_colour(cr, pal::foam, 0.4);
  cairo_stroke(cr);
  cairo_restore(cr);
}

} // namespace

void draw_life_mug(cairo_t* cr, bool full, bool shadow) {
  const Brew amber{hex(0xF0A23A), hex(0xB0561A), pal::foam, pal::foam_shade, hex(0xFFE2A8), 0.9, false};
  if (shadow)
    cast_shadow(cr, 15, 30, 10, 0.55);
  handle(cr);
  if (full)
    pour(cr, body, amber, {7.5, 12, 26.5, 5, 22, 4.5, 22.5, 8.5, 3.8}, 0.3, 7);
  else
    lacing(cr);
  thick_base(cr);
  dimples(cr);
  glass_wall(cr, body, 5.5, 10, 26);
  if (full)
    spill(cr);
}

void life_mug_silhouette(cairo_t* cr) {
  set_colour(cr, pal::ink);
  body(cr);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  handle_path(cr);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_move_to(cr, 3.5, 9.5);
  cairo_curve_to(cr, 3.5, 2.5, 23.5, 2.5, 23.5, 9.5);
  cairo_close_path(cr);
  cairo_fill(cr);
}

} // namespace art
