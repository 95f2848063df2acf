#include "platform/IniDocument.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimStart(std::string_view s) {
  while (!s.empty() && isSpace(s.front())) {
    s.remove_prefix(1);
  }
  return s;
}

std::string_view trim(std::string_view s) {
  s = trimStart(s);
  while (!s.empty() && isSpace(s.back())) {
    s.remove_suffix(1);
  }
  return s;
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  const int lower = std::tolower(static_cast<unsigned char>(c));
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Reads one escape after a backslash at raw[i]; returns the character and advances i past it.
char readEscape(std::string_view raw, std::size_t& i) {
  const char c = i + 1 < raw.size() ? raw[i + 1] : '\\';
  i += 2;
  switch (c) {
  case 'n':
    return '\n';
  case 't':
    return '\t';
  case 'r':
    return '\r';
  case 'x':
    if (i + 1 < raw.size() && hexValue(raw[i]) >= 0 && hexValue(raw[i + 1]) >= 0) {
      const char value = static_cast<char>(hexValue(raw[i]) * 16 + hexValue(raw[i + 1]));
      i += 2;
      return value;
    }
    return 'x';
  default:
    return c;
  }
}

std::string headerName(std::string_view line) {
  const std::string_view t = trim(line);
  if (t.size() >= 2 && t.front() == '[') {
    const std::size_t close = t.find(']');
    if (close != std::string_view::npos) {
      return std::string(trim(t.substr(1, close - 1)));
    }
  }
  return {};
}

bool isHeader(std::string_view line) {
  const std::string_view t = trim(line);
  return !t.empty() && t.front() == '[' && t.find(']') != std::string_view::npos;
}

// The line that stores a key's value. A key may begin with '[' (a hand-edited line such as "[x=1"
// without a closing bracket reads as a key); a ']' in its value would then make the line read back as
// a section header, so there the value spells each ']' as an escape instead.
std::string keyLine(std::string_view key, std::string_view value) {
  std::string text = std::string(key) + "=" + IniDocument::quote(value);
  if (isHeader(text)) {
    std::string escaped = std::string(key) + "=";
    for (const char c : std::string_view(text).substr(escaped.size())) {
      escaped += c == ']' ? std::string("\\x5D") : std::string(1, c);
    }
    text = std::move(escaped);
  }
  return text;
}

} // namespace

IniDocument IniDocument::parse(std::string_view text) {
  IniDocument doc;
  // Some editors begin a file they save with a byte-order mark. It is kept apart and written back
  // first, so that the first line reads without it: a store that begins with its section header
  // would otherwise lose the section.
  if (text.starts_with(kByteOrderMark)) {
    doc.byteOrderMark_ = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  std::string section;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!raw.empty() && raw.back() == '\r') {
      raw.remove_suffix(1);
    }
    Line line{std::string(raw), section, {}};
    const std::string_view t = trim(raw);
    if (isHeader(raw)) {
      section = headerName(raw);
      line.section = section;
    } else if (!t.empty() && t.front() != ';' && t.front() != '#' && t.find('=') != std::string_view::npos) {
      line.key = std::string(trim(t.substr(0, t.find('='))));
    }
    doc.lines_.push_back(std::move(line));
  }
  return doc;
}

std::string IniDocument::serialize() const {
  std::string out(byteOrderMark_ ? kByteOrderMark : std::string_view{});
  for (const Line& line : lines_) {
    out += line.text;
    out += '\n';
  }
  return out;
}

std::optional<std::string> IniDocument::get(std::string_view section, std::string_view key) const {
  for (auto it = lines_.rbegin(); it != lines_.rend(); ++it) {
    if (!it->key.empty() && sameName(it->section, section) && sameName(it->key, key)) {
      const std::string_view t = trim(it->text);
      return unquote(t.substr(t.find('=') + 1));
    }
  }
  return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniDocument::keys() const {
  std::vector<std::pair<std::string, std::string>> out;
  for (const Line& line : lines_) {
    if (!line.key.empty()) {
      out.emplace_back(line.section, line.key);
    }
  }
  return out;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string text = keyLine(key, value);
  for (auto it = lines_.rbegin(); it != lines_.rend(); ++it) {
    if (!it->key.empty() && sameName(it->section, section) && sameName(it->key, key)) {
      // The line keeps its indentation: a hand-edited file keeps its look, and a first line whose key
      // begins with the bytes of a byte-order mark does not come to begin the file with one.
      const std::string_view old = it->text;
      it->text = std::string(old.substr(0, old.size() - trimStart(old).size())) + text;
      return;
    }
  }
  // A new key goes after the last line of its section, or into a new section at the end.
  auto last = std::find_if(lines_.rbegin(), lines_.rend(), [&](const Line& l) {
    return sameName(l.section, section) && (isHeader(l.text) || !trim(l.text).empty());
  });
  if (last == lines_.rend()) {
    if (!lines_.empty() && !trim(lines_.back().text).empty()) {
      lines_.push_back({"", lines_.back().section, {}});
    }
    std::string header = "[";
    header.append(section).append("]");
    lines_.push_back({std::move(header), std::string(section), {}});
    lines_.push_back({text, std::string(section), std::string(key)});
    return;
  }
  lines_.insert(last.base(), Line{text, last->section, std::string(key)});
}

std::string IniDocument::quote(std::string_view value) {
  static const char* const kHex = "0123456789ABCDEF";
  std::string out = "\"";
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

std::string IniDocument::unquote(std::string_view raw) {
  raw = trim(raw);
  if (raw.size() < 2 || raw.front() != '"') {
    return std::string(raw);
  }
  std::string out;
  std::size_t i = 1;
  while (i < raw.size()) {
    const char c = raw[i];
    if (c == '"') {
      return out; // anything after the closing quote is not part of the value
    }
    if (c == '\\') {
      out += readEscape(raw, i);
    } else {
      out += c;
      ++i;
    }
  }
  return out; // no closing quote: keep what was there
}

} // namespace platform
