// pctCop: the police raid the pub. Blue light left, red light right, a badge and RAID!
#include "fonts.hpp"
#include "generators.hpp"
#include "pewter.hpp"
#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

constexpr int kW = 320, kH = 200;

void night(cairo_t* cr) {
  fill_vertical(cr, {0, 0, kW, kH}, hex(0x0A0C1A), hex(0x020204));
  fill_rect(cr, {0, 150, kW, 50}, hex(0x100A08));
  for (int i = 0; i < 5; ++i) { // the pub's lit windows
    rounded_rect(cr, {18.0 + i * 62, 120, 36, 26}, 2);
    set_colour(cr, hex(0xE89A30), 0.55);
    cairo_fill(cr);
  }
}

void beams(cairo_t* cr, double x, double y, Rgb c, double angle) {
  for (int i = 0; i < 3; ++i) {
    const double a = angle + i * 2.1;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 400 * std::cos(a - 0.16), y + 400 * std::sin(a - 0.16));
    cairo_line_to(cr, x + 400 * std::cos(a + 0.16), y + 400 * std::sin(a + 0.16));
    cairo_close_path(cr);
    set_colour(cr, c, 0.22);
    cairo_fill(cr);
  }
  glow(cr, x, y, 150, c, 0.75);
}

void light_bar(cairo_t* cr) {
  rounded_rect(cr, {96, 6, 128, 16}, 7);
  set_colour(cr, hex(0x1A1A1E));
  cairo_fill(cr);
  rounded_rect(cr, {99, 8, 60, 12}, 5);
  set_colour(cr, hex(0x4AA0FF));
  cairo_fill(cr);
  rounded_rect(cr, {161, 8, 60, 12}, 5);
  set_colour(cr, hex(0xFF3A3A));
  cairo_fill(cr);
  glow(cr, 129, 14, 40, hex(0xBFE0FF), 0.9);
  glow(cr, 191, 14, 40, hex(0xFFC0C0), 0.9);
}

void badge(cairo_t* cr) {
  const double cx = 160, cy = 80;
  for (int i = 0; i < 14; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 7, r = i % 2 ? 30 : 46;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
  fill_brass(cr, cx - 40, cy - 40, cx + 40, cy + 40);
  cairo_arc(cr, cx, cy, 24, 0, 2 * M_PI);
  set_colour(cr, hex(0x1A2A5A));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, 24, 0, 2 * M_PI);
  set_colour(cr, pal::brass_light);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  use_font(cr, Face::SansBold, 11);
  set_colour(cr, hex(0xFFFFFF));
  text_centred(cr, "POLICE", cx, cy);
}

void raid_word(cairo_t* cr) {
  use_font(cr, Face::SansBold, 62);
  text_path_centred(cr, "RAID!", 160, 162);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 8);
  set_colour(cr, hex(0x000000));
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 140, 0, 184);
  add_stop(g, 0, hex(0xFFFFFF));
  add_stop(g, 1, hex(0xFFD84A));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

} // namespace

void add_raid(Album& album) {
  Surface s = make_surface(kW, kH);
  Context cr = make_context(s);
  night(cr.get());
  beams(cr.get(), 20, 14, hex(0x2A6AFF), 0.5);
  beams(cr.get(), 300, 14, hex(0xFF2A2A), 2.6);
  light_bar(cr.get());
  badge(cr.get());
  raid_word(cr.get());
  cairo_surface_flush(s.get());
  make_opaque(s);
  album.add("pctCop.jpg", std::move(s));
}

} // namespace art
