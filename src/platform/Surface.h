#pragma once
// A mutable 32-bit pixel buffer: the window's client area and the drawing surface of a picture box.
#include "platform/Picture.h"

#include <optional>
#include <utility>

namespace platform {

// A rectangle of pixels.
struct Rect {
  std::int32_t x = 0, y = 0, w = 0, h = 0;

  bool empty() const { return w <= 0 || h <= 0; }
  bool intersects(const Rect& o) const {
    return !empty() && !o.empty() && x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
  }
  Rect united(const Rect& o) const;
  Rect intersected(const Rect& o) const;
  bool operator==(const Rect&) const = default;
};

class Surface {
public:
  Surface() = default;
  Surface(std::int32_t width, std::int32_t height, Pixel fill = kBlack);
  // Takes over pixels made elsewhere, row-major, width * height of them.
  Surface(std::int32_t width, std::int32_t height, std::vector<Pixel> pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}

  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  Pixel at(std::int32_t x, std::int32_t y) const { return pixels_[index(x, y)]; }
  const std::vector<Pixel>& pixels() const { return pixels_; }

  void fill(Pixel colour);
  void fillRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Pixel colour);
  // The raster copy: the top-left w x h pixels of the source replace the destination pixels, row by
  // row as plain memory copies. Parts outside either rectangle are clipped.
  void copyFrom(const Picture& source, std::int32_t w, std::int32_t h, std::int32_t dx, std::int32_t dy);
  // Draws a picture for display: pixels whose alpha is below one half show `transparentShows` instead,
  // or leave the destination as it was when there is no such colour.
  void drawPicture(const Picture& source, std::int32_t dx, std::int32_t dy,
                   std::optional<Pixel> transparentShows);
  // Draws another surface at (dx, dy), clipped.
  void drawSurface(const Surface& source, std::int32_t dx, std::int32_t dy);

private:
  std::size_t index(std::int32_t x, std::int32_t y) const { return static_cast<std::size_t>(y * width_ + x); }

  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<Pixel> pixels_;
};

} // namespace platform
