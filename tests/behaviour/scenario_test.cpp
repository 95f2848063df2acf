// Whole sessions played from tests/data/<name>.input and compared with <name>.trace; record.sh there
// records the traces again after an intended change (read the new trace before committing it).
#include "GameFixture.h"
#include "ScreenRules.h"
#include "ScreenWords.h"

#include "platform/KeyCodes.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

namespace {

namespace vk = platform::vk;
using Kind = platform::TestHost::Kind;

// Every session starts four seconds before the tick counter wraps: the game keeps its pace across it.
class Scenario : public GameTest {
protected:
  Scenario() : GameTest(0xFFFFFFFFU - 4000U) {}
  void SetUp() override {}

  // Starts the program on the store <name>.ini as an earlier session left it, plays <name>.input and
  // what the script adds, and compares all that happened, start-up included, with <name>.trace.
  void play(const std::string& name, const std::function<void()>& script) {
    std::ifstream stored(std::string(FROTHWICK_TEST_DATA "/") + name + ".ini");
    host.store.document("Frothwick") =
        platform::IniDocument::parse(std::string(std::istreambuf_iterator<char>(stored), {}));
    f = std::make_unique<frmMain>(host);
    start_ = now();
    host.onEffect = [this](const std::string& what) { what == "present" ? presented() : note(what); };
    f->Load();
    rules_.emplace(*f, host);
    feed(name, now());
    script();
    note("ended with status " + std::to_string(runToEnd()));
    std::istringstream saved(host.store.saved["Frothwick"].serialize());
    for (std::string line; std::getline(saved, line);) {
      note("saved " + line);
    }
    expectRecorded(name);
  }

  // Each line of the trace: what the player saw or heard, at its time from the start.
  void note(const std::string& line) { trace_ << now() - start_ << ' ' << line << '\n'; }

  // A line for each of the play and its board, the window, the shown controls and the score board
  // that changed since last shown.
  // Every presented screen keeps the screen rules; the first one broken fails the session.
  void presented() {
    if (rules_ && !ruleBroken_) {
      const std::string why = rules_->broken();
      ruleBroken_ = !why.empty();
      EXPECT_EQ(why, "") << "at " << now() - start_ << " ms";
    }
    std::ostringstream play, window;
    play << "score " << f->Score << " lives " << f->Lives << " delay " << f->StepDelay << " step "
         << f->FallStep << (f->Paused ? " paused" : "") << (f->GameOver ? " over" : "")
         << (f->EnteringName ? " naming" : "");
    play << " board"; // the rows that hold anything, as the kind (1..7) in each column
    for (std::size_t row = 0; row < f->Board.size(); ++row) {
      std::string cells;
      for (std::size_t column = 0; column < 15; ++column) {
        cells += static_cast<char>(f->Board[row][column] == 0 ? '.' : '0' + f->Board[row][column]);
      }
      if (cells.find_first_not_of('.') != std::string::npos) {
        play << " " << row << ":" << cells;
      }
    }
    window << "window '" << host.caption << "'" << (host.borderless ? " borderless" : "")
           << (host.minimized ? " minimized" : "") << " pointer "
           << (host.pointer == platform::MousePointer::Hand ? "hand" : "arrow") << " drags " << host.drags
           << " tips " << host.toolTips.size() << " saves " << host.store.updates << " seeded "
           << host.randomizeCalls << (host.toolTips.empty() ? "" : " '" + host.toolTips.back() + "'");
    // The score board's rows are said while it shows; the shown controls tell when it goes.
    const std::array lines{play.str(), window.str(), shownControls(*f), scoreBoardRows(*f)};
    for (std::size_t kind = 0; kind < last_.size(); ++kind) {
      if (lines[kind] != last_[kind]) {
        last_[kind] = lines[kind];
        if (!lines[kind].empty()) {
          note(lines[kind]);
        }
      }
    }
  }

  // Compares the trace with <name>.trace up to the first line that differs, or records it.
  void expectRecorded(const std::string& name) {
    const std::string file = std::string(FROTHWICK_TEST_DATA "/") + name + ".trace";
    if (std::getenv("FROTHWICK_RECORD") != nullptr) {
      std::ofstream(file) << trace_.str(); // and then read back
    }
    std::ifstream recorded(file);
    std::istringstream got(trace_.str());
    for (int line = 1; recorded || got; ++line) {
      std::string wanted = "(trace ended)", happened = "(trace ended)";
      std::getline(recorded, wanted);
      std::getline(got, happened);
      ASSERT_EQ(happened, wanted) << name << ".trace line " << line << " (recorded by tests/data/record.sh)";
    }
  }

  // Schedules tests/data/<file>.input: a line "<ms> <what> <arguments>" for each input, its time
  // counted from `from`, and notes starting with #.
  void feed(const std::string& file, std::uint32_t from) {
    std::ifstream in(std::string(FROTHWICK_TEST_DATA "/") + file + ".input");
    ASSERT_TRUE(in) << file << ".input is missing";
    for (std::string line; std::getline(in, line);) {
      std::istringstream words(line);
      std::uint32_t at = 0;
      std::string what, name;
      if (!(words >> at >> what)) {
        continue; // a note
      }
      at += from;
      if (what == "key") {
        std::int16_t shift = 0;
        words >> name;
        for (std::string modifier; words >> modifier;) {
          shift = static_cast<std::int16_t>(shift | (modifier == "shift" ? vk::ShiftMask : vk::CtrlMask));
        }
        host.key(at, keyCode(name), shift);
      } else if (what == "click") { // found where it is when clicked: the about panel moves its parts
        words >> name;
        host.at(at, [this, name] { host.click(now(), control(name)); });
      } else if (what == "beer" || what == "raid") {
        int kind = 0, column = 0;
        words >> kind >> column;
        host.at(at, [this, raid = what == "raid", kind, column] {
          std::vector<float> draws = spawnDraws(std::array{std::pair{kind, column}});
          draws.front() = raid ? kRaidDraw : 0.0F;
          host.randomValues(draws);
        });
      } else if (what == "leave") {
        host.at(at, [this] { f->form().mouseLeave(); });
      } else { // a move or a press at a point from a control's top-left corner or the window's
        static const std::map<std::string, Kind> kinds{
            {"move", Kind::MouseMove}, {"press", Kind::MouseDown},   {"close", Kind::Close},
            {"expose", Kind::Expose},  {"minimize", Kind::Minimize}, {"restore", Kind::Restore}};
        std::int16_t button = 0;
        std::int32_t x = 0, y = 0;
        words >> name >> x >> y >> button;
        const platform::Rect origin =
            name.empty() || name == "window" ? platform::Rect{} : control(name).pixelBounds();
        host.schedule(at, kinds.at(what), button, 0, origin.x + x, origin.y + y);
      }
    }
  }

  // A control the sessions use, by the name the window's design gives it.
  const platform::Control& control(const std::string& name) const {
    for (const platform::Control* c : std::initializer_list<const platform::Control*>{
             &f->pctNew, &f->pctScores, &f->pctAbout, &f->pctAboutText2, &f->pctAboutText3, &f->pctAction,
             &f->pctOk, &f->pctClear, &f->pctSound, &f->pctMinimizeIcon, &f->pctExitIcon, &f->imgAd[0]}) {
      if (c->name() == name) {
        return *c;
      }
    }
    throw std::invalid_argument("no control named " + name);
  }

  // A letter or a digit is its own key code; other keys go by name or by code.
  static std::int16_t keyCode(const std::string& name) {
    static const std::map<std::string, std::int16_t> named{
        {"Back", vk::Back}, {"Return", vk::Return}, {"Escape", vk::Escape}, {"Space", vk::Space},
        {"Left", vk::Left}, {"Up", vk::Up},         {"Right", vk::Right},   {"Down", vk::Down},
        {"F1", vk::F1},     {"F2", vk::F2}};
    const auto it = named.find(name);
    return it != named.end()  ? it->second
           : name.size() == 1 ? name[0]
                              : static_cast<std::int16_t>(std::stoi(name));
  }

  // Drops each beer as it appears; once a name is asked for, types game_name.input.
  void dropEachBeer() {
    host.at(now() + 170, [this] {
      if (f->EnteringName) {
        feed("game_name", now());
        return;
      }
      host.key(now(), vk::Space);
      dropEachBeer();
    });
  }

  std::ostringstream trace_;
  std::uint32_t start_ = 0;
  std::array<std::string, 4> last_; // the last line of each kind
  std::optional<ScreenRules> rules_;
  bool ruleBroken_ = false;
};

// Blocks at both edges in both shapes, a raid and a stacked column, then the name saved over the table.
TEST_F(Scenario, AGameOfBlocksRaidAndStackedColumnToTheHighScoreTable) {
  play("game", [this] { dropEachBeer(); });
}

// The furniture around an idle game; hidden twice, the menu comes back once without the play button.
TEST_F(Scenario, TheWindowsFurnitureAroundAnIdleGame) {
  play("furniture", [this] {
    host.at(now() + 17000, [this] {
      f->pctAction.setVisible(true);
      f->HideMenu();
      f->HideMenu();
      f->ShowMenu();
    });
  });
}

// The furniture while a game runs: what pauses it, what lets it run on, and what goes on meanwhile.
TEST_F(Scenario, TheWindowsFurnitureAroundARunningGame) {
  play("furniture_in_game", [] {});
}

// A game with the sound off interrupted every way and closed: the table keeps its entries, nothing asked.
TEST_F(Scenario, AGameInterruptedEveryWayAndClosed) {
  play("interrupted", [] {});
}

// The player's keys at the board's edges; later beers are pushed at the stacks there as they enter the
// row beside a stack's top, where only the row being entered decides.
TEST_F(Scenario, KeysSteerAndDropBeersAtTheEdges) {
  play("keys", [this] {
    for (std::uint32_t probe = 2410; probe < 30000; probe += 40) {
      host.at(now() + probe, [this] {
        if (f->BeerY > f->RowY[17]) {
          host.key(now(), f->BeerX < 240 ? vk::Left : vk::Right);
        }
      });
    }
  });
}

// A veteran's game, the score set ahead at moments, through roll-overs and speed-ups to its end.
TEST_F(Scenario, AVeteransGameSpeedsUpAndRollsOver) {
  play("veteran", [this] {
    // When, the score, the step delay and the fall step.
    const std::int32_t setAhead[][4] = {{500, 9999950, 80, 5},  {2000, 9900, 80, 5},
                                        {4000, 349900, 14, 5},  {6000, 359900, 12, 5},
                                        {8000, 509950, 12, 19}, {10000, 519950, 12, 20}};
    for (const auto& [at, score, delay, step] : setAhead) {
      host.at(now() + at, [this, score = score, delay = delay, step = step] {
        f->Score = score;
        f->StepDelay = static_cast<std::int16_t>(delay);
        f->FallStep = step;
        f->AddScore(0); // the digits read the score set ahead
      });
    }
    host.afterDispatch = [this, rolled = false, over = false]() mutable {
      if (f->Lives == 2 && !rolled) {
        f->Score = 9999800;
        f->AddScore(0);
        rolled = true;
      }
      if (f->Lives == 0 && !over) {
        feed("veteran_over", now());
        over = true;
      }
    };
  });
}

// A hand-edited table as the board shows it and saves it back, with a new entry of 120 points.
TEST_F(Scenario, AHandEditedTableOnTheScoreBoard) {
  play("hand_edited", [this] {
    host.at(now() + 2000, [this] {
      f->Score = 120;
      f->AddScore(0);
      f->CheckHighScore();
    });
  });
}

} // namespace
