// The high-score table: a new entry's place, typing a name, Clear and Ok, the end of a game waiting for
// it, and two games saving over each other's table. What the board shows is in the scenario traces.
#include "GameFixture.h"
#include "ScreenWords.h"

#include "platform/KeyCodes.h"
#include "platform/Twips.h"
#include "scores/TableChanges.h"

#include <limits>
#include <tuple>

namespace {

namespace vk = platform::vk;
using platform::IniDocument;
using scores::ApplyTableChanges;
using scores::TableChange;

class ScoresTest : public GameTest {
protected:
  // Ten entries named A to J: `first` points, then `step` fewer each.
  void ten(std::int32_t first, std::int32_t step) {
    for (std::int32_t i = 1; i <= 10; ++i) {
      f->HighScoreNames[static_cast<std::size_t>(i)] = std::string(1, static_cast<char>('A' + i - 1));
      f->HighScores[static_cast<std::size_t>(i)] = first - step * (i - 1);
    }
  }
  void enterScore(std::int32_t points) {
    f->Score = points;
    f->CheckHighScore();
  }
  // Presses keys one millisecond apart, as the window delivers them, and lets them arrive.
  void press(const std::vector<std::int16_t>& codes, std::int16_t shift = 0) {
    std::uint32_t t = now();
    for (const std::int16_t code : codes) {
      host.key(++t, code, shift);
    }
    runUntil(t + 1);
  }
  bool menuShown() const {
    return f->pctNew.visible() && f->pctScores.visible() && !f->pctScoreBoard.visible();
  }
};

TEST_F(ScoresTest, ANewScoreGoesAboveAnEqualOneAndTheLastDropsOff) {
  ten(100, 10);
  enterScore(80);
  EXPECT_TRUE(f->EnteringName);
  EXPECT_EQ(f->HighScoreNames,
            (std::array<std::string, 11>{"", "A", "B", "", "C", "D", "E", "F", "G", "H", "I"}));
  EXPECT_EQ(f->HighScores, (std::array<std::int32_t, 11>{0, 100, 90, 80, 80, 70, 60, 50, 40, 30, 20}));

  f->HighScores.fill(0);
  enterScore(0);
  EXPECT_EQ(f->EntryRow, 1) << "nothing on an empty table is still an entry";
}

// What keys leave in the name, whether the entry stays open (Ok then ends it as typed), and that none
// reaches the game. Backspaces are in the recorded sessions.
TEST_F(ScoresTest, NameEntryKeys) {
  const std::vector<std::int16_t> elevenKeys = {
      vk::Numpad0 + 9, '8', 'Z', vk::Space, vk::Numpad0, vk::Numpad0 + 1, 'Q', 'Q', 'Q',
      vk::Numpad0 + 5, 'K'};
  // With the codes on either side of the letters', digits' and keypad digits' ranges.
  const std::vector<std::int16_t> typeNothing = {
      vk::Left,        vk::Right,      vk::Down,     vk::Up,      vk::Shift,  vk::Control,
      vk::Menu,        vk::Escape,     vk::Pause,    vk::Tab,     186,        vk::OemMinus,
      vk::Multiply,    vk::Add,        vk::Subtract, vk::Decimal, vk::Divide, vk::F1,
      vk::F2,          vk::F1 + 11,    255,          vk::A - 1,   vk::A + 26, vk::Digit0 - 1,
      vk::Digit0 + 10, vk::Numpad0 - 1};
  // What is typed, with which shift; whether the entry stays open, and the name it leaves.
  const std::tuple<const char*, std::vector<std::int16_t>, std::int16_t, bool, const char*> cases[] = {
      {"letters and digits, whatever the shift", {'A', 'B', '1'}, vk::ShiftMask, true, "AB1"},
      {"the tenth character ends it, an eleventh goes nowhere", elevenKeys, 0, false, "98Z 01QQQ5"},
      {"return at once keeps an empty name", {vk::Return, 'X'}, 0, false, ""},
      {"keys that type nothing", typeNothing, 0, true, ""}};
  // A game is under way and not paused: a key that leaked through to it would move its beer.
  spawns({{1, 7}});
  startGame(now() + 10);
  runUntil(now() + 300);
  for (const auto& [what, keys, shift, open, name] : cases) {
    SCOPED_TRACE(what);
    enterScore(7);
    f->Paused = false;
    const std::int32_t x = f->BeerX, y = f->BeerY;
    press(keys, shift);
    EXPECT_EQ(f->BeerX, x);
    EXPECT_EQ(f->BeerY, y);
    EXPECT_EQ(f->HighScoreNames[1], name);
    EXPECT_EQ(f->EnteringName, open);
    EXPECT_EQ(menuShown(), !open);
    if (open) {
      host.click(now() + 1, f->pctOk);
      runUntil(now() + 2);
      EXPECT_FALSE(f->EnteringName);
      EXPECT_EQ(f->HighScoreNames[1], name);
    }
  }
}

// The cursor stands level with the letters of its own row, from their top to their baseline, on an
// empty table, where the row below has no letter to tell the rows apart.
TEST_F(ScoresTest, TheCursorStandsInItsOwnRow) {
  enterScore(7);
  press({'A'});
  // The first and last row, from the entry row's top, where a letter cell of it shows anything
  // against black; the rows above and below are looked at too.
  const auto shownRows = [this](std::size_t position) {
    const std::int32_t left =
        f->pctScoreBoard.pixelLeft() + f->ScoreLetterX[position] / host.twipsPerPixelX();
    const std::int32_t top = f->pctScoreBoard.pixelTop() + f->ScoreRowY[1] / host.twipsPerPixelY();
    std::pair<std::int32_t, std::int32_t> rows{-1, -1};
    for (std::int32_t y = top - 23; y < top + 46; ++y) {
      for (std::int32_t x = left; x < left + 22; ++x) {
        const platform::Pixel p = host.screen().at(x, y);
        if (((p >> 16) & 0xFF) > 24 || ((p >> 8) & 0xFF) > 24 || (p & 0xFF) > 24) {
          rows = {rows.first < 0 ? y - top : rows.first, y - top};
        }
      }
    }
    return rows;
  };
  ASSERT_GE(shownRows(1).first, 0) << "the A shows";
  EXPECT_EQ(shownRows(2), shownRows(1)) << "the cursor's rows, the letter A's before it";
}

// The score board lies exactly over the well as its guide lines frame it: from the well's left and top
// margin (4 and 8 pixels outside the cells) to one pixel past the last column and row of cells.
TEST_F(ScoresTest, TheBoardLiesExactlyOverTheWell) {
  enterScore(7);
  const std::int32_t right = f->ColumnX[frmMain::kLastColumn] + f->CellWidth + 1;
  const std::int32_t bottom = f->RowY[frmMain::kLastRow] + f->CellHeight + 1;
  const platform::Rect well{f->ColumnX[0] - 4, f->RowY[0] - 8, right - (f->ColumnX[0] - 4),
                            bottom - (f->RowY[0] - 8)};
  EXPECT_EQ(f->pctScoreBoard.pixelBounds(), well);
}

// A hand-edited store may hold a longer name or score than the board has places for: the first ten
// letters and seven digits show, and nothing else in their row.
TEST_F(ScoresTest, ARowShowsTenLettersAndSevenDigitsAtMost) {
  f->HighScoreNames[1] = "ABCDEFGHIJKL";
  f->HighScores[1] = 12345678;
  f->ShowScoreBoard(false, 0);
  EXPECT_TRUE(scoreBoardRows(*f).starts_with("scoreboard ABCDEFGHIJ 1234567 |")) << scoreBoardRows(*f);
  const platform::Surface& board = *f->pctScoreBoard.drawing();
  const std::int32_t cell = f->pctAlpha[0].pixelWidth(), top = platform::twipsToPixels(f->ScoreRowY[1]);
  const std::int32_t nameEnd = platform::twipsToPixels(f->ScoreLetterX[10]) + cell;
  const std::int32_t scoreStart = f->ColumnX[9], scoreEnd = scoreStart + 7 * cell;
  for (std::int32_t x = 0; x < board.width(); ++x) {
    for (std::int32_t y = top;
         y < top + f->pctAlpha[0].pixelHeight() && ((x >= nameEnd && x < scoreStart) || x >= scoreEnd); ++y) {
      ASSERT_EQ(board.at(x, y), platform::kBlack)
          << "something shows at " << x << "," << y << " beside the first row";
    }
  }
}

// Clear on an idle board is in the recorded sessions; during an entry it keeps only the new score.
TEST_F(ScoresTest, ClearDuringANameEntryRestartsItAtRowOne) {
  ten(900, 100);
  enterScore(750);
  press({'X', 'Y'});
  host.click(now() + 1, f->pctClear);
  runUntil(now() + 2);
  EXPECT_TRUE(f->EnteringName);
  EXPECT_EQ(f->EntryRow, 1);
  EXPECT_EQ(f->HighScores, (std::array<std::int32_t, 11>{0, 750}));
  press({'Z'});
  EXPECT_EQ(f->HighScoreNames[1], "Z");
}

TEST_F(ScoresTest, EveryWayANameEntryEndsSavesItAtOnceOverWhatAnotherGameSaved) {
  const std::vector<std::pair<const char*, std::vector<std::int16_t>>> endings = {
      {"Enter", {'J', 'O', vk::Return}},
      {"the tenth character", {'J', 'O', 'J', 'O', 'J', 'O', 'J', 'O', 'J', 'O'}},
      {"Ok", {'J', 'O'}}};
  for (const auto& [ending, keys] : endings) {
    SCOPED_TRACE(ending);
    // Another game, open at the same time, saved its entry after this one started.
    host.store.saved["Frothwick"] =
        platform::IniDocument::parse("[Settings]\nHighScoreName1=OTHER\nHighScore1=900\n");
    enterScore(500);
    press(keys);
    if (f->EnteringName) {
      host.click(now() + 1, f->pctOk);
      runUntil(now() + 2);
    }
    const platform::IniDocument& saved = host.store.saved["Frothwick"];
    EXPECT_EQ(saved.get("Settings", "HighScoreName1"), "OTHER");
    EXPECT_EQ(saved.get("Settings", "HighScoreName2"), f->HighScoreNames[1]);
    EXPECT_EQ(saved.get("Settings", "HighScore2"), "500");
  }
}

// The end of a game holds keys back for two seconds, then sleeps until the name is given.
TEST_F(ScoresTest, TheEndOfAGameSleepsUntilTheNameIsGiven) {
  startGame(now() + 10);
  const std::uint32_t over = now() + 100;
  host.at(over, [this] { // the last life goes
    f->Score = 500;
    f->Lives = 0;
  });
  host.key(over + 1000, 'B');
  host.key(over + 3000, 'A');
  host.key(over + 60000, vk::Return);
  int dispatches = 0; // a wait that spins would never let time pass
  host.afterDispatch = [&] {
    if (++dispatches > 100000 || (now() > over && menuShown() && !f->pctAction.visible())) {
      throw StopHere{};
    }
  };
  runUntilStopped(host);
  EXPECT_GE(now() - over, 60000U);
  EXPECT_LT(dispatches, 200) << "a minute of waiting wakes only for the banner and the keys";
  EXPECT_EQ(f->HighScoreNames[1], "A");
}

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
  // On a table just emptied even a game of no points takes the first row.
  const std::vector<TableChange> zClears = {{true, 0, ""}, {false, 0, "ZED"}};
  const std::tuple<const char*, std::vector<TableChange>, std::vector<TableChange>, std::string> cases[] = {
      {"x then y", x, y, "YO 500; ANNA 400; XAV 350; BO 300; YU 100; "},
      {"y then x", y, x, "YO 500; ANNA 400; XAV 350; BO 300; YU 100; "},
      {"y then a game that cleared", y, xClears, "XC 50; "},
      {"a game that cleared then y", xClears, y, "YO 500; YU 100; XC 50; "},
      {"y then a game of no points that cleared", y, zClears, "ZED 0; "}};
  for (const auto& [what, first, second, want] : cases) {
    IniDocument store = IniDocument::parse(kStored);
    ApplyTableChanges(store, first);
    store = IniDocument::parse(store.serialize());
    ApplyTableChanges(store, second);
    EXPECT_EQ(tableOf(store), want) << what;
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

// Scores as people write them: beyond the score's range is the largest score, below zero is none; and
// an entry that moves keeps the text it was written with.
TEST(TableChanges, StoredScoresReadAsMeantAndMoveAsWritten) {
  constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
  const std::pair<const char*, std::int32_t> read[] = {{" +300 ", 300},
                                                       {"2147483647", kLargest},
                                                       {"3000000000", kLargest},
                                                       {"99999999999999999999", kLargest},
                                                       {"-5", 0},
                                                       {"-3000000000", 0},
                                                       {"+-3", 0},
                                                       {"12abc", 0},
                                                       {"", 0}};
  for (const auto& [text, score] : read) {
    EXPECT_EQ(scores::ParseScore(text), score) << '"' << text << '"';
  }
  IniDocument store = IniDocument::parse("[Settings]\nHighScoreName1=BIG\nHighScore1=3000000000\n"
                                         "HighScoreName2=NEG\nHighScore2=-5\n");
  ApplyTableChanges(store, {{false, 100, "NEW"}});
  EXPECT_EQ(tableOf(store), "BIG 2147483647; NEW 100; NEG 0; ");
  EXPECT_EQ(store.get("Settings", "HighScore1"), "3000000000");
  EXPECT_EQ(store.get("Settings", "HighScore3"), "-5");
}

} // namespace
