#include "cell.hpp"

#include "album.hpp"
#include "colour.hpp"
#include "shapes.hpp"

namespace art {

namespace {

constexpr Rgb kSlate = hex(0x1F1E23);

Rgb slate_pixel(int x, int y) {
  const double v = (noise(uint32_t(x), uint32_t(y), 5) - 0.5) * 0.02;
  return {kSlate.r + v, kSlate.g + v, kSlate.b + v * 1.1};
}

} // namespace

void paint_slate(cairo_surface_t* surface, int ox, int oy, int width, int height) {
  cairo_surface_flush(surface);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixel_at(surface, ox + x, oy + y) = pack(slate_pixel(x % kCellW, y % kCellH));
  cairo_surface_mark_dirty(surface);
}

void add_empty_cell(Album& album) {
  Surface s = make_surface(kCellW, kCellH);
  paint_slate(s.get(), 0, 0, kCellW, kCellH);
  album.add("pctEmptyBeer.png", std::move(s));
}

} // namespace art
