// frmMain: the whole window, a walnut bar-back with a lit sign, the slate board and a brass-trimmed panel.
#include "background_parts.hpp"
#include "cell.hpp"
#include "generators.hpp"
#include "shapes.hpp"
#include "window_icons.hpp"
#include "wood.hpp"

namespace art {

namespace {

constexpr int kW = 687, kH = 511;

void window_edge(cairo_t* cr) {
  bevel(cr, {0, 0, kW, kH}, hex(0x9A6E44), hex(0x0C0805));
  rounded_rect(cr, {4.5, 4.5, kW - 9.0, kH - 9.0}, 4);
  cairo_set_line_width(cr, 1);
  set_colour(cr, pal::brass, 0.8);
  cairo_stroke(cr);
  rounded_rect(cr, {5.5, 5.5, kW - 11.0, kH - 11.0}, 3);
  set_colour(cr, hex(0x000000), 0.45);
  cairo_stroke(cr);
}

} // namespace

void add_background(Album& album) {
  Surface s = make_surface(kW, kH);
  paint_walnut(s.get());
  Context cr = make_context(s);
  window_edge(cr.get());
  draw_sign_frame(cr.get());
  draw_board_bezel(cr.get());
  paint_slate(s.get(), 18, 86, 480, 408);
  draw_title(cr.get());
  draw_window_socket(cr.get(), 634, 10);
  draw_window_socket(cr.get(), 656, 10);
  draw_side_panel(cr.get());
  cairo_surface_flush(s.get());
  make_opaque(s);
  album.add("frmMain.png", std::move(s));
}

} // namespace art
