// pctAboutText1 / pctAboutText2: the about panel's title line and web link line.
#include "fonts.hpp"
#include "generators.hpp"
#include "shapes.hpp"

namespace art {

namespace {

Surface panel_strip(int w, int h) {
  Surface s = make_surface(w, h);
  Context cr = make_context(s);
  fill_rect(cr.get(), {0, 0, double(w), double(h)}, pal::panel);
  return s;
}

Surface title_line() {
  Surface s = panel_strip(305, 33);
  Context cr = make_context(s);
  use_font(cr.get(), Face::SerifBoldItalic, 25);
  text_embossed(cr.get(), "Frothwick", 78, 15, pal::brass_light, pal::amber, hex(0x000000));
  use_font(cr.get(), Face::Serif, 11.5);
  set_colour(cr.get(), pal::cream, 0.85);
  text_centred(cr.get(), "a puzzle for the bottom", 230, 11);
  text_centred(cr.get(), "of the glass  \xC2\xB7  v1.0", 230, 24);
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

// An arrow badge and underlined text, the way links looked on every menu board.
Surface link_line() {
  Surface s = panel_strip(354, 32);
  Context cr = make_context(s);
  fill_circle(cr.get(), 16, 16, 9, pal::amber);
  set_colour(cr.get(), pal::panel);
  cairo_move_to(cr.get(), 13, 11);
  cairo_line_to(cr.get(), 20, 16);
  cairo_line_to(cr.get(), 13, 21);
  cairo_close_path(cr.get());
  cairo_fill(cr.get());
  use_font(cr.get(), Face::SansBold, 14);
  const std::string text = "Visit Tallowmere Games on the web";
  const TextSize t = measure(cr.get(), text);
  const double x = 32;
  set_colour(cr.get(), pal::amber_glow);
  cairo_move_to(cr.get(), x - t.x_bearing, 21);
  cairo_show_text(cr.get(), text.c_str());
  fill_rect(cr.get(), {x, 23, t.width, 1}, pal::amber_glow);
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

} // namespace

void add_about_texts(Album& album) {
  album.add("pctAboutText1.png", title_line());
  album.add("pctAboutText2.png", link_line());
}

} // namespace art
