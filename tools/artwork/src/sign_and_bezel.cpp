// The marquee frame around the banner and the brass trim around the board.
#include "background_parts.hpp"
#include "pewter.hpp"
#include "shapes.hpp"

namespace art {

namespace {

constexpr Box kSign = {12, 10, 484, 74};
constexpr Box kBanner = {20, 18, 468, 60};
// The slate shows from y 86 so a drink erased just above the first row (y 94) lands on slate, not brass.
// The score board covers (14, 86)-(498, 494) in black; the brass lies just outside it, so the frame
// stays whole while the table is shown. Between brass and slate a dark lip, which the board covers.
constexpr Box kFrame = {10, 84, 493, 415};
constexpr Box kScoreBoard = {14, 86, 485, 409};

void bulb(cairo_t* cr, double x, double y) {
  glow(cr, x, y, 4.5, pal::amber_glow, 0.55);
  fill_circle(cr, x, y, 1.7, hex(0xFFF1C8));
  fill_circle(cr, x - 0.5, y - 0.5, 0.7, hex(0xFFFFFF));
}

void bulb_rows(cairo_t* cr) {
  for (double x = 24; x <= 484; x += 16) {
    bulb(cr, x, 14);
    bulb(cr, x, 80.5);
  }
  for (double y = 30; y <= 66; y += 12) {
    bulb(cr, 16, y);
    bulb(cr, 492, y);
  }
}

// The banner window when no advertisement covers it: dark glass with one reflection.
void empty_banner(cairo_t* cr) {
  fill_vertical(cr, kBanner, hex(0x16110E), hex(0x080605));
  cairo_move_to(cr, 60, 18);
  cairo_line_to(cr, 110, 18);
  cairo_line_to(cr, 80, 78);
  cairo_line_to(cr, 30, 78);
  cairo_close_path(cr);
  set_colour(cr, hex(0xFFFFFF), 0.04);
  cairo_fill(cr);
}

} // namespace

void draw_sign_frame(cairo_t* cr) {
  fill_vertical(cr, kSign, hex(0x21170F), hex(0x140D08));
  bevel(cr, kSign, pal::brass_light, pal::brass_dark);
  bevel(cr, {kSign.x + 1, kSign.y + 1, kSign.w - 2, kSign.h - 2}, pal::brass, hex(0x3A2612));
  bulb_rows(cr);
  empty_banner(cr);
  bevel(cr, {kBanner.x - 1, kBanner.y - 1, kBanner.w + 2, kBanner.h + 2}, hex(0x000000), pal::brass);
}

void draw_board_bezel(cairo_t* cr) {
  const Box b = kFrame;
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  fill_brass(cr, b.x, b.y, b.x + 120, b.y + 120);
  bevel(cr, b, hex(0xFFF0C0), hex(0x3A2410));
  // The inner edge catches the light from the other side, as a moulding does.
  const Box inner = {kScoreBoard.x - 1, kScoreBoard.y - 1, kScoreBoard.w + 2, kScoreBoard.h + 2};
  bevel(cr, inner, pal::brass_dark, hex(0xE8C880));
  fill_rect(cr, kScoreBoard, hex(0x0A0806));
}

} // namespace art
