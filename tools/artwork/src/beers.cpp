// pctBeer_N: seven drinks, eight looping frames each (N = kind * 8 + frame).
#include "beer_kinds.hpp"
#include "cell.hpp"
#include "generators.hpp"

#include <array>
#include <string>

namespace art {

namespace {

constexpr int kFrames = 8;
using KindFn = void (*)(cairo_t*, double);
constexpr std::array<KindFn, 7> kKinds = {draw_lager_pint,      draw_stout_tulip,  draw_amber_mug,
                                          draw_red_stange,      draw_wheat_weizen, draw_bock_stein,
                                          draw_raspberry_goblet};

Surface beer_frame(KindFn kind, int frame) {
  Surface s = make_surface(kCellW, kCellH);
  paint_slate(s.get(), 0, 0, kCellW, kCellH);
  Context cr = make_context(s);
  kind(cr.get(), double(frame) / kFrames);
  cairo_surface_flush(s.get());
  make_opaque(s);
  return s;
}

} // namespace

void add_beers(Album& album) {
  add_empty_cell(album);
  for (size_t k = 0; k < kKinds.size(); ++k) {
    album.start_group();
    for (int f = 0; f < kFrames; ++f)
      album.add("pctBeer_" + std::to_string(k * kFrames + f) + ".png", beer_frame(kKinds[k], f));
  }
}

} // namespace art
