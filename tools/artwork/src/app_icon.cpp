// frmMain_icon: the foaming mug, cut out and reduced to a fixed 16-colour palette.
#include "generators.hpp"
#include "life_mug.hpp"

#include <array>
#include <initializer_list>
#include <limits>

namespace art {

namespace {

// Fifteen opaque colours plus full transparency.
constexpr std::array<uint32_t, 15> kPalette = {0x120C08, 0x3A2A1E, 0x6E5A48, 0x9AA4AA, 0xDCE6EA,
                                               0xFFFFFF, 0xFFF4DC, 0xD8CBB0, 0xFFD27A, 0xF0A23A,
                                               0xC8701E, 0x8A4414, 0x4E2A12, 0xB8C4CA, 0x5E6A70};

uint32_t nearest(uint32_t argb) {
  uint32_t best = kPalette[0];
  int best_d = std::numeric_limits<int>::max();
  for (uint32_t c : kPalette) {
    int d = 0;
    for (int shift : {16, 8, 0}) {
      const int diff = int((argb >> shift) & 0xFF) - int((c >> shift) & 0xFF);
      d += diff * diff;
    }
    if (d < best_d) {
      best_d = d;
      best = c;
    }
  }
  return 0xFF000000u | best;
}

// Anything under half cover becomes transparent; the rest snaps to the palette.
void quantise(const Surface& s) {
  cairo_surface_flush(s.get());
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      uint32_t& p = pixel_at(s.get(), x, y);
      const uint32_t a = p >> 24;
      p = a < 128 ? 0u : nearest(unpremultiply(p));
    }
  cairo_surface_mark_dirty(s.get());
}

} // namespace

void add_app_icon(Album& album) {
  Surface s = make_surface(32, 32);
  Context cr = make_context(s);
  life_mug_silhouette(cr.get());
  draw_life_mug(cr.get(), true, false);
  quantise(s);
  album.add("frmMain_icon.png", std::move(s));
}

} // namespace art
