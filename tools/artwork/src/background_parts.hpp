// The pieces of the window background, each at its fixed place.
#pragma once

#include <cairo.h>

namespace art {

void draw_sign_frame(cairo_t* cr);  // the lit frame around the banner at (20, 18)
void draw_board_bezel(cairo_t* cr); // brass trim from (14, 84) to (499, 495)
void draw_title(cairo_t* cr);       // the game's name, top right
void draw_side_panel(cairo_t* cr);  // score window, button panel, black strip, mug shelf

} // namespace art
