#include "platform/Surface.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

struct Clip {
  std::int32_t srcX, srcY, dstX, dstY, w, h;
};

// Clips a w x h copy from (0, 0) of a source to (dx, dy) of a destination.
Clip clipCopy(std::int32_t srcW, std::int32_t srcH, std::int32_t dstW, std::int32_t dstH, std::int32_t w,
              std::int32_t h, std::int32_t dx, std::int32_t dy) {
  Clip c{0, 0, dx, dy, std::min(w, srcW), std::min(h, srcH)};
  if (c.dstX < 0) {
    c.srcX = -c.dstX;
    c.w += c.dstX;
    c.dstX = 0;
  }
  if (c.dstY < 0) {
    c.srcY = -c.dstY;
    c.h += c.dstY;
    c.dstY = 0;
  }
  c.w = std::min(c.w, dstW - c.dstX);
  c.h = std::min(c.h, dstH - c.dstY);
  return c;
}

} // namespace

Rect Rect::united(const Rect& o) const {
  if (empty()) {
    return o;
  }
  if (o.empty()) {
    return *this;
  }
  const std::int32_t left = std::min(x, o.x), top = std::min(y, o.y);
  return {left, top, std::max(x + w, o.x + o.w) - left, std::max(y + h, o.y + o.h) - top};
}

Rect Rect::intersected(const Rect& o) const {
  const std::int32_t left = std::max(x, o.x), top = std::max(y, o.y);
  return {left, top, std::min(x + w, o.x + o.w) - left, std::min(y + h, o.y + o.h) - top};
}

Surface::Surface(std::int32_t width, std::int32_t height, Pixel fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_ * height_), fill) {}

void Surface::fill(Pixel colour) {
  std::fill(pixels_.begin(), pixels_.end(), colour);
}

void Surface::fillRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Pixel colour) {
  const std::int32_t x0 = std::max(x, 0), y0 = std::max(y, 0);
  const std::int32_t x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
  for (std::int32_t row = y0; row < y1; ++row) {
    std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(index(x0, row)), std::max(x1 - x0, 0), colour);
  }
}

void Surface::copyFrom(const Picture& source, std::int32_t w, std::int32_t h, std::int32_t dx,
                       std::int32_t dy) {
  const Clip c = clipCopy(source.width, source.height, width_, height_, w, h, dx, dy);
  if (c.w <= 0 || c.h <= 0) {
    return;
  }
  for (std::int32_t row = 0; row < c.h; ++row) {
    const Pixel* from = &source.pixels[static_cast<std::size_t>((c.srcY + row) * source.width + c.srcX)];
    std::memcpy(&pixels_[index(c.dstX, c.dstY + row)], from, static_cast<std::size_t>(c.w) * sizeof(Pixel));
  }
}

void Surface::drawPicture(const Picture& source, std::int32_t dx, std::int32_t dy,
                          std::optional<Pixel> transparentShows) {
  const Clip c = clipCopy(source.width, source.height, width_, height_, source.width, source.height, dx, dy);
  if (c.w <= 0 || c.h <= 0) {
    return;
  }
  // Row by row through plain pointers, with the choice of what transparency shows made once: the
  // whole window is composed this way at every refresh, and the inner loops then compile to a few
  // instructions a pixel.
  for (std::int32_t row = 0; row < c.h; ++row) {
    const Pixel* from = &source.pixels[static_cast<std::size_t>((c.srcY + row) * source.width + c.srcX)];
    Pixel* to = &pixels_[index(c.dstX, c.dstY + row)];
    if (transparentShows) {
      const Pixel shows = *transparentShows;
      for (std::int32_t col = 0; col < c.w; ++col) {
        to[col] = (from[col] >> 24) >= 0x80 ? from[col] | kOpaque : shows;
      }
    } else {
      for (std::int32_t col = 0; col < c.w; ++col) {
        if ((from[col] >> 24) >= 0x80) {
          to[col] = from[col] | kOpaque;
        }
      }
    }
  }
}

void Surface::drawSurface(const Surface& source, std::int32_t dx, std::int32_t dy) {
  const Clip c =
      clipCopy(source.width_, source.height_, width_, height_, source.width_, source.height_, dx, dy);
  for (std::int32_t row = 0; row < c.h; ++row) {
    std::memcpy(&pixels_[index(c.dstX, c.dstY + row)], &source.pixels_[source.index(c.srcX, c.srcY + row)],
                static_cast<std::size_t>(c.w) * sizeof(Pixel));
  }
}

} // namespace platform
