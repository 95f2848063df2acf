#include "platform/IniDocument.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

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

// Lines end with LF, CRLF or a lone CR (old Mac editors). The length of the line end at `at`, 0 at the
// end of the text.
std::size_t lineEndLength(std::string_view text, std::size_t at) {
  if (at >= text.size()) {
    return 0;
  }
  return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
}

std::size_t findLineEnd(std::string_view text, std::size_t from) {
  return std::min(text.find_first_of("\r\n", from), text.size());
}

// Whether a line holds nothing but spaces.
bool isBlank(std::string_view line) {
  return trim(line).empty();
}

} // namespace

IniDocument::IniDocument(const IniDocument& other)
    : text_(other.text_), bodyStart_(other.bodyStart_), lineEnd_(other.lineEnd_), sections_(other.sections_) {
  entries_.reserve(other.entries_.size());
  for (const Entry& entry : other.entries_) {
    Entry copy{entry.start,   entry.length, entry.keyStart, entry.keyLength,
               entry.section, entry.added,  nullptr};
    if (entry.written) {
      copy.written = std::make_unique<std::string>(*entry.written);
    }
    entries_.push_back(std::move(copy));
  }
}

IniDocument IniDocument::parse(std::string_view text) {
  IniDocument doc;
  doc.text_ = std::string(text);
  const std::string_view all = doc.text_;
  // Some editors begin a file they save with a byte-order mark. It stays where it is, and the first
  // line is read without it: a store that begins with its section header would otherwise lose the
  // section.
  std::size_t pos = all.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  doc.bodyStart_ = static_cast<std::uint32_t>(pos);
  doc.sections_.emplace_back();
  std::uint32_t section = 0;
  bool firstLine = true;
  while (pos < all.size()) {
    const std::size_t end = findLineEnd(all, pos);
    const std::size_t next = end + lineEndLength(all, end);
    if (firstLine && next > end) {
      doc.lineEnd_ = std::string(all.substr(end, next - end));
      firstLine = false;
    }
    const std::string_view raw = all.substr(pos, end - pos);
    const auto start = static_cast<std::uint32_t>(pos);
    const auto length = static_cast<std::uint32_t>(raw.size());
    const std::string_view t = trim(raw);
    if (isHeader(raw)) {
      doc.sections_.push_back(headerName(raw));
      section = static_cast<std::uint32_t>(doc.sections_.size() - 1);
      doc.entries_.push_back({start, length, 0, 0, section, false, nullptr});
    } else if (!t.empty() && t.front() != ';' && t.front() != '#' && t.find('=') != std::string_view::npos) {
      const std::string_view key = trim(t.substr(0, t.find('=')));
      if (!key.empty()) {
        const auto keyStart = static_cast<std::uint32_t>(key.data() - all.data());
        doc.entries_.push_back(
            {start, length, keyStart, static_cast<std::uint32_t>(key.size()), section, false, nullptr});
      }
    }
    pos = next;
  }
  return doc;
}

std::string IniDocument::serialize() const {
  std::string out;
  out.reserve(text_.size() + 1024);
  std::size_t cursor = 0;
  for (const Entry& entry : entries_) {
    out.append(text_, cursor, entry.start - cursor);
    cursor = entry.start;
    if (entry.added) {
      // A last line without a line ending gets one before a line goes after it.
      if (out.size() > bodyStart_ && out.back() != '\n' && out.back() != '\r') {
        out += lineEnd_;
      }
      out += *entry.written;
      out += lineEnd_;
    } else if (entry.written) {
      out += *entry.written;
      cursor = entry.start + entry.length;
    }
  }
  out.append(text_, cursor);
  return out;
}

std::string_view IniDocument::lineOf(const Entry& entry) const {
  return entry.written ? std::string_view(*entry.written)
                       : std::string_view(text_).substr(entry.start, entry.length);
}

std::string_view IniDocument::keyOf(const Entry& entry) const {
  const std::string_view home = entry.added ? std::string_view(*entry.written) : std::string_view(text_);
  return home.substr(entry.keyStart, entry.keyLength);
}

IniDocument::Entry* IniDocument::find(std::string_view section, std::string_view key) {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    if (it->keyLength != 0 && sameName(sections_[it->section], section) && sameName(keyOf(*it), key)) {
      return &*it;
    }
  }
  return nullptr;
}

std::optional<std::string> IniDocument::get(std::string_view section, std::string_view key) const {
  const Entry* entry = const_cast<IniDocument*>(this)->find(section, key);
  if (entry == nullptr) {
    return std::nullopt;
  }
  const std::string_view t = trim(lineOf(*entry));
  return unquote(t.substr(t.find('=') + 1));
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  std::string text = keyLine(key, value);
  if (Entry* entry = find(section, key)) {
    // The line keeps its indentation: a hand-edited file keeps its look, and a first line whose key
    // begins with the bytes of a byte-order mark does not come to begin the file with one.
    const std::string_view old = lineOf(*entry);
    entry->written =
        std::make_unique<std::string>(std::string(old.substr(0, old.size() - trimStart(old).size())) + text);
    return;
  }
  // A new key goes after the last line of its section that is not blank, or into a new section at the end.
  const auto last = std::find_if(entries_.rbegin(), entries_.rend(),
                                 [&](const Entry& e) { return sameName(sections_[e.section], section); });
  if (last == entries_.rend()) {
    addSection(section, key, std::move(text));
    return;
  }
  const auto index = static_cast<std::size_t>(entries_.rend() - last); // just after the last one
  std::uint32_t at = last->start;
  if (!last->added) {
    const std::size_t regionEnd = index < entries_.size() ? entries_[index].start : text_.size();
    std::size_t end = regionEnd;
    while (end > last->start && (text_[end - 1] == '\n' || isSpace(text_[end - 1]))) {
      --end;
    }
    const std::size_t lineEnd = findLineEnd(text_, end);
    at = static_cast<std::uint32_t>(lineEnd >= regionEnd ? regionEnd
                                                         : lineEnd + lineEndLength(text_, lineEnd));
  }
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(index),
                  Entry{at, 0, 0, static_cast<std::uint32_t>(key.size()), last->section, true,
                        std::make_unique<std::string>(std::move(text))});
}

void IniDocument::addSection(std::string_view section, std::string_view key, std::string text) {
  const auto end = static_cast<std::uint32_t>(text_.size());
  bool lastLineFilled = !entries_.empty() && entries_.back().added && entries_.back().start == end;
  if (!lastLineFilled && end > bodyStart_) {
    // The last line, without the line end that closes it.
    std::size_t stop = end;
    if (text_[stop - 1] == '\n' || text_[stop - 1] == '\r') {
      --stop;
      if (text_[stop] == '\n' && stop > bodyStart_ && text_[stop - 1] == '\r') {
        --stop;
      }
    }
    const std::size_t newline = stop == 0 ? std::string::npos : text_.find_last_of("\r\n", stop - 1);
    const std::size_t begin =
        std::max<std::size_t>(newline == std::string::npos ? 0 : newline + 1, bodyStart_);
    lastLineFilled = !isBlank(std::string_view(text_).substr(begin, stop - std::min(stop, begin)));
  }
  sections_.emplace_back(section);
  const auto index = static_cast<std::uint32_t>(sections_.size() - 1);
  std::string header = (lastLineFilled ? lineEnd_ : std::string()) + "[" + std::string(section) + "]";
  entries_.push_back({end, 0, 0, 0, index, true, std::make_unique<std::string>(std::move(header))});
  entries_.push_back({end, 0, 0, static_cast<std::uint32_t>(key.size()), index, true,
                      std::make_unique<std::string>(std::move(text))});
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
