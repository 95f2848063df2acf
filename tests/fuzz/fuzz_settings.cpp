// The settings reader against any bytes at all: a store may have been hand-edited, half-copied or
// written by another program. Reading must not crash or leak, and whatever the reader makes of a file
// must survive being written back: every key it shows reads back with the same value from a new
// store, from the file saved again as it was, and after saving rewrites its values. The seeds include
// stores the reader once got wrong: one that begins with a byte-order mark, and a key that begins
// with '[', whose new value holds a ']'.
//
// Built by tests/scripts/test_fuzz_settings.sh with clang++ -fsanitize=fuzzer,address,undefined.
#include "platform/IniDocument.h"

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

// Shows a value with its odd bytes escaped, so that a failure can be read.
std::string shown(const std::optional<std::string>& value) {
  return value ? IniDocument::quote(*value) : "(missing)";
}

[[noreturn]] void broken(const char* what, const std::string& section, const std::string& key,
                         const std::optional<std::string>& want, const std::optional<std::string>& got) {
  std::fprintf(stderr, "%s: [%s] %s: want %s, got %s\n", what, IniDocument::quote(section).c_str(),
               IniDocument::quote(key).c_str(), shown(want).c_str(), shown(got).c_str());
  std::abort();
}

// Section and key names match without regard to case, as the reader matches them.
bool sameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

using Keys = std::vector<std::pair<std::string, std::string>>;

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t\r");
  return first == std::string_view::npos ? std::string_view{}
                                         : s.substr(first, s.find_last_not_of(" \t\r") + 1 - first);
}

// Every key a reader of the file sees, with its section, in file order and duplicates included: lines
// split at '\n' (after a byte-order mark), "[name]" opens a section, "key=value" is a key unless the
// line starts with ';' or '#'.
Keys keysOf(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  Keys keys;
  std::string section;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, newline));
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
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

// Every key of `keys` has the value `want` gives it in `doc`.
template <typename Want>
void expectValues(const char* what, const IniDocument& doc, const Keys& keys, Want want) {
  for (const auto& [section, key] : keys) {
    const std::optional<std::string> expected = want(section, key);
    const std::optional<std::string> got = doc.get(section, key);
    if (got != expected) {
      broken(what, section, key, expected, got);
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const IniDocument doc = IniDocument::parse(text);
  const Keys keys = keysOf(text);
  const auto original = [&](const std::string& section, const std::string& key) {
    return doc.get(section, key);
  };

  // Every key shown has a value, and all of them together in a new store read back.
  IniDocument together;
  for (const auto& [section, key] : keys) {
    const std::optional<std::string> value = doc.get(section, key);
    if (!value) {
      broken("a listed key has no value", section, key, std::string{}, value);
    }
    together.set(section, key, *value);
  }
  expectValues("a value among all the others in a new store reads back differently",
               IniDocument::parse(together.serialize()), keys, original);

  // The file saved as it was reads the same, and shows the same keys.
  const std::string saved = doc.serialize();
  const IniDocument again = IniDocument::parse(saved);
  expectValues("the file saved again reads differently", again, keys, original);
  if (keysOf(saved) != keys) {
    broken("the file saved again shows other keys", "", "", std::to_string(keys.size()),
           std::to_string(keysOf(saved).size()));
  }

  // Saving rewrites the values it keeps in the file as it finds it: nothing may change.
  IniDocument rewritten = doc;
  for (const auto& [section, key] : keys) {
    rewritten.set(section, key, *doc.get(section, key));
  }
  expectValues("a value rewritten in place reads back differently", IniDocument::parse(rewritten.serialize()),
               keys, original);

  // New values of any bytes, set on a key the file has and on a key it lacks, read back, and every
  // other key keeps its value.
  const std::string value(text.substr(0, 64));
  const std::string newSection = keys.empty() ? "Settings" : keys.front().first;
  const std::string newKey = "FuzzNewKey";
  IniDocument changed = doc;
  Keys setKeys = {{newSection, newKey}};
  if (!keys.empty()) {
    setKeys.push_back(keys.back());
  }
  for (const auto& [section, key] : setKeys) {
    changed.set(section, key, value);
  }
  const IniDocument changedBack = IniDocument::parse(changed.serialize());
  expectValues("a new value reads back differently", changedBack, setKeys,
               [&](const std::string&, const std::string&) { return std::optional<std::string>(value); });
  expectValues("setting one key changed another", changedBack, keys,
               [&](const std::string& section, const std::string& key) {
                 for (const auto& [s, k] : setKeys) {
                   if (sameName(s, section) && sameName(k, key)) {
                     return std::optional<std::string>(value);
                   }
                 }
                 return doc.get(section, key);
               });
  return 0;
}
