#pragma once
// Pictures are immutable pixel buffers shared by reference. Two controls show "the same picture" when
// they hold the same pointer, which is how the game keeps its on/off states in its buttons.
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

using Pixel = std::uint32_t; // 0xAARRGGBB

constexpr Pixel kOpaque = 0xFF000000u;
constexpr Pixel kBlack = 0xFF000000u;

constexpr Pixel rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return kOpaque | (Pixel{r} << 16) | (Pixel{g} << 8) | Pixel{b};
}

// A picture's width and height in pixels.
struct PixelSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const PixelSize&) const = default;
};

struct Picture {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<Pixel> pixels; // row-major, width * height

  Pixel at(std::int32_t x, std::int32_t y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

using PicturePtr = std::shared_ptr<const Picture>;

PicturePtr makeSolidPicture(std::int32_t width, std::int32_t height, Pixel colour);

} // namespace platform
