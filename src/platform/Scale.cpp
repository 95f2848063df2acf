#include "platform/Scale.h"

#include "platform/KeyCodes.h"
#include "platform/Window.h"

#include <algorithm>
#include <charconv>

namespace platform {

namespace {

// The '=' key, which carries '+' on most keyboards, and the key a layout with a '+' of its own gives.
constexpr std::int16_t kPlusKey = 187;

std::vector<Pixel> enlargedPixels(const Pixel* from, std::int32_t width, std::int32_t height,
                                  std::int32_t scale) {
  const auto wide = static_cast<std::size_t>(width * scale);
  std::vector<Pixel> to(wide * static_cast<std::size_t>(height * scale));
  auto out = to.begin();
  for (std::int32_t y = 0; y < height; ++y, from += width) {
    const auto rowStart = out;
    for (std::int32_t x = 0; x < width; ++x) {
      out = std::fill_n(out, scale, from[x]);
    }
    // The other rows of the squares repeat the row just made.
    for (std::int32_t again = 1; again < scale; ++again) {
      out = std::copy_n(rowStart, wide, out);
    }
  }
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
  while (scale > 1 && (Window::kClientWidth * scale * 100 > usable.w * percent ||
                       Window::kClientHeight * scale * 100 > usable.h * percent)) {
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

} // namespace platform
