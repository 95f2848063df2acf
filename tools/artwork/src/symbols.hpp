// Engraved button symbols, centred in a 32x32 box; each fills or strokes with the current source.
#pragma once

#include <cairo.h>

namespace art {

void symbol_star(cairo_t* cr);
void symbol_play(cairo_t* cr);
void symbol_pause(cairo_t* cr);
void symbol_trophy(cairo_t* cr);
void symbol_info(cairo_t* cr);
void symbol_door(cairo_t* cr);
void symbol_sound_on(cairo_t* cr);
void symbol_sound_off(cairo_t* cr);
void symbol_check(cairo_t* cr);
void symbol_eraser(cairo_t* cr);
void symbol_cross(cairo_t* cr);

} // namespace art
