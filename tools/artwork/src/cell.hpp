// The board's slate surface: one 32x20 cell that tiles without seams.
#pragma once

#include "surface.hpp"

namespace art {

constexpr int kCellW = 32;
constexpr int kCellH = 20;

// Paints the slate tile pattern over the rectangle, aligned to the origin (ox, oy).
void paint_slate(cairo_surface_t* surface, int ox, int oy, int width, int height);
void add_empty_cell(class Album& album);

} // namespace art
