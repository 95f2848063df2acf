// The settings reader against any bytes: a store may have been hand-edited, half-copied or written by
// another program. Reading must not crash or leak, and every key it shows must read back with the same
// value from a new store, from the file saved again as it was, and after saving rewrites its values
// or sets new ones. Built by tests/scripts/settings_store_test.sh under libFuzzer and the sanitizers.
#include "platform/IniDocument.h"
#include "platform/StoreEncoding.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using platform::IniDocument;

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t\r");
  return first == std::string_view::npos ? std::string_view{}
                                         : s.substr(first, s.find_last_not_of(" \t\r") + 1 - first);
}

// Every key a reader of the file sees, with its section, in file order and duplicates included: lines
// split at each LF, CRLF or lone CR (after a byte-order mark), "[name]" opens a section, "key=value" is a key
// unless the line starts with ';' or '#'.
Keys keysOf(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  Keys keys;
  std::string section;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(text.substr(end).starts_with("\r\n") ? end + 2 : std::min(end + 1, text.size()));
    const std::size_t close = line.find(']');
    const std::size_t equals = line.find('=');
    if (line.starts_with('[') && close != std::string_view::npos) {
      section = std::string(trimmed(line.substr(1, close - 1)));
    } else if (!line.empty() && line.front() != ';' && line.front() != '#' &&
               equals != std::string_view::npos && !trimmed(line.substr(0, equals)).empty()) {
      keys.emplace_back(section, std::string(trimmed(line.substr(0, equals))));
    }
  }
  return keys;
}

// Every key of `keys` reads in `doc` as `want` says, or the run stops naming the key.
template <typename Want>
void expectValues(const char* what, const IniDocument& doc, const Keys& keys, Want want) {
  for (const auto& [section, key] : keys) {
    const std::optional<std::string> expected = want(section, key), got = doc.get(section, key);
    if (got != expected) {
      std::fprintf(stderr, "%s: [%s] %s: want %s, got %s\n", what, IniDocument::quote(section).c_str(),
                   IniDocument::quote(key).c_str(),
                   expected ? IniDocument::quote(*expected).c_str() : "(missing)",
                   got ? IniDocument::quote(*got).c_str() : "(missing)");
      std::abort();
    }
  }
}

// Section and key names match without regard to case, as the reader matches them.
bool sameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Any file, in whatever encoding it is read, is written back as the very same bytes.
  const platform::DecodedText decoded = platform::decodeStoreText(bytes);
  if (platform::encodeStoreText(decoded.text, decoded.encoding, decoded.tail) != bytes) {
    std::fputs("the file encoded again is not the file\n", stderr);
    std::abort();
  }
  const std::string_view text = decoded.text;
  const IniDocument doc = IniDocument::parse(text);
  const Keys keys = keysOf(text);
  const auto original = [&](const std::string& section, const std::string& key) {
    return doc.get(section, key);
  };

  // The file saved as it was reads the same and shows the same keys.
  const std::string saved = doc.serialize();
  expectValues("the file saved again reads differently", IniDocument::parse(saved), keys, original);
  if (keysOf(saved) != keys) {
    std::fputs("the file saved again shows other keys\n", stderr);
    std::abort();
  }

  // Every value set again, in a new store or over the file as the game finds it, reads back; a listed
  // key without a value throws here.
  for (IniDocument rewritten : {IniDocument{}, doc}) {
    for (const auto& [section, key] : keys) {
      rewritten.set(section, key, doc.get(section, key).value());
    }
    expectValues("a value set again reads back differently", IniDocument::parse(rewritten.serialize()), keys,
                 original);
  }

  // New values of any bytes, set on a key the file has and on one it lacks, read back, and every other
  // key keeps its value.
  const std::string value(text.substr(0, 64));
  Keys setKeys = {{keys.empty() ? "Settings" : keys.front().first, "FuzzNewKey"}};
  if (!keys.empty()) {
    setKeys.push_back(keys.back());
  }
  IniDocument changed = doc;
  for (const auto& [section, key] : setKeys) {
    changed.set(section, key, value);
  }
  const IniDocument changedBack = IniDocument::parse(changed.serialize());
  expectValues("setting values changed what reads back", changedBack, keys,
               [&](const std::string& section, const std::string& key) {
                 const bool wasSet = std::ranges::any_of(setKeys, [&](const auto& set) {
                   return sameName(set.first, section) && sameName(set.second, key);
                 });
                 return wasSet ? std::optional<std::string>(value) : doc.get(section, key);
               });
  expectValues("a new value reads back differently", changedBack, {setKeys.front()},
               [&](const std::string&, const std::string&) { return std::optional<std::string>(value); });
  return 0;
}
