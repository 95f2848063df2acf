// A settings file saved by Notepad as "Unicode": every length of UTF-8 sequence at both its edges,
// surrogate pairs whole, cut off or alone, and text that is not UTF-8 at all.
#include "platform/StoreEncoding.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using platform::TextEncoding;

// The file's bytes for these UTF-16 code units, with the byte-order mark first.
std::string utf16(std::u16string_view units, TextEncoding encoding) {
  std::u16string file = u"\uFEFF";
  file += units;
  std::string bytes;
  for (const char16_t unit : file) {
    const auto high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += encoding == TextEncoding::Utf16LittleEndian ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

// Read as the game reads it and written back as it saves it, for either byte order.
TEST(StoreEncoding, Utf16ReadsAsItsUtf8AndWritesBackTheSameFile) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"\u007F\u0080", "\x7F\xC2\x80"},
      {u"\u07FF\u0800", "\xDF\xBF\xE0\xA0\x80"},
      {u"\uFFFF", "\xEF\xBF\xBF"},
      {u"\U00010000x\U0010FFFF", "\xF0\x90\x80\x80x\xF4\x8F\xBF\xBF"},
      {u"\U0001F37A", "\xF0\x9F\x8D\xBA"}, // a pair that ends the file
      {std::u16string{0xD800, u'A', 0xDC00}, "\xED\xA0\x80"
                                             "A\xED\xB0\x80"},
      {std::u16string{u'A', 0xDBFF}, "A\xED\xAF\xBF"}, // a pair cut off by the end of the file
  };
  for (const TextEncoding encoding : {TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian}) {
    for (const auto& [units, text] : cases) {
      const std::string file = utf16(units, encoding);
      const platform::DecodedText read = platform::decodeStoreText(file);
      EXPECT_EQ(read.encoding, encoding);
      EXPECT_EQ(read.text, "\xEF\xBB\xBF" + text);
      EXPECT_EQ(platform::encodeStoreText(read.text, encoding, read.tail), file)
          << ::testing::PrintToString(text);
    }
  }
  const platform::DecodedText odd =
      platform::decodeStoreText(utf16(u"A", TextEncoding::Utf16BigEndian) + "!");
  EXPECT_EQ(odd.tail, "!") << "an odd last byte is kept as it is";
}

// A name typed into a UTF-16 file's table is written in it; bytes that are no UTF-8 become U+FFFD,
// one for each byte that starts nothing.
TEST(StoreEncoding, WhatIsNotUtf8IsWrittenAsTheReplacementCharacter) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"\xC0\x80", u"\uFFFD\uFFFD"},   // the overlong two-byte NUL
      {"\xE0\x9F\xBF", u"\uFFFD"},     // an overlong three bytes, as one
      {"\xF0\x8F\xBF\xBF", u"\uFFFD"}, // an overlong four bytes
      {"\xF4\x90\x80\x80", u"\uFFFD"}, // past U+10FFFF
      {"\xF5\x80", u"\uFFFD\uFFFD"},   // no lead byte at all
      {"\xE2\x82", u"\uFFFD\uFFFD"},   // cut off by the end
      {"\xE2"
       "AB",
       u"\uFFFDAB"},                         // cut off by the next character
      {"\xC2\xA9\xDF\xBF", u"\u00A9\u07FF"}, // the first and last two-byte codes around
      {"\xE0\xA0\x80\xF0\x90\x80\x80", u"\u0800\U00010000"}};
  for (const auto& [text, units] : cases) {
    EXPECT_EQ(platform::encodeStoreText(text, TextEncoding::Utf16LittleEndian, ""),
              utf16(units, TextEncoding::Utf16LittleEndian).substr(2))
        << ::testing::PrintToString(text);
  }
}

} // namespace
