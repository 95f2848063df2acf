// The right-hand column: title, score window, the button panel, the black strip and the mug shelf.
#include "background_parts.hpp"
#include "fonts.hpp"
#include "pewter.hpp"
#include "shapes.hpp"

namespace art {

namespace {

constexpr Box kPanel = {508, 84, 170, 416};
constexpr Box kScore = {520, 90, 149, 24};
constexpr Box kStrip = {538, 434, 101, 20};

void ornament_rule(cairo_t* cr, double y) {
  fill_rect(cr, {522, y, 142, 1}, pal::brass);
  fill_rect(cr, {522, y + 1, 142, 1}, hex(0x000000), 0.5);
  cairo_move_to(cr, 593, y - 3);
  cairo_line_to(cr, 597, y + 0.5);
  cairo_line_to(cr, 593, y + 4);
  cairo_line_to(cr, 589, y + 0.5);
  cairo_close_path(cr);
  fill_brass(cr, 589, y - 3, 597, y + 4);
}

// An engraved line on the panel: dark groove with a catch-light under it.
void groove(cairo_t* cr, double y) {
  fill_rect(cr, {522, y, 142, 1}, hex(0x120C08));
  fill_rect(cr, {522, y + 1, 142, 1}, hex(0x4A3424));
}

void score_window(cairo_t* cr) {
  const Box rim = {kScore.x - 3, kScore.y - 3, kScore.w + 6, kScore.h + 6};
  rounded_rect(cr, rim, 2);
  fill_brass(cr, rim.x, rim.y, rim.x + 40, rim.y + 40);
  fill_rect(cr, {kScore.x - 1, kScore.y - 1, kScore.w + 2, kScore.h + 2}, hex(0x3A2410));
  fill_rect(cr, kScore, hex(0x000000));
}

void screw(cairo_t* cr, double x, double y) {
  fill_circle(cr, x, y, 2, hex(0x3A2410));
  fill_circle(cr, x - 0.3, y - 0.3, 1.5, pal::brass_light);
  cairo_move_to(cr, x - 1.2, y + 0.9);
  cairo_line_to(cr, x + 0.9, y - 1.2);
  cairo_set_line_width(cr, 0.7);
  set_colour(cr, hex(0x5A3A18));
  cairo_stroke(cr);
}

// The black box the game keeps under the sound button, set in a screwed brass plaque so that it reads
// as a name plate rather than a hole. The plaque starts below the sound button's own square.
void black_strip(cairo_t* cr) {
  const Box plate = {kStrip.x - 8, kStrip.y - 2, kStrip.w + 16, kStrip.h + 5};
  rounded_rect(cr, plate, 2);
  fill_brass(cr, plate.x, plate.y, plate.x + 40, plate.y + 30);
  bevel(cr, plate, hex(0xFFF0C0), hex(0x3A2410));
  bevel(cr, {kStrip.x - 1, kStrip.y - 1, kStrip.w + 2, kStrip.h + 2}, hex(0x3A2410), hex(0xFFF0C0));
  screw(cr, plate.x + 4, kStrip.y + kStrip.h / 2);
  screw(cr, plate.x + plate.w - 4, kStrip.y + kStrip.h / 2);
  fill_rect(cr, kStrip, hex(0x000000));
}

void mug_shelf(cairo_t* cr) {
  rounded_rect(cr, {536, 493, 110, 3}, 1);
  fill_brass(cr, 536, 493, 560, 499);
  fill_rect(cr, {537, 496, 109, 2}, hex(0x000000), 0.4);
}

} // namespace

void draw_title(cairo_t* cr) {
  use_font(cr, Face::Sans, 8.5);
  set_colour(cr, pal::brass, 0.85);
  text_centred(cr, "TALLOWMERE GAMES", 566, 20);
  use_font(cr, Face::SerifBoldItalic, 28);
  text_embossed(cr, "Frothwick", 593, 51, hex(0xFFF0B8), pal::amber, hex(0x0C0805));
  ornament_rule(cr, 73);
}

void draw_side_panel(cairo_t* cr) {
  fill_rect(cr, kPanel, pal::panel);
  bevel(cr, kPanel, hex(0x0E0906), hex(0x7A5634));
  bevel(cr, {kPanel.x + 1, kPanel.y + 1, kPanel.w - 2, kPanel.h - 2}, hex(0x1E140E), hex(0x4A3222));
  score_window(cr);
  groove(cr, 124);
  groove(cr, 390);
  black_strip(cr);
  mug_shelf(cr);
}

} // namespace art
