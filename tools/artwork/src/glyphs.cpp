// Brass-on-black digits and letters for the score display and the score board.
#include "fonts.hpp"
#include "generators.hpp"
#include "shapes.hpp"

#include <algorithm>
#include <string>

namespace art {

namespace {

constexpr int kGlyphH = 23;
constexpr int kLetterW = 22;
constexpr double kBaseline = 20;
constexpr double kLetterTop = 3; // the top of the tallest letters
constexpr double kFontSize = 22.5;

Surface blank_tile(int width) {
  Surface s = make_surface(width, kGlyphH);
  Context cr = make_context(s);
  fill_rect(cr.get(), {0, 0, double(width), double(kGlyphH)}, hex(0x000000));
  return s;
}

void brass_face(cairo_t* cr) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 3, 0, kBaseline);
  add_stop(g, 0, hex(0xFFF0B8));
  add_stop(g, 0.35, pal::brass_light);
  add_stop(g, 0.6, pal::amber);
  add_stop(g, 1, hex(0xA86A1C));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Places the glyph outline centred on the tile, squeezed sideways if it is too wide.
void glyph_path(cairo_t* cr, const std::string& ch, int width, double dx, double dy) {
  const TextSize s = measure(cr, ch);
  const double squeeze = std::min(1.0, (width - 3.0) / s.width);
  cairo_save(cr);
  cairo_translate(cr, width / 2.0 + dx, kBaseline + dy);
  cairo_scale(cr, squeeze, 1);
  cairo_move_to(cr, -s.width / 2 - s.x_bearing, 0);
  cairo_text_path(cr, ch.c_str());
  cairo_restore(cr);
}

Surface glyph(const std::string& ch, int width) {
  Surface s = blank_tile(width);
  Context cr = make_context(s);
  use_font(cr.get(), Face::CondensedBold, kFontSize);
  glyph_path(cr.get(), ch, width, 1, 1);
  set_colour(cr.get(), hex(0x4A2E0C));
  cairo_fill(cr.get());
  glyph_path(cr.get(), ch, width, 0, 0);
  brass_face(cr.get());
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

// A space or an erased letter: blank on the black board, with only a baseline mark so faint that
// it cannot be told from black at arm's length.
Surface empty_letter() {
  Surface s = blank_tile(kLetterW);
  Context cr = make_context(s);
  fill_rect(cr.get(), {4, kBaseline, kLetterW - 8.0, 1}, hex(0x120E08));
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

// Where the next letter goes: a solid bar in the letters' brightest gold along their baseline, in a
// dim gold frame as tall as the letters, lit softly from within. It stands in its own row's letter
// band, so it reads as a place in that row; the rows above and below the band stay black, keeping it
// apart from the row below, whose letters begin right under it.
Surface cursor() {
  Surface s = blank_tile(kLetterW);
  Context cr = make_context(s);
  const Box band{2, kLetterTop, kLetterW - 4.0, kBaseline + 1 - kLetterTop};
  cairo_rectangle(cr.get(), band.x, band.y, band.w, band.h);
  cairo_clip(cr.get());
  glow(cr.get(), kLetterW / 2.0, kBaseline, 12, pal::amber_glow, 0.25);
  cairo_rectangle(cr.get(), band.x + 0.5, band.y + 0.5, band.w - 1, band.h - 1);
  set_colour(cr.get(), pal::brass_dark);
  cairo_set_line_width(cr.get(), 1);
  cairo_stroke(cr.get());
  fill_rect(cr.get(), {band.x, kBaseline - 3, band.w, 4}, hex(0xFFE68A));
  fill_rect(cr.get(), {band.x + 1, kBaseline - 3, band.w - 2, 1}, hex(0xFFF6D0));
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

int digit_width(int d) {
  return d == 4 ? 24 : (d == 2 || d == 3) ? 21 : kLetterW;
}

} // namespace

void add_glyphs(Album& album) {
  for (int d = 0; d <= 9; ++d)
    album.add("pctDigit_" + std::to_string(d) + ".png", glyph(std::to_string(d), digit_width(d)));
  album.start_group();
  for (int i = 0; i < 26; ++i)
    album.add("pctAlpha_" + std::to_string(i) + ".png", glyph(std::string(1, char('A' + i)), kLetterW));
  album.add("pctEmptyLetter.png", empty_letter());
  album.add("pctCursor.png", cursor());
}

} // namespace art
