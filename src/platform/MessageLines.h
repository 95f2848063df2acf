#pragma once
// A message laid out for a box that must fit a small screen whole, as the desktop's boxes do not
// break lines of their own.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The text in lines of at most `columns` characters, broken at spaces; a file's path (a word that
// starts with '/') on a line of its own, cut after a '/' when it is longer than a line. The text's
// own line breaks stay, and nothing of it is lost.
std::string fitMessageLines(std::string_view text, std::size_t columns);

} // namespace platform
