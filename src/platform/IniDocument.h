#pragma once
// An INI file kept as the text it was read from, plus the places of its section headers and keys, so
// that saving changes only the lines of the values the game sets and keeps every other byte of a
// hand-edited file as it was: other sections and keys, comments, spacing and line endings. Only the
// headers and keys are indexed, so a large file costs little more memory than its own text.
//
// Values the game writes are double-quoted with backslash escapes (\" \\ \n \t \r \xHH), so that any
// string, with spaces at either end or bytes of any kind, reads back exactly. Unquoted values are
// accepted on read and trimmed.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

class IniDocument {
public:
  IniDocument() = default;
  // Copied to be changed apart from the original; a copy is never assigned over a document.
  IniDocument(const IniDocument& other);
  IniDocument& operator=(const IniDocument& other) = delete;
  IniDocument(IniDocument&&) noexcept = default;
  IniDocument& operator=(IniDocument&&) noexcept = default;

  static IniDocument parse(std::string_view text);
  std::string serialize() const;

  // Looks up a key, matching section and key names without regard to case; the last of duplicate
  // keys wins, as an editor's later line would.
  std::optional<std::string> get(std::string_view section, std::string_view key) const;
  void set(std::string_view section, std::string_view key, std::string_view value);

  static std::string quote(std::string_view value);
  static std::string unquote(std::string_view raw);

private:
  // A section header or a Key=Value line. A line the game wrote has its own text; one read from the
  // file is the span [start, start + length) of text_, without its line ending.
  struct Entry {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    std::uint32_t keyStart = 0;  // in text_, or in *written when the line is new
    std::uint32_t keyLength = 0; // 0 for a header
    std::uint32_t section = 0;   // index into sections_
    bool added = false;          // a line the file did not have: it goes in before text_[start]
    std::unique_ptr<std::string> written;
  };
  std::string_view lineOf(const Entry& entry) const;
  std::string_view keyOf(const Entry& entry) const;
  Entry* find(std::string_view section, std::string_view key);
  void addSection(std::string_view section, std::string_view key, std::string text);

  std::string text_;                  // the file as read, byte-order mark and all
  std::uint32_t bodyStart_ = 0;       // past the byte-order mark, if any
  std::string lineEnd_ = "\n";        // what new lines end with: CRLF in a file whose first line has it
  std::vector<std::string> sections_; // the name of each header, in file order; 0 is "before any"
  std::vector<Entry> entries_;        // in file order
};

} // namespace platform
