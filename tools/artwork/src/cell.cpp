#include "cell.hpp"

#include "album.hpp"
#include "colour.hpp"
#include "shapes.hpp"

namespace art {

namespace {

constexpr Rgb kSlate = hex(0x1F1E23);

// A fine vertical grain, as if the slate were brushed top to bottom.
Rgb slate_column(int x) {
  const double v = (noise(uint32_t(x), 0, 5) - 0.5) * 0.02;
  return {kSlate.r + v, kSlate.g + v, kSlate.b + v * 1.1};
}

} // namespace

void paint_slate(cairo_surface_t* surface, int ox, int oy, int width, int height) {
  cairo_surface_flush(surface);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixel_at(surface, ox + x, oy + y) = pack(slate_column(x % kCellW));
  cairo_surface_mark_dirty(surface);
}

void add_empty_cell(Album& album) {
  Surface s = make_surface(kCellW, kCellH);
  paint_slate(s.get(), 0, 0, kCellW, kCellH);
  album.add("pctEmptyBeer.png", std::move(s));
}

} // namespace art
