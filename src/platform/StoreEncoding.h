#pragma once
// The encodings a settings file may come in. Editors save an INI file as UTF-8, with or without a
// byte-order mark, or as UTF-16 with one (Windows Notepad's "Unicode"). The store is read as UTF-8
// text and written back in the file's own encoding, so a save changes only the values it sets.
#include <string>
#include <string_view>

namespace platform {

enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DecodedText {
  TextEncoding encoding = TextEncoding::Utf8;
  std::string text; // UTF-8, the byte-order mark of a UTF-16 file kept as U+FEFF at its start
  std::string tail; // an odd last byte of a UTF-16 file, kept as it is
};

// A file's bytes as UTF-8 text. UTF-16 is recognised by its byte-order mark only; a lone surrogate
// becomes the three bytes its code would take, so that encoding gives back the very same file.
DecodedText decodeStoreText(std::string_view bytes);

// The bytes of `text` in `encoding`, followed by `tail`: for a file decoded and not changed, the file.
std::string encodeStoreText(std::string_view text, TextEncoding encoding, std::string_view tail);

} // namespace platform
