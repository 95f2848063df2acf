// The board's slate surface: one 32x20 cell that tiles without seams.
// The game erases a falling drink by copying strips of the empty cell at any height, even just above
// the first row, so the slate changes only from column to column: every pixel row is the same.
#pragma once

#include "surface.hpp"

namespace art {

constexpr int kCellW = 32;
constexpr int kCellH = 20;

// Paints the slate over the rectangle; its columns repeat every kCellW pixels from ox.
void paint_slate(cairo_surface_t* surface, int ox, int oy, int width, int height);
void add_empty_cell(class Album& album);

} // namespace art
