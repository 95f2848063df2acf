#include "platform/Scale.h"

#include "platform/Form.h"
#include "platform/KeyCodes.h"

#include <algorithm>
#include <charconv>

namespace platform {

namespace {

// The '=' key, which carries '+' on most keyboards, and the key a layout with a '+' of its own gives.
constexpr std::int16_t kPlusKey = 187;

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

ScaleKey scaleKeyFor(std::int16_t keyCode, std::int16_t shift) {
  if ((shift & (vk::CtrlMask | vk::AltMask)) != vk::CtrlMask) {
    return ScaleKey::None;
  }
  switch (keyCode) {
  case kPlusKey:
  case vk::Add:
    return ScaleKey::Larger;
  case vk::OemMinus:
  case vk::Subtract:
    return ScaleKey::Smaller;
  case vk::Digit0:
  case vk::Numpad0:
    return ScaleKey::Automatic;
  default:
    return ScaleKey::None;
  }
}

std::int32_t fittingScale(const Rect& usable, std::int32_t percent) {
  std::int32_t scale = kLargestScale;
  while (scale > 1 && (Form::kClientWidth * scale * 100 > usable.w * percent ||
                       Form::kClientHeight * scale * 100 > usable.h * percent)) {
    --scale;
  }
  return scale;
}

std::optional<std::int32_t> parseScale(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  std::int32_t scale = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
  if (error != std::errc{} || end != text.data() + text.size() || scale < 1 || scale > kLargestScale) {
    return std::nullopt;
  }
  return scale;
}

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

Rect openingPlace(const Rect& usable, std::int32_t scale) {
  return recentred(usable, Form::kClientWidth * scale, Form::kClientHeight * scale, usable);
}

} // namespace platform
