// The drinks with handles: the dimpled amber mug and the lidded bock stein.
#include "beer_kinds.hpp"

#include "glassware.hpp"
#include "pewter.hpp"
#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

void mug_body(cairo_t* cr) {
  rounded_rect(cr, {7.5, 3.5, 14, 15}, 2);
}

void stein_body(cairo_t* cr) {
  rounded_rect(cr, {11.5, 6.5, 11, 12}, 1);
}

void mug_handle(cairo_t* cr) {
  cairo_move_to(cr, 21.5, 6.5);
  cairo_line_to(cr, 24.5, 6.5);
  cairo_arc(cr, 24.5, 9.5, 3, -M_PI / 2, 0);
  cairo_line_to(cr, 27.5, 12.5);
  cairo_arc(cr, 24.5, 12.5, 3, 0, M_PI / 2);
  cairo_line_to(cr, 21.5, 15.5);
  cairo_set_line_width(cr, 2.4);
  set_colour(cr, pal::glass, 0.5);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 0.8);
  set_colour(cr, hex(0xFFFFFF), 0.45);
  cairo_stroke(cr);
}

// Raised glass dimples: lit upper-left edge, shaded lower-right edge.
void dimples(cairo_t* cr) {
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const double x = 9 + col * 4, y = 7 + row * 4;
      fill_rect(cr, {x, y, 3, 1}, hex(0xFFFFFF), 0.35);
      fill_rect(cr, {x, y, 1, 3}, hex(0xFFFFFF), 0.25);
      fill_rect(cr, {x + 1, y + 3, 3, 1}, hex(0x000000), 0.25);
      fill_rect(cr, {x + 3, y + 1, 1, 3}, hex(0x000000), 0.2);
    }
}

void stein_handle(cairo_t* cr) {
  cairo_move_to(cr, 11.5, 8.5);
  cairo_line_to(cr, 8.5, 8.5);
  cairo_arc_negative(cr, 8.5, 11, 2.5, -M_PI / 2, M_PI);
  cairo_line_to(cr, 6, 13);
  cairo_arc_negative(cr, 8.5, 13, 2.5, M_PI, M_PI / 2);
  cairo_line_to(cr, 11.5, 15.5);
  cairo_set_line_width(cr, 2.2);
  set_colour(cr, hex(0x50565E));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 1);
  set_colour(cr, hex(0xB8BEC6));
  cairo_stroke(cr);
}

// The hinged pewter lid, raised by lift pixels, with its thumb lever on the handle side.
void stein_lid(cairo_t* cr, double lift) {
  const double y = 6 - lift;
  cairo_move_to(cr, 10.5, y + 0.5);
  cairo_curve_to(cr, 11, y - 3.2, 23, y - 3.2, 23.5, y + 0.5);
  cairo_close_path(cr);
  fill_pewter(cr, 10, y - 3, 20, y + 1);
  fill_rect(cr, {10, y, 14, 1.2}, hex(0x6A7078));
  fill_circle(cr, 17, y - 2.8, 1.2, hex(0xC8CDD4));
  cairo_move_to(cr, 11, y);
  cairo_line_to(cr, 8, y - 3.5);
  cairo_set_line_width(cr, 1.6);
  set_colour(cr, hex(0x7A8088));
  cairo_stroke(cr);
  fill_circle(cr, 7.8, y - 3.6, 1.3, hex(0xD0D4DA));
}

void stein_base(cairo_t* cr) {
  rounded_rect(cr, {11, 16.5, 12, 2.5}, 1);
  fill_pewter(cr, 11, 16, 20, 20);
}

} // namespace

void draw_amber_mug(cairo_t* cr, double phase) {
  const Brew amber{hex(0xE58B2C), hex(0xA9501A), pal::foam, pal::foam_shade, hex(0xFFD9A0), 0.85, false};
  cast_shadow(cr, 17, 18.8, 8);
  mug_handle(cr);
  pour(cr, mug_body, amber, {3.2, 6.2, 17.5, 8.5, 20.5, 7.5, 21.5, 3.5, 1.6}, phase, 29);
  dimples(cr);
  glass_wall(cr, mug_body, 8.5, 5, 16);
}

void draw_bock_stein(cairo_t* cr, double phase) {
  const Brew bock{hex(0x6E2614), hex(0x2A0C06), hex(0xF0DCC0), hex(0xC4A686), hex(0xE8A080), 0.75, false};
  const double lift = 1.5 - 1.5 * std::cos(2 * M_PI * phase);
  cast_shadow(cr, 17, 18.8, 6.5);
  stein_handle(cr);
  pour(cr, stein_body, bock, {6.8, 8.6, 16.5, 11.5, 22.5, 11.5, 22.5, 6.5, lift * 0.7}, phase, 31);
  glass_wall(cr, stein_body, 12.5, 8, 16);
  stein_base(cr);
  stein_lid(cr, lift);
}

} // namespace art
