// Two games open at once, each saving what it changed over the table the other saved.
#include "scores/TableChanges.h"

#include <gtest/gtest.h>

namespace {

using platform::IniDocument;
using scores::ApplyTableChanges;
using scores::TableChange;

const std::string kStored = "[Settings]\r\nHighScoreName1=ANNA\r\nHighScore1= 400\r\n"
                            "HighScoreName2=\"BO\"\r\nHighScore2=+300\r\nHighScore3=junk\r\nMine=x\r\n";

// The table a store holds, as "NAME score" per rank, down to the last entry with a name or score.
std::string tableOf(const IniDocument& store) {
  std::string out;
  for (int i = 1; i <= 10; ++i) {
    const std::string name = store.get("Settings", "HighScoreName" + std::to_string(i)).value_or("");
    const std::int32_t score =
        scores::ParseScore(store.get("Settings", "HighScore" + std::to_string(i)).value_or(""));
    if (!name.empty() || score != 0) {
      out += name + " " + std::to_string(score) + "; ";
    }
  }
  return out;
}

TEST(TableChanges, TwoGamesSavingInEitherOrderKeepBothGamesEntries) {
  const std::vector<TableChange> x = {{false, 350, "XAV"}};
  const std::vector<TableChange> y = {{false, 100, "YU"}, {false, 500, "YO"}};
  const std::vector<TableChange> xClears = {{false, 999, "GONE"}, {true, 0, ""}, {false, 50, "XC"}};
  struct Case {
    const char* what;
    std::vector<TableChange> first, second;
    std::string want;
  };
  const Case cases[] = {
      {"x then y", x, y, "YO 500; ANNA 400; XAV 350; BO 300; YU 100; "},
      {"y then x", y, x, "YO 500; ANNA 400; XAV 350; BO 300; YU 100; "},
      {"y then a game that cleared", y, xClears, "XC 50; "},
      {"a game that cleared then y", xClears, y, "YO 500; YU 100; XC 50; "},
  };
  for (const Case& c : cases) {
    IniDocument store = IniDocument::parse(kStored);
    ApplyTableChanges(store, c.first);
    store = IniDocument::parse(store.serialize());
    ApplyTableChanges(store, c.second);
    EXPECT_EQ(tableOf(store), c.want) << c.what;
  }
}

TEST(TableChanges, RanksThatDidNotChangeKeepTheirTextByteForByte) {
  IniDocument store = IniDocument::parse(kStored);
  ApplyTableChanges(store, {{false, 100, "YU"}});
  const std::string text = store.serialize();
  EXPECT_EQ(text.substr(0, text.find("HighScore3")), kStored.substr(0, kStored.find("HighScore3")));
  EXPECT_NE(text.find("HighScore3=\"100\"\r\nMine=x\r\n"), std::string::npos) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
}

TEST(TableChanges, AScoreBelowAFullTableLeavesItsLastEntry) {
  IniDocument store;
  for (int i = 1; i <= 10; ++i) {
    store.set("Settings", "HighScoreName" + std::to_string(i), "P" + std::to_string(i));
    store.set("Settings", "HighScore" + std::to_string(i), std::to_string(1100 - 100 * i));
  }
  ApplyTableChanges(store, {{false, 50, "LOW"}});
  EXPECT_TRUE(tableOf(store).ends_with("P10 100; "));
}

} // namespace
