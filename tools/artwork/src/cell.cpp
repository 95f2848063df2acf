#include "cell.hpp"

#include "album.hpp"
#include "colour.hpp"
#include "shapes.hpp"

#include <cmath>

namespace art {

namespace {

constexpr Rgb kSlate = hex(0x1F1E23);

// Value noise on a 4x4 px lattice that wraps at the cell edges.
double smooth_wrapped(int x, int y) {
  const int gx = kCellW / 4, gy = kCellH / 4;
  const double fx = x / 4.0, fy = y / 4.0;
  const int x0 = int(fx), y0 = int(fy);
  const double tx = fx - x0, ty = fy - y0;
  auto at = [&](int i, int j) { return noise(uint32_t(i % gx), uint32_t(j % gy), 77); };
  const double top = at(x0, y0) * (1 - tx) + at(x0 + 1, y0) * tx;
  const double bottom = at(x0, y0 + 1) * (1 - tx) + at(x0 + 1, y0 + 1) * tx;
  return top * (1 - ty) + bottom * ty;
}

Rgb slate_pixel(int x, int y) {
  const double grain = (noise(uint32_t(x), uint32_t(y), 5) - 0.5) * 0.018;
  const double cloud = (smooth_wrapped(x, y) - 0.5) * 0.014;
  const double v = grain + cloud;
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
