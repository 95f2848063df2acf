#include "banner_art.hpp"

#include "fonts.hpp"
#include "pewter.hpp"
#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

constexpr Rgb kAnswerColours[] = {hex(0xE84A3A), hex(0x3AA0E8), hex(0xF2C230), hex(0x4AC060)};

void answer_buttons(cairo_t* cr, double x, double y, double size, double gap) {
  for (int i = 0; i < 4; ++i) {
    fill_circle(cr, x + i * gap, y, size, kAnswerColours[i]);
    fill_circle(cr, x + i * gap - size * 0.3, y - size * 0.3, size * 0.35, hex(0xFFFFFF), 0.6);
  }
}

void screen(cairo_t* cr, Box b, double text_size) {
  rounded_rect(cr, b, 2);
  set_colour(cr, hex(0x0A2A3A));
  cairo_fill(cr);
  use_font(cr, Face::SansBold, text_size);
  set_colour(cr, hex(0x8FF0FF));
  text_centred(cr, "?", b.x + b.w / 2, b.y + b.h / 2);
}

} // namespace

void art_quiz_machine(cairo_t* cr, double x, double y) {
  rounded_rect(cr, {x + 6, y + 8, 44, 42}, 5);
  fill_pewter(cr, x + 6, y + 8, x + 50, y + 50);
  screen(cr, {x + 11, y + 13, 34, 20}, 16);
  answer_buttons(cr, x + 14, y + 41, 3.2, 9.3);
}

void art_question_coin(cairo_t* cr, double x, double y) {
  cairo_arc(cr, x + 28, y + 28, 24, 0, 2 * M_PI);
  fill_brass(cr, x + 4, y + 4, x + 52, y + 52);
  cairo_arc(cr, x + 28, y + 28, 19, 0, 2 * M_PI);
  cairo_set_line_width(cr, 1.5);
  set_colour(cr, pal::brass_dark);
  cairo_stroke(cr);
  use_font(cr, Face::SerifBold, 34);
  text_embossed(cr, "?", x + 28, y + 28, hex(0xFFFFFF), pal::brass_light, pal::brass_dark);
}

void art_light_bulb(cairo_t* cr, double x, double y) {
  glow(cr, x + 28, y + 22, 27, hex(0xFFF2A0), 0.6);
  fill_circle(cr, x + 28, y + 22, 13, hex(0xFFF6C0));
  fill_rect(cr, {x + 22, y + 33, 12, 6}, hex(0xFFF6C0));
  for (int i = 0; i < 3; ++i)
    fill_rect(cr, {x + 22, y + 40 + i * 3.5, 12, 2.5}, hex(0xA0A8B0));
  cairo_move_to(cr, x + 24, y + 30);
  cairo_line_to(cr, x + 26, y + 20);
  cairo_line_to(cr, x + 30, y + 20);
  cairo_line_to(cr, x + 32, y + 30);
  cairo_set_line_width(cr, 1.3);
  set_colour(cr, hex(0xE89A20));
  cairo_stroke(cr);
}

void art_pocket_device(cairo_t* cr, double x, double y) {
  cairo_save(cr);
  cairo_translate(cr, x + 28, y + 28);
  cairo_rotate(cr, -0.2);
  rounded_rect(cr, {-15, -24, 30, 48}, 5);
  set_colour(cr, hex(0x1A1A22));
  cairo_fill_preserve(cr);
  set_colour(cr, hex(0xC8CCD4));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  screen(cr, {-11, -19, 22, 24}, 14);
  answer_buttons(cr, -8.5, 13, 2.4, 5.7);
  cairo_restore(cr);
}

void art_free_ribbon(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 16; ++i) {
    const double a = i * M_PI / 8, r = i % 2 ? 20 : 26;
    cairo_line_to(cr, x + 28 + r * std::cos(a), y + 28 + r * std::sin(a));
  }
  cairo_close_path(cr);
  set_colour(cr, hex(0xFFD23A));
  cairo_fill(cr);
  use_font(cr, Face::SansBold, 13);
  set_colour(cr, hex(0xB0201A));
  text_centred(cr, "FREE", x + 28, y + 24);
  use_font(cr, Face::SansBold, 7.5);
  text_centred(cr, "30 DAYS", x + 28, y + 36);
}

void art_league_map(cairo_t* cr, double x, double y) {
  rounded_rect(cr, {x + 4, y + 8, 48, 40}, 4);
  set_colour(cr, hex(0x2E5A3A));
  cairo_fill(cr);
  const double pins[][2] = {{14, 20}, {34, 16}, {24, 34}, {44, 36}};
  cairo_move_to(cr, x + pins[0][0], y + pins[0][1]);
  for (const auto& p : pins)
    cairo_line_to(cr, x + p[0], y + p[1]);
  cairo_set_line_width(cr, 1.2);
  set_colour(cr, hex(0xFFFFFF), 0.7);
  const double dash[] = {2, 2};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  for (const auto& p : pins) {
    fill_circle(cr, x + p[0], y + p[1] - 3, 3.5, hex(0xE84A3A));
    fill_circle(cr, x + p[0] - 1, y + p[1] - 4, 1.2, hex(0xFFFFFF), 0.8);
  }
}

} // namespace art
