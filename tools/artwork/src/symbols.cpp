#include "symbols.hpp"

#include "fonts.hpp"
#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

void stroke_round(cairo_t* cr, double width) {
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void speaker(cairo_t* cr) {
  cairo_move_to(cr, 8, 13);
  cairo_line_to(cr, 11.5, 13);
  cairo_line_to(cr, 16, 8.5);
  cairo_line_to(cr, 16, 23.5);
  cairo_line_to(cr, 11.5, 19);
  cairo_line_to(cr, 8, 19);
  cairo_close_path(cr);
  cairo_fill(cr);
}

} // namespace

void symbol_star(cairo_t* cr) {
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 3.9 : 9.2;
    cairo_line_to(cr, 16 + r * std::cos(a), 16.6 + r * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_fill(cr);
}

void symbol_play(cairo_t* cr) {
  cairo_move_to(cr, 12.5, 9);
  cairo_line_to(cr, 23, 16);
  cairo_line_to(cr, 12.5, 23);
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  stroke_round(cr, 1.5);
}

void symbol_pause(cairo_t* cr) {
  rounded_rect(cr, {10, 9, 4.5, 14}, 1);
  rounded_rect(cr, {17.5, 9, 4.5, 14}, 1);
  cairo_fill(cr);
}

void symbol_trophy(cairo_t* cr) {
  cairo_move_to(cr, 10.5, 8);
  cairo_line_to(cr, 21.5, 8);
  cairo_curve_to(cr, 21.5, 14, 19.5, 17, 16, 17);
  cairo_curve_to(cr, 12.5, 17, 10.5, 14, 10.5, 8);
  cairo_close_path(cr);
  cairo_rectangle(cr, 14.8, 16, 2.4, 4);
  cairo_rectangle(cr, 11.5, 20.5, 9, 3);
  cairo_fill(cr);
  cairo_arc(cr, 10.5, 11.5, 2.6, M_PI / 2, 3 * M_PI / 2);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, 21.5, 11.5, 2.6, M_PI / 2, -M_PI / 2);
  stroke_round(cr, 1.6);
}

void symbol_info(cairo_t* cr) {
  use_font(cr, Face::SerifBold, 23);
  text_path_centred(cr, "i", 16, 16);
  cairo_fill(cr);
}

void symbol_door(cairo_t* cr) {
  cairo_move_to(cr, 17, 9);
  cairo_line_to(cr, 10, 9);
  cairo_line_to(cr, 10, 23);
  cairo_line_to(cr, 17, 23);
  stroke_round(cr, 2);
  cairo_move_to(cr, 14, 16);
  cairo_line_to(cr, 23, 16);
  cairo_move_to(cr, 19.5, 12.5);
  cairo_line_to(cr, 23, 16);
  cairo_line_to(cr, 19.5, 19.5);
  stroke_round(cr, 2.2);
}

void symbol_sound_on(cairo_t* cr) {
  speaker(cr);
  cairo_arc(cr, 16, 16, 3.8, -M_PI / 4, M_PI / 4);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 16, 16, 7.2, -M_PI / 3.2, M_PI / 3.2);
  stroke_round(cr, 1.7);
}

void symbol_sound_off(cairo_t* cr) {
  speaker(cr);
  cairo_move_to(cr, 19, 13);
  cairo_line_to(cr, 24, 19);
  cairo_move_to(cr, 24, 13);
  cairo_line_to(cr, 19, 19);
  stroke_round(cr, 2.2);
}

void symbol_check(cairo_t* cr) {
  cairo_move_to(cr, 9.5, 16.5);
  cairo_line_to(cr, 14, 21.5);
  cairo_line_to(cr, 23, 10.5);
  stroke_round(cr, 3.4);
}

void symbol_eraser(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 16, 15);
  cairo_rotate(cr, -M_PI / 4);
  rounded_rect(cr, {-8, -4, 16, 8}, 1.5);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  rounded_rect(cr, {-8, -4, 7, 8}, 1.5);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_move_to(cr, 12, 23.5);
  cairo_line_to(cr, 24, 23.5);
  stroke_round(cr, 1.4);
}

void symbol_cross(cairo_t* cr) {
  cairo_move_to(cr, 11, 11);
  cairo_line_to(cr, 21, 21);
  cairo_move_to(cr, 21, 11);
  cairo_line_to(cr, 11, 21);
  stroke_round(cr, 3.2);
}

} // namespace art
