#include "scores/TableChanges.h"

#include <array>
#include <charconv>
#include <string_view>

namespace scores {

namespace {

struct Row {
  std::string name;
  std::int32_t score = 0;
  std::size_t storedRank = 0; // where the entry stood in the store; 0 for one this game added
};

void insert(std::array<Row, 11>& table, const TableChange& change) {
  for (std::size_t i = 1; i <= 10; ++i) {
    if (change.score >= table[i].score) {
      for (std::size_t k = 10; k > i; --k) {
        table[k] = std::move(table[k - 1]);
      }
      table[i] = {change.name, change.score, 0};
      return;
    }
  }
}

} // namespace

std::int32_t ParseScore(const std::string& text) {
  std::string_view digits = text;
  const auto space = [](char c) { return c == ' ' || c == '\t'; };
  while (!digits.empty() && space(digits.front())) {
    digits.remove_prefix(1);
  }
  while (!digits.empty() && space(digits.back())) {
    digits.remove_suffix(1);
  }
  if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') {
    digits.remove_prefix(1);
  }
  std::int32_t value = 0;
  const char* last = digits.data() + digits.size();
  const auto [end, error] = std::from_chars(digits.data(), last, value);
  return error == std::errc{} && end == last && !digits.empty() ? value : 0;
}

void ApplyTableChanges(platform::IniDocument& store, const std::vector<TableChange>& changes) {
  std::array<Row, 11> table;
  for (std::size_t i = 1; i <= 10; ++i) {
    const std::string n = std::to_string(i);
    table[i] = {store.get(kSection, "HighScoreName" + n).value_or(""),
                ParseScore(store.get(kSection, "HighScore" + n).value_or("0")), i};
  }
  for (const TableChange& change : changes) {
    if (change.clear) {
      table.fill({});
    } else {
      insert(table, change);
    }
  }
  for (std::size_t i = 1; i <= 10; ++i) {
    const std::string nameKey = "HighScoreName" + std::to_string(i);
    const std::string scoreKey = "HighScore" + std::to_string(i);
    const bool moved = table[i].storedRank != i;
    if (moved || !store.get(kSection, nameKey)) {
      store.set(kSection, nameKey, table[i].name);
    }
    if (moved || !store.get(kSection, scoreKey)) {
      store.set(kSection, scoreKey, std::to_string(table[i].score));
    }
  }
}

} // namespace scores
