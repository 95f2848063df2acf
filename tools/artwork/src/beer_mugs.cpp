// The drinks with handles: the dimpled amber mug and the lidded bock stein.
#include "beer_kinds.hpp"

#include "glassware.hpp"
#include "pewter.hpp"
#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

void mug_body(cairo_t* cr) {
  rounded_rect(cr, {4.5, 3.5, 18, 16}, 2.5);
}

void stein_body(cairo_t* cr) {
  rounded_rect(cr, {10.5, 6.5, 14, 13}, 1);
}

// Kept clear of the last three pixel columns, which stay bare slate like the empty cell.
void mug_handle(cairo_t* cr) {
  cairo_move_to(cr, 22.5, 7);
  cairo_line_to(cr, 24.5, 7);
  cairo_arc(cr, 24.5, 10, 3, -M_PI / 2, 0);
  cairo_line_to(cr, 27.5, 12);
  cairo_arc(cr, 24.5, 12, 3, 0, M_PI / 2);
  cairo_line_to(cr, 22.5, 15);
  cairo_set_line_width(cr, 2.6);
  set_colour(cr, pal::glass, 0.5);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 0.9);
  set_colour(cr, hex(0xFFFFFF), 0.5);
  cairo_stroke(cr);
}

// Thumbprint dimples in staggered rows: a lens with a lit upper-left rim.
void dimples(cairo_t* cr) {
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const double x = 8 + col * 5 + (row % 2) * 2.5, y = 8.5 + row * 4;
      if (x > 20)
        continue;
      thumbprint(cr, x, y, 1.6);
    }
}

void stein_handle(cairo_t* cr) {
  cairo_move_to(cr, 10.5, 8.5);
  cairo_line_to(cr, 8, 8.5);
  cairo_arc_negative(cr, 8, 11, 2.5, -M_PI / 2, M_PI);
  cairo_line_to(cr, 5.5, 14);
  cairo_arc_negative(cr, 8, 14, 2.5, M_PI, M_PI / 2);
  cairo_line_to(cr, 10.5, 16.5);
  cairo_set_line_width(cr, 2.4);
  set_colour(cr, hex(0x50565E));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 1);
  set_colour(cr, hex(0xC0C6CE));
  cairo_stroke(cr);
}

// The hinged pewter lid, raised by lift pixels, with its thumb lever on the handle side.
void stein_lid(cairo_t* cr, double lift) {
  const double y = 6 - lift;
  cairo_move_to(cr, 9.5, y + 0.5);
  cairo_curve_to(cr, 10, y - 3.4, 25, y - 3.4, 25.5, y + 0.5);
  cairo_close_path(cr);
  fill_pewter(cr, 10, y - 3, 22, y + 1);
  fill_rect(cr, {9.5, y, 16, 1.2}, hex(0x6A7078));
  fill_circle(cr, 17.5, y - 2.9, 1.2, hex(0xD8DCE2));
  cairo_move_to(cr, 10.5, y);
  cairo_line_to(cr, 8, y - 2.8);
  cairo_set_line_width(cr, 1.6);
  set_colour(cr, hex(0x7A8088));
  cairo_stroke(cr);
  fill_circle(cr, 7.8, y - 3, 1.2, hex(0xD8DCE2));
}

void stein_base(cairo_t* cr) {
  rounded_rect(cr, {10, 17, 15, 2.5}, 1);
  fill_pewter(cr, 10, 16.5, 20, 20);
}

} // namespace

void draw_amber_mug(cairo_t* cr, double phase) {
  const Brew amber{hex(0xFFA030), hex(0xE07010), pal::foam, pal::foam_shade, hex(0xFFD9A0), 0.85, false};
  cast_shadow(cr, 16, 19, 10);
  mug_handle(cr);
  pour(cr, mug_body, amber, {3.4, 6.4, 18, 5.5, 21.5, 4.5, 22.5, 3.5, 1.7}, phase, 29);
  fill_rect(cr, {5.5, 17.5, 16, 1.5}, pal::glass, 0.3);
  dimples(cr);
  glass_wall(cr, mug_body, 5.5, 5, 16);
}

void draw_bock_stein(cairo_t* cr, double phase) {
  const Brew bock{hex(0x2A48C0), hex(0x121C60), hex(0xF0DCC0), hex(0xC4A686), hex(0xE8A080), 0.75, false};
  const double lift = 0.75 - 0.75 * std::cos(2 * M_PI * phase);
  cast_shadow(cr, 17, 19, 8);
  stein_handle(cr);
  pour(cr, stein_body, bock, {6.8, 8.8, 17, 10.5, 24.5, 10.5, 24.5, 6.5, 0.6 + lift * 0.6}, phase, 31);
  glass_wall(cr, stein_body, 11.5, 8, 16);
  stein_base(cr);
  stein_lid(cr, lift);
}

} // namespace art
