#include "platform/StoreEncoding.h"

#include <cstdint>

namespace platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t code) {
  const auto byte = [&out](char32_t bits) { out += static_cast<char>(static_cast<unsigned char>(bits)); };
  if (code < 0x80) {
    byte(code);
  } else if (code < 0x800) {
    byte(0xC0 | (code >> 6));
    byte(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    byte(0xE0 | (code >> 12));
    byte(0x80 | ((code >> 6) & 0x3F));
    byte(0x80 | (code & 0x3F));
  } else {
    byte(0xF0 | (code >> 18));
    byte(0x80 | ((code >> 12) & 0x3F));
    byte(0x80 | ((code >> 6) & 0x3F));
    byte(0x80 | (code & 0x3F));
  }
}

bool isHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The next code from UTF-8 text at `at`, advancing past it; a byte that begins no valid sequence
// reads as the replacement character. Three-byte surrogate codes are accepted: decoding makes them.
char32_t nextCode(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[i])); };
  const char32_t lead = byte(at);
  const int length = lead < 0x80                   ? 1
                     : lead >= 0xC2 && lead < 0xE0 ? 2
                     : lead >= 0xE0 && lead < 0xF0 ? 3
                     : lead >= 0xF0 && lead < 0xF5 ? 4
                                                   : 0;
  if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) {
    ++at;
    return kReplacement;
  }
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    const char32_t next = byte(at + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) {
      ++at;
      return kReplacement;
    }
    code = (code << 6) | (next & 0x3F);
  }
  const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
  at += static_cast<std::size_t>(length);
  return code < shortest[length] || code > 0x10FFFF ? kReplacement : code;
}

void appendUtf16(std::string& out, char32_t unit, TextEncoding encoding) {
  const auto high = static_cast<char>(unit >> 8);
  const auto low = static_cast<char>(unit & 0xFF);
  if (encoding == TextEncoding::Utf16LittleEndian) {
    out += low;
    out += high;
  } else {
    out += high;
    out += low;
  }
}

} // namespace

DecodedText decodeStoreText(std::string_view bytes) {
  DecodedText decoded;
  if (bytes.starts_with("\xFF\xFE")) {
    decoded.encoding = TextEncoding::Utf16LittleEndian;
  } else if (bytes.starts_with("\xFE\xFF")) {
    decoded.encoding = TextEncoding::Utf16BigEndian;
  } else {
    decoded.text = std::string(bytes);
    return decoded;
  }
  const bool little = decoded.encoding == TextEncoding::Utf16LittleEndian;
  const std::size_t units = bytes.size() / 2;
  const auto unitAt = [&](std::size_t i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    return static_cast<char32_t>(little ? first | (second << 8) : (first << 8) | second);
  };
  decoded.text.reserve(bytes.size());
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t unit = unitAt(i);
    if (isHighSurrogate(unit) && i + 1 < units && isLowSurrogate(unitAt(i + 1))) {
      appendUtf8(decoded.text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
      ++i;
    } else {
      appendUtf8(decoded.text, unit);
    }
  }
  decoded.tail = std::string(bytes.substr(2 * units));
  return decoded;
}

std::string encodeStoreText(std::string_view text, TextEncoding encoding, std::string_view tail) {
  if (encoding == TextEncoding::Utf8) {
    return std::string(text).append(tail);
  }
  std::string out;
  out.reserve(2 * text.size() + tail.size());
  for (std::size_t at = 0; at < text.size();) {
    const char32_t code = nextCode(text, at);
    if (code >= 0x10000) {
      appendUtf16(out, 0xD800 + ((code - 0x10000) >> 10), encoding);
      appendUtf16(out, 0xDC00 + ((code - 0x10000) & 0x3FF), encoding);
    } else {
      appendUtf16(out, code, encoding);
    }
  }
  return out.append(tail);
}

} // namespace platform
