#pragma once
// An INI file as a list of lines, so that saving changes only the values the game sets and keeps
// every other section, key, comment and oddity of a hand-edited file as it was.
//
// Values the game writes are double-quoted with backslash escapes (\" \\ \n \t \r \xHH), so that any
// string, with spaces at either end or bytes of any kind, reads back exactly. Unquoted values are
// accepted on read and trimmed.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

class IniDocument {
public:
  static IniDocument parse(std::string_view text);
  std::string serialize() const;

  // Looks up a key, matching section and key names without regard to case; the last of duplicate
  // keys wins, as an editor's later line would.
  std::optional<std::string> get(std::string_view section, std::string_view key) const;
  void set(std::string_view section, std::string_view key, std::string_view value);
  // Every key the document holds, with its section, in file order and duplicates included: what a
  // reader of the file can see, for tools and checks that walk the whole store.
  std::vector<std::pair<std::string, std::string>> keys() const;

  static std::string quote(std::string_view value);
  static std::string unquote(std::string_view raw);

private:
  struct Line {
    std::string text;    // the line as it stands in the file
    std::string section; // the section this line belongs to
    std::string key;     // empty unless this is a Key=Value line
  };
  std::vector<Line> lines_;
  bool byteOrderMark_ = false; // the file began with one, before its first line
};

} // namespace platform
