// pctMug / pctEmptyMug: a life still in hand and a life drunk.
#include "generators.hpp"
#include "life_mug.hpp"
#include "shapes.hpp"

namespace art {

namespace {

Surface mug(bool full) {
  Surface s = make_surface(32, 32);
  Context cr = make_context(s);
  fill_rect(cr.get(), {0, 0, 32, 32}, pal::panel);
  draw_life_mug(cr.get(), full, true);
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

} // namespace

void add_mugs(Album& album) {
  album.add("pctMug.png", mug(true));
  album.add("pctEmptyMug.png", mug(false));
}

} // namespace art
