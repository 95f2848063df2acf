#include "platform/PictureHeader.h"

#include <array>
#include <fstream>
#include <limits>
#include <string>
#include <string_view>

namespace platform {

namespace {

std::optional<std::uint32_t> bigEndian(std::istream& in, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) {
    const int byte = in.get();
    if (byte == std::char_traits<char>::eof()) {
      return std::nullopt;
    }
    value = value << 8 | static_cast<std::uint32_t>(byte);
  }
  return value;
}

std::optional<PixelSize> sizeOf(std::optional<std::uint32_t> width, std::optional<std::uint32_t> height) {
  constexpr auto kLargest = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
  if (!width || !height || *width > kLargest || *height > kLargest) {
    return std::nullopt;
  }
  return PixelSize{static_cast<std::int32_t>(*width), static_cast<std::int32_t>(*height)};
}

// After the signature comes the IHDR chunk: its length, its name, then width and height.
std::optional<PixelSize> pngSize(std::istream& in) {
  std::array<char, 8> chunk{};
  if (!in.read(chunk.data(), chunk.size()) || std::string_view(chunk.data() + 4, 4) != "IHDR") {
    return std::nullopt;
  }
  const auto width = bigEndian(in, 4);
  return sizeOf(width, bigEndian(in, 4));
}

bool isStartOfFrame(int marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Segments follow the start-of-image marker until a start-of-frame one gives precision, height and
// width; the scan data, which only comes after it, is never reached.
std::optional<PixelSize> jpegSize(std::istream& in) {
  for (;;) {
    int marker = in.get();
    if (marker != 0xFF) {
      return std::nullopt;
    }
    while (marker == 0xFF) {
      marker = in.get(); // fill bytes before the marker
    }
    const bool standalone = marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
    if (standalone) {
      continue;
    }
    if (marker == std::char_traits<char>::eof() || marker == 0xD9 || marker == 0xDA) {
      return std::nullopt;
    }
    const auto length = bigEndian(in, 2);
    if (!length || *length < 2) {
      return std::nullopt;
    }
    if (isStartOfFrame(marker)) {
      in.ignore(1);
      const auto height = bigEndian(in, 2);
      return sizeOf(bigEndian(in, 2), height);
    }
    in.ignore(*length - 2);
  }
}

} // namespace

std::optional<PixelSize> declaredPictureSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::array<unsigned char, 8> start{};
  if (!in.read(reinterpret_cast<char*>(start.data()), 2)) {
    return std::nullopt;
  }
  if (start[0] == 0xFF && start[1] == 0xD8) {
    return jpegSize(in);
  }
  constexpr std::array<unsigned char, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (!in.read(reinterpret_cast<char*>(start.data()) + 2, 6) || start != kPngSignature) {
    return std::nullopt;
  }
  return pngSize(in);
}

} // namespace platform
