#pragma once
// The high-score table's rules, for the table on screen and the one in the store alike: the keys its
// entries are stored under, where a new score goes, and what one game did to the table, laid over the
// table as the store holds it when the game saves, so that two games open at once, each saving what
// it added, keep both games' entries.
#include "platform/IniDocument.h"
#include "window/Frothwick.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace scores {

// The table lives in the game's section of its store.
inline constexpr const char* kSection = kFrothwick.settingsSection;

// A score entered with its name, or (clear set) the whole table emptied by the Clear button.
struct TableChange {
  bool clear = false;
  std::int32_t score = 0;
  std::string name;
};

// The store's keys of the entry at a rank, 1 to 10.
std::string NameKey(std::size_t rank);
std::string ScoreKey(std::size_t rank);

// The rank, 1 to 10, a new score takes in the table: above older equal ones; 0 when it is below all ten.
std::size_t RankFor(const std::function<std::int32_t(std::size_t rank)>& scoreAt, std::int32_t score);

// Moves the entries from `rank` on one rank down, the tenth falling off, to make room at `rank`.
template <class Ranks> void MakeRoomAt(Ranks& ranks, std::size_t rank) {
  for (std::size_t k = 10; k > rank; --k) {
    ranks[k] = std::move(ranks[k - 1]);
  }
}

// A stored score as a person may write it: spaces around it and a leading plus sign are fine. A whole
// number beyond the score's range reads as the largest score, a negative one as 0, and anything else
// that is not a whole number as 0.
std::int32_t ParseScore(const std::string& text);

// Replays the changes in order on the stored table, each new score by the table's own rule (above older
// equal ones, the last entry dropping off); an entry already standing where its change would put it is
// not entered twice. Only the keys of ranks whose entry changed are written, and any that are missing;
// an entry that moves takes its name and score text with it, so no value the player wrote is rewritten
// unless this game's own entry replaces it.
void ApplyTableChanges(platform::IniDocument& store, const std::vector<TableChange>& changes);

} // namespace scores
