// hand_cursor: a pointing hand drawn pixel by pixel; the fingertip (hot spot) is at (12, 1).
#include "colour.hpp"
#include "generators.hpp"

#include <array>

namespace art {

namespace {

// K outline, W fill, S shaded fill, '.' transparent.
constexpr std::array<const char*, 32> kHand = {
    "................................", //
    "...........KKK..................", //
    "..........KWWSK.................", //
    "..........KWWSK.................", //
    "..........KWWSK.................", //
    "..........KWWSK.................", //
    "..........KWWSK.................", //
    "..........KWWSKKKK..............", //
    "..........KWWSKWWSKKKK..........", //
    "..........KWWSKWWSKWWSK.........", //
    "..........KWWSKWWSKWWSKKK.......", //
    "..........KWWSKWWSKWWSKWSK......", //
    "......KKK.KWWSKWWSKWWSKWSK......", //
    ".....KWWSKKWWWWWWWWWWWWWSK......", //
    ".....KWWWSKWWWWWWWWWWWWWSK......", //
    "......KWWWKWWWWWWWWWWWWWSK......", //
    "......KWWWWWWWWWWWWWWWWWSK......", //
    ".......KWWWWWWWWWWWWWWWWSK......", //
    ".......KWWWWWWWWWWWWWWWWSK......", //
    "........KWWWWWWWWWWWWWWSK.......", //
    "........KWWWWWWWWWWWWWWSK.......", //
    ".........KWWWWWWWWWWWWSK........", //
    ".........KSSSSSSSSSSSSSK........", //
    ".........KKKKKKKKKKKKKKK........", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
};

uint32_t colour_of(char c) {
  switch (c) {
  case 'K':
    return pack(hex(0x140E0A));
  case 'W':
    return pack(hex(0xFFFBF2));
  case 'S':
    return pack(hex(0xCFC6B8));
  default:
    return 0u;
  }
}

} // namespace

void add_hand_cursor(Album& album) {
  Surface s = make_surface(32, 32);
  cairo_surface_flush(s.get());
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      pixel_at(s.get(), x, y) = colour_of(kHand[y][x]);
  cairo_surface_mark_dirty(s.get());
  album.add("hand_cursor.png", std::move(s));
}

} // namespace art
