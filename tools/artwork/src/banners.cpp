// imgAd_0..5: six lit advertisements for Zelvatrix, the bar-quiz machine from the same makers.
#include "banner_art.hpp"
#include "fonts.hpp"
#include "generators.hpp"
#include "shapes.hpp"

#include <string>

namespace art {

namespace {

constexpr int kW = 468, kH = 60;

struct Ad {
  const char* headline;
  const char* subline;
  const char* button;
  Rgb sky, ground, neon;
  void (*picture)(cairo_t*, double, double);
};

const Ad kAds[] = {
    {"ZELVATRIX", "The bar-quiz machine for every table", "Click here", hex(0x123A5A), hex(0x061420),
     hex(0x5FE0FF), art_quiz_machine},
    {"5,000 questions on tap", "Zelvatrix never runs dry", "Play now", hex(0x4A1A6A), hex(0x170824),
     hex(0xE08CFF), art_question_coin},
    {"Who's the brainiest at the bar?", "Settle it tonight with Zelvatrix", "Click here", hex(0x1C4A2A),
     hex(0x08180D), hex(0x9CFF8A), art_light_bulb},
    {"NEW: Zelvatrix Pocket", "The pub quiz that fits in your coat", "Find out more", hex(0x6A1E14),
     hex(0x200804), hex(0xFF9A6A), art_pocket_device},
    {"Try Zelvatrix free", "30 days, no coins needed", "Download", hex(0x14306A), hex(0x060E24),
     hex(0x8AB8FF), art_free_ribbon},
    {"Zelvatrix League Night", "Quiz against pubs across the land", "Join today", hex(0x5A3A0A),
     hex(0x1C1002), hex(0xFFD060), art_league_map},
};

void backdrop(cairo_t* cr, const Ad& ad) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 160, kH * 3.0);
  add_stop(g, 0, ad.sky);
  add_stop(g, 1, ad.ground);
  cairo_rectangle(cr, 0, 0, kW, kH);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (int i = 0; i < 7; ++i) {
    cairo_move_to(cr, 70 + i * 52, 0);
    cairo_line_to(cr, 96 + i * 52, 0);
    cairo_line_to(cr, 66 + i * 52, kH);
    cairo_line_to(cr, 40 + i * 52, kH);
    cairo_close_path(cr);
  }
  set_colour(cr, hex(0xFFFFFF), 0.035);
  cairo_fill(cr);
  rounded_rect(cr, {1.5, 1.5, kW - 3.0, kH - 3.0}, 4);
  cairo_set_line_width(cr, 1);
  set_colour(cr, ad.neon, 0.9);
  cairo_stroke(cr);
}

// Sets a font size that fits text into max_width.
void fit_font(cairo_t* cr, Face face, double size, const std::string& text, double max_width) {
  use_font(cr, face, size);
  const double w = measure(cr, text).width;
  if (w > max_width)
    use_font(cr, face, size * max_width / w);
}

void copy(cairo_t* cr, const Ad& ad) {
  fit_font(cr, Face::SansBold, 21, ad.headline, 262);
  const TextSize h = measure(cr, ad.headline);
  set_colour(cr, hex(0x000000), 0.6);
  cairo_move_to(cr, 66 - h.x_bearing + 1, 27 + 1);
  cairo_show_text(cr, ad.headline);
  set_colour(cr, hex(0xFFFFFF));
  cairo_move_to(cr, 66 - h.x_bearing, 27);
  cairo_show_text(cr, ad.headline);
  fit_font(cr, Face::Sans, 12.5, ad.subline, 270);
  set_colour(cr, ad.neon);
  cairo_move_to(cr, 67, 46);
  cairo_show_text(cr, ad.subline);
}

void click_button(cairo_t* cr, const Ad& ad) {
  const Box b = {348, 15, 108, 30};
  glow(cr, b.x + b.w / 2, b.y + b.h / 2, 60, ad.neon, 0.25);
  rounded_rect(cr, b, 8);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, b.y, 0, b.y + b.h);
  add_stop(g, 0, hex(0xFFE9A0));
  add_stop(g, 0.5, hex(0xFFC340));
  add_stop(g, 1, hex(0xD8861A));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  set_colour(cr, hex(0x5A3208));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  fit_font(cr, Face::SansBold, 13, std::string(ad.button) + " \xE2\x96\xB8", b.w - 14);
  set_colour(cr, hex(0x3A1E04));
  text_centred(cr, std::string(ad.button) + " \xE2\x96\xB8", b.x + b.w / 2, b.y + b.h / 2);
}

Surface banner(const Ad& ad) {
  Surface s = make_surface(kW, kH);
  Context cr = make_context(s);
  backdrop(cr.get(), ad);
  ad.picture(cr.get(), 4, 2);
  copy(cr.get(), ad);
  click_button(cr.get(), ad);
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

} // namespace

void add_banners(Album& album) {
  int i = 0;
  for (const Ad& ad : kAds)
    album.add("imgAd_" + std::to_string(i++) + ".png", banner(ad));
}

} // namespace art
