// Small pictures for the left end of each Zelvatrix advertisement (drawn in a 56x56 box at x, y).
#pragma once

#include <cairo.h>

namespace art {

void art_quiz_machine(cairo_t* cr, double x, double y);
void art_question_coin(cairo_t* cr, double x, double y);
void art_light_bulb(cairo_t* cr, double x, double y);
void art_pocket_device(cairo_t* cr, double x, double y);
void art_free_ribbon(cairo_t* cr, double x, double y);
void art_league_map(cairo_t* cr, double x, double y);

} // namespace art
