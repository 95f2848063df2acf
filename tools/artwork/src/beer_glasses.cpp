// The stemless and stemmed glasses: pint, tulip, stange, weizen and goblet.
#include "beer_kinds.hpp"

#include "glassware.hpp"
#include "shapes.hpp"

#include <cmath>
#include <initializer_list>

namespace art {

namespace {

void pint_body(cairo_t* cr) {
  cairo_move_to(cr, 7.5, 0.5);
  cairo_line_to(cr, 24.5, 0.5);
  cairo_curve_to(cr, 25.8, 2.5, 25.8, 4.5, 24.8, 6);
  cairo_line_to(cr, 21.5, 19.5);
  cairo_line_to(cr, 10.5, 19.5);
  cairo_line_to(cr, 7.2, 6);
  cairo_curve_to(cr, 6.2, 4.5, 6.2, 2.5, 7.5, 0.5);
  cairo_close_path(cr);
}

void tulip_bowl(cairo_t* cr) {
  cairo_move_to(cr, 9.5, 1.5);
  cairo_line_to(cr, 22.5, 1.5);
  cairo_curve_to(cr, 21.5, 4, 26.5, 6.5, 25.5, 9.5);
  cairo_curve_to(cr, 24.5, 12.5, 20, 13.5, 16, 13.5);
  cairo_curve_to(cr, 12, 13.5, 7.5, 12.5, 6.5, 9.5);
  cairo_curve_to(cr, 5.5, 6.5, 10.5, 4, 9.5, 1.5);
  cairo_close_path(cr);
}

void stange_body(cairo_t* cr) {
  cairo_rectangle(cr, 11.5, 0.5, 9, 19);
}

void weizen_body(cairo_t* cr) {
  cairo_move_to(cr, 9.5, 2.5);
  cairo_line_to(cr, 22.5, 2.5);
  cairo_curve_to(cr, 23.8, 6, 22.5, 9.5, 19.8, 13.5);
  cairo_curve_to(cr, 18.8, 15.5, 20.5, 17.5, 20.5, 19.5);
  cairo_line_to(cr, 11.5, 19.5);
  cairo_curve_to(cr, 11.5, 17.5, 13.2, 15.5, 12.2, 13.5);
  cairo_curve_to(cr, 9.5, 9.5, 8.2, 6, 9.5, 2.5);
  cairo_close_path(cr);
}

void goblet_bowl(cairo_t* cr) {
  cairo_move_to(cr, 4.5, 1.5);
  cairo_line_to(cr, 27.5, 1.5);
  cairo_curve_to(cr, 27.5, 8.5, 22.5, 12, 16, 12);
  cairo_curve_to(cr, 9.5, 12, 4.5, 8.5, 4.5, 1.5);
  cairo_close_path(cr);
}

// A stem with a round foot, in the glass colour.
void stem_and_foot(cairo_t* cr, double stem_top, double stem_w, double foot_w) {
  const double cx = 16;
  fill_rect(cr, {cx - stem_w / 2, stem_top, stem_w, 17 - stem_top}, pal::glass, 0.55);
  fill_rect(cr, {cx - stem_w / 2, stem_top, 1, 17 - stem_top}, hex(0xFFFFFF), 0.6);
  cairo_save(cr);
  cairo_translate(cr, cx, 17.9);
  cairo_scale(cr, foot_w / 2, 1.4);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  set_colour(cr, pal::glass, 0.6);
  cairo_fill_preserve(cr);
  set_colour(cr, hex(0xFFFFFF), 0.35);
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
}

void raspberry(cairo_t* cr, double x, double y) {
  const double dots[][2] = {{0, 0}, {1.6, 0.2}, {0.8, 1.4}, {-0.6, 1.3}, {2.2, 1.5}, {1, 2.7}};
  for (const auto& d : dots)
    fill_circle(cr, x + d[0], y + d[1], 1.05, hex(0xB0123E));
  for (const auto& d : dots)
    fill_circle(cr, x + d[0] - 0.3, y + d[1] - 0.3, 0.4, hex(0xFF7FA0), 0.9);
  fill_rect(cr, {x - 2.2, y - 1.2, 1.6, 1}, hex(0x4E9A3A));
}

void lemon_slice(cairo_t* cr) {
  cairo_move_to(cr, 20, 2.5);
  cairo_arc(cr, 23.5, 2.5, 3.5, 0, M_PI);
  cairo_close_path(cr);
  set_colour(cr, hex(0xF5E04A));
  cairo_fill(cr);
  cairo_move_to(cr, 20.9, 2.5);
  cairo_arc(cr, 23.5, 2.5, 2.6, 0, M_PI);
  cairo_close_path(cr);
  set_colour(cr, hex(0xFFF6B0));
  cairo_fill(cr);
  for (double a : {0.5, 1.55, 2.6}) {
    cairo_move_to(cr, 23.5, 2.5);
    cairo_line_to(cr, 23.5 + 2.6 * std::cos(a), 2.5 + 2.6 * std::sin(a));
  }
  set_colour(cr, hex(0xE8C020));
  cairo_set_line_width(cr, 0.5);
  cairo_stroke(cr);
}

} // namespace

void draw_lager_pint(cairo_t* cr, double phase) {
  const Brew lager{hex(0xFFEA50), hex(0xF8C800), pal::foam, pal::foam_shade, hex(0xFFF6C8), 0.9, false};
  cast_shadow(cr, 16, 19, 7.5);
  pour(cr, pint_body, lager, {1.5, 5, 18, 8, 24, 7.5, 24.5, 0.5, 0}, phase, 11);
  fill_rect(cr, {10.5, 17.5, 11, 2}, pal::glass, 0.35); // thick glass base
  glass_wall(cr, pint_body, 8.5, 1.5, 17);
}

void draw_stout_tulip(cairo_t* cr, double phase) {
  const Brew stout{hex(0x2A140C), hex(0x0E0705), hex(0xD2B48A), hex(0x9C7C52), hex(0xA08860), 0.8, true};
  cast_shadow(cr, 16, 18.8, 8);
  stem_and_foot(cr, 13, 2.5, 16);
  pour(cr, tulip_bowl, stout, {2, 5.6, 13.5, 7, 25, 9.5, 22.5, 1.5, 0.9}, phase, 23);
  glass_wall(cr, tulip_bowl, 7.6, 6, 11);
}

void draw_red_stange(cairo_t* cr, double phase) {
  const Brew red{hex(0xE03030), hex(0xA01818), pal::foam, pal::foam_shade, hex(0xFFB49A), 0.85, false};
  cast_shadow(cr, 16, 19, 5);
  pour(cr, stange_body, red, {1.1, 4.2, 17.5, 11.5, 20.5, 11.5, 20.5, 0.5, 0}, phase, 37);
  fill_rect(cr, {11.5, 17.5, 9, 2}, pal::glass, 0.35);
  glass_wall(cr, stange_body, 12.5, 1, 17);
}

void draw_wheat_weizen(cairo_t* cr, double phase) {
  const Brew wheat{hex(0xFFF8EC), hex(0xF2E8CC), pal::foam, pal::foam_shade, hex(0xFFF0C0), 0.7, false};
  cast_shadow(cr, 16, 19, 5.5);
  pour(cr, weizen_body, wheat, {3.2, 6.2, 18, 9, 23, 9.5, 22.5, 2.5, 2.1}, phase, 41);
  cairo_save(cr);
  weizen_body(cr);
  cairo_clip(cr);
  fill_rect(cr, {8, 7, 16, 13}, hex(0xFFF2C8), 0.2); // haze
  cairo_restore(cr);
  glass_wall(cr, weizen_body, 10.6, 4, 12);
  lemon_slice(cr);
}

void draw_raspberry_goblet(cairo_t* cr, double phase) {
  const Brew berry{hex(0xE890F0), hex(0xB050D0), hex(0xFFE4F8), hex(0xE0B0E0), hex(0xF8C8FF), 0.8, false};
  cast_shadow(cr, 16, 18.8, 8);
  stem_and_foot(cr, 11.5, 3, 16);
  pour(cr, goblet_bowl, berry, {1.8, 4.2, 12, 5, 27, 4.5, 27.5, 1.5, 0}, phase, 53);
  glass_wall(cr, goblet_bowl, 5.5, 2.5, 8);
  raspberry(cr, 23.6, 1.2);
}

} // namespace art
