// pctCop: the police raid the pub. Blue beacon left, red beacon right, a badge and RAID!
#include "fonts.hpp"
#include "generators.hpp"
#include "pewter.hpp"
#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

constexpr int kW = 320, kH = 200;
constexpr Rgb kBlue = hex(0x2A6AFF), kRed = hex(0xFF2A2A);

void warm_window(cairo_t* cr, Box b) {
  glow(cr, b.x + b.w / 2, b.y + b.h / 2, b.w, pal::amber, 0.35);
  fill_rect(cr, b, hex(0xF0A840));
  fill_rect(cr, {b.x + b.w / 2 - 1, b.y, 2, b.h}, hex(0x3A2212));
  fill_rect(cr, {b.x, b.y + b.h / 2 - 1, b.w, 2}, hex(0x3A2212));
}

// The pub front at night: gabled roof, lit windows and an open door.
void pub_front(cairo_t* cr) {
  fill_vertical(cr, {0, 0, kW, kH}, hex(0x0A0C1C), hex(0x040408));
  cairo_move_to(cr, 30, 200);
  cairo_line_to(cr, 30, 96);
  cairo_line_to(cr, 160, 52);
  cairo_line_to(cr, 290, 96);
  cairo_line_to(cr, 290, 200);
  cairo_close_path(cr);
  set_colour(cr, hex(0x24160E));
  cairo_fill(cr);
  warm_window(cr, {52, 112, 40, 30});
  warm_window(cr, {228, 112, 40, 30});
  fill_rect(cr, {140, 118, 40, 82}, hex(0xFFC060));
  fill_rect(cr, {0, 188, kW, 12}, hex(0x0C0808));
}

void beacon(cairo_t* cr, double x, Rgb c, double angle) {
  for (int i = 0; i < 2; ++i) {
    const double a = angle + i * 0.9;
    cairo_move_to(cr, x, 22);
    cairo_line_to(cr, x + 420 * std::cos(a - 0.14), 22 + 420 * std::sin(a - 0.14));
    cairo_line_to(cr, x + 420 * std::cos(a + 0.14), 22 + 420 * std::sin(a + 0.14));
    cairo_close_path(cr);
    set_colour(cr, c, 0.28);
    cairo_fill(cr);
  }
  glow(cr, x, 22, 110, c, 0.8);
  cairo_arc(cr, x, 26, 13, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  set_colour(cr, mix(c, hex(0xFFFFFF), 0.55));
  cairo_fill(cr);
  fill_rect(cr, {x - 15, 26, 30, 6}, hex(0x202024));
  glow(cr, x, 18, 16, hex(0xFFFFFF), 0.9);
}

void badge(cairo_t* cr) {
  const double cx = 160, cy = 72;
  for (int i = 0; i < 14; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 7, r = i % 2 ? 30 : 46;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  set_colour(cr, hex(0x000000));
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
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
  use_font(cr, Face::SansBold, 64);
  text_path_centred(cr, "RAID!", 160, 160);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 9);
  set_colour(cr, hex(0x000000));
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 136, 0, 184);
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
  pub_front(cr.get());
  beacon(cr.get(), 26, kBlue, 0.35);
  beacon(cr.get(), 294, kRed, M_PI - 0.35 - 0.9);
  badge(cr.get());
  raid_word(cr.get());
  cairo_surface_flush(s.get());
  make_opaque(s);
  album.add("pctCop.jpg", std::move(s));
}

} // namespace art
