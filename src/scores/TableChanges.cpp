#include "scores/TableChanges.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string_view>

namespace scores {

namespace {

// An entry as the store holds it: its name and score as written there, so that an entry moving to
// another rank keeps its text, and the score as the table ranks it.
struct Row {
  std::string name;
  std::string scoreText = "0";
  std::int32_t score = 0;
  std::size_t storedRank = 0; // where the entry stood in the store; 0 for one this game added
};

bool sameEntry(const Row& row, const TableChange& change) {
  return row.score == change.score && row.name == change.name;
}

// A change already standing where it would go is not entered again: a save that reached the disk
// though it seemed to fail must not show one game's score twice.
void insert(std::array<Row, 11>& table, const TableChange& change) {
  const std::size_t rank = RankFor([&](std::size_t r) { return table[r].score; }, change.score);
  if (rank == 0 || sameEntry(table[rank], change)) {
    return;
  }
  MakeRoomAt(table, rank);
  table[rank] = {change.name, std::to_string(change.score), change.score, 0};
}

std::string_view trimmed(std::string_view text) {
  const auto space = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && space(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && space(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

bool allDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string NameKey(std::size_t rank) {
  return "HighScoreName" + std::to_string(rank);
}

std::string ScoreKey(std::size_t rank) {
  return "HighScore" + std::to_string(rank);
}

std::size_t RankFor(const std::function<std::int32_t(std::size_t rank)>& scoreAt, std::int32_t score) {
  for (std::size_t rank = 1; rank <= 10; ++rank) {
    if (score >= scoreAt(rank)) {
      return rank;
    }
  }
  return 0;
}

std::int32_t ParseScore(const std::string& text) {
  std::string_view digits = trimmed(text);
  const bool negative = digits.starts_with('-');
  if (negative || digits.starts_with('+')) {
    digits.remove_prefix(1);
  }
  if (negative || !allDigits(digits)) {
    return 0;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return error == std::errc::result_out_of_range ? std::numeric_limits<std::int32_t>::max() : value;
}

void ApplyTableChanges(platform::IniDocument& store, const std::vector<TableChange>& changes) {
  std::array<Row, 11> table;
  for (std::size_t i = 1; i <= 10; ++i) {
    const std::string scoreText = store.get(kSection, ScoreKey(i)).value_or("0");
    table[i] = {store.get(kSection, NameKey(i)).value_or(""), scoreText, ParseScore(scoreText), i};
  }
  for (const TableChange& change : changes) {
    if (change.clear) {
      table.fill({});
    } else {
      insert(table, change);
    }
  }
  for (std::size_t i = 1; i <= 10; ++i) {
    const std::string nameKey = NameKey(i);
    const std::string scoreKey = ScoreKey(i);
    const bool moved = table[i].storedRank != i;
    if (moved || !store.get(kSection, nameKey)) {
      store.set(kSection, nameKey, table[i].name);
    }
    if (moved || !store.get(kSection, scoreKey)) {
      store.set(kSection, scoreKey, table[i].scoreText);
    }
  }
}

} // namespace scores
