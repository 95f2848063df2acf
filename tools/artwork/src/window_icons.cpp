// pctMinimizeIcon / pctExitIcon: small brass plates, drawn the same way into the frame.
#include "window_icons.hpp"

#include "generators.hpp"
#include "pewter.hpp"
#include "shapes.hpp"

namespace art {

namespace {

void mark(cairo_t* cr, double x, double y, bool exit) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  if (exit) {
    cairo_move_to(cr, x + 6, y + 6);
    cairo_line_to(cr, x + 14, y + 14);
    cairo_move_to(cr, x + 14, y + 6);
    cairo_line_to(cr, x + 6, y + 14);
  } else {
    cairo_move_to(cr, x + 6, y + 13.5);
    cairo_line_to(cr, x + 14, y + 13.5);
  }
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
}

Surface plate(bool exit) {
  Surface s = make_surface(20, 20);
  Context cr = make_context(s);
  draw_window_socket(cr.get(), 0, 0);
  draw_window_plate(cr.get(), 0, 0, exit);
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

} // namespace

void draw_window_socket(cairo_t* cr, double x, double y) {
  fill_rect(cr, {x, y, 20, 20}, pal::walnut_deep);
}

void draw_window_plate(cairo_t* cr, double x, double y, bool exit) {
  rounded_rect(cr, {x + 1, y + 1, 18, 18}, 3);
  fill_brass(cr, x + 1, y + 1, x + 19, y + 19);
  rounded_rect(cr, {x + 1.5, y + 1.5, 17, 17}, 2.5);
  cairo_set_line_width(cr, 1);
  set_colour(cr, pal::brass_dark);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 0.8, 0.8);
  set_colour(cr, pal::brass_light, 0.8);
  mark(cr, x, y, exit);
  cairo_restore(cr);
  set_colour(cr, hex(0x3A240E));
  mark(cr, x, y, exit);
}

void add_window_icons(Album& album) {
  album.add("pctMinimizeIcon.png", plate(false));
  album.add("pctExitIcon.png", plate(true));
}

} // namespace art
