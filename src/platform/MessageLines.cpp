#include "platform/MessageLines.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

bool continues(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

// Characters, not bytes: a UTF-8 name is as wide as its letters.
std::size_t characters(std::string_view text) {
  std::size_t count = 0;
  for (const char byte : text) {
    count += continues(byte) ? 0 : 1;
  }
  return count;
}

// Where the first `count` characters of the text end, in bytes.
std::size_t afterCharacters(std::string_view text, std::size_t count) {
  std::size_t at = 0;
  for (std::size_t seen = 0; at < text.size(); ++at) {
    if (!continues(text[at]) && seen++ == count) {
      break;
    }
  }
  return at;
}

// A word longer than a line, in pieces of at most `columns` characters, each after a '/' where one is.
std::vector<std::string_view> piecesOf(std::string_view word, std::size_t columns) {
  std::vector<std::string_view> pieces;
  while (characters(word) > columns) {
    std::size_t cut = afterCharacters(word, columns);
    if (const std::size_t slash = word.substr(0, cut).rfind('/');
        slash != std::string_view::npos && slash > 0) {
      cut = slash + 1;
    }
    pieces.push_back(word.substr(0, cut));
    word.remove_prefix(cut);
  }
  pieces.push_back(word);
  return pieces;
}

class Lines {
public:
  explicit Lines(std::size_t columns) : columns_(columns) {}

  void addLine(std::string_view line) {
    const std::size_t before = lines_.size();
    for (std::size_t start = 0; start <= line.size();) {
      const std::size_t end = std::min(line.find(' ', start), line.size());
      if (end > start) {
        addWord(line.substr(start, end - start));
      }
      start = end + 1;
    }
    endLine(lines_.size() == before); // a blank line of the text stays
  }

  std::string text() const {
    std::string joined;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (i > 0) {
        joined += '\n';
      }
      joined += lines_[i];
    }
    return joined;
  }

private:
  void addWord(std::string_view word) {
    const bool path = word.front() == '/';
    if (path) {
      endLine(false);
    }
    const auto pieces = piecesOf(word, columns_);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      if (!current_.empty() && characters(current_) + 1 + characters(pieces[i]) > columns_) {
        endLine(false);
      }
      if (!current_.empty()) {
        current_ += ' ';
      }
      current_ += pieces[i];
      if (i + 1 < pieces.size()) {
        endLine(false);
      }
    }
    if (path) {
      endLine(false);
    }
  }

  // Ends the line in progress; `always` ends an empty one too.
  void endLine(bool always) {
    if (always || !current_.empty()) {
      lines_.push_back(current_);
      current_.clear();
    }
  }

  std::size_t columns_;
  std::vector<std::string> lines_;
  std::string current_;
};

} // namespace

std::string fitMessageLines(std::string_view text, std::size_t columns) {
  Lines lines(columns);
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    lines.addLine(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) {
      return lines.text();
    }
    start = end + 1;
  }
}

} // namespace platform
