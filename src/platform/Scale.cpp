#include "platform/Scale.h"

#include <algorithm>

namespace platform {

namespace {

// Client rows composed at a time: a few cells' height.
constexpr std::int32_t kBandRows = 32;

void enlargeRows(const Pixel* from, std::int32_t width, std::int32_t scale, const Rect& area, Pixel* to,
                 std::ptrdiff_t pitch) {
  for (std::int32_t row = 0; row < area.h; ++row, to += pitch) {
    const std::int32_t y = area.y + row;
    if (row > 0 && y % scale != 0) {
      std::copy_n(to - pitch, area.w, to); // the next row of the same squares
      continue;
    }
    const Pixel* in = from + static_cast<std::ptrdiff_t>(y / scale) * width;
    if (scale == 1) {
      std::copy_n(in + area.x, area.w, to); // a plain copy, without a division for every pixel
      continue;
    }
    for (std::int32_t column = 0; column < area.w; ++column) {
      to[column] = in[(area.x + column) / scale];
    }
  }
}

std::vector<Pixel> enlargedPixels(const Pixel* from, std::int32_t width, std::int32_t height,
                                  std::int32_t scale) {
  const std::int32_t wide = width * scale;
  const std::int32_t high = height * scale;
  std::vector<Pixel> to(static_cast<std::size_t>(wide) * static_cast<std::size_t>(high));
  enlargeRows(from, width, scale, {0, 0, wide, high}, to.data(), wide);
  return to;
}

} // namespace

Surface enlarged(const Surface& part, std::int32_t scale) {
  return {part.width() * scale, part.height() * scale,
          enlargedPixels(part.pixels().data(), part.width(), part.height(), scale)};
}

void enlargeInto(const Surface& part, std::int32_t scale, const Rect& area, Pixel* to, std::ptrdiff_t pitch) {
  enlargeRows(part.pixels().data(), part.width(), scale, area, to, pitch);
}

Picture enlarged(const Picture& picture, std::int32_t scale) {
  return {picture.width * scale, picture.height * scale,
          enlargedPixels(picture.pixels.data(), picture.width, picture.height, scale)};
}

Rect recentred(const Rect& window, std::int32_t width, std::int32_t height, const Rect& display) {
  const std::int32_t left = window.x + (window.w - width) / 2;
  const std::int32_t top = window.y + (window.h - height) / 2;
  // A window larger than the display keeps its top-left corner on it, where its controls are.
  return {std::max(display.x, std::min(left, display.x + display.w - width)),
          std::max(display.y, std::min(top, display.y + display.h - height)), width, height};
}

Rect openingPlace(PixelSize client, const Rect& usable, std::int32_t scale) {
  return recentred(usable, client.width * scale, client.height * scale, usable);
}

Rect presentScaled(const Form& window, std::int32_t scale, const ScreenDraw& draw) {
  const Rect changed = window.changedArea();
  for (std::int32_t top = changed.y; top < changed.y + changed.h; top += kBandRows) {
    const Rect band{changed.x, top, changed.w, std::min(kBandRows, changed.y + changed.h - top)};
    draw(window.composed(band), band.x * scale, band.y * scale, scale);
  }
  const Picture* tip = window.shownToolTip();
  if (tip != nullptr && window.toolTipArea().intersects(changed)) {
    draw(Surface(tip->width, tip->height, tip->pixels), window.toolTipArea().x * scale,
         window.toolTipArea().y * scale, 1);
  }
  return toScreen(changed, scale);
}

} // namespace platform
