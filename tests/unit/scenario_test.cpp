// Whole sessions compared line by line with their traces under tests/data/ (re-recorded by
// tests/data/record.sh after an intended change; read the new trace before committing it).
#include "GameFixture.h"

#include "platform/KeyCodes.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iomanip>
#include <sstream>

namespace {

namespace vk = platform::vk;

// What the player sees and hears, in order: a line for every change of the screen, play, board or
// window, and for every sound, web page and message, each at its time from the start.
class Trace {
public:
  Trace(platform::TestHost& host, frmMain& game) : host_(host), game_(game), start_(host.tickCount()) {
    host_.onEffect = [this](const std::string& what) { effect(what); };
  }
  ~Trace() {
    host_.onEffect = [](const std::string&) {};
  }
  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;

  void note(const std::string& line) { out_ << host_.tickCount() - start_ << ' ' << line << '\n'; }
  std::string text() const { return out_.str(); }

private:
  void effect(const std::string& what) {
    if (what != "present") {
      note(what);
      return;
    }
    std::ostringstream play, board, window, screen;
    play << "score " << game_.Score << " lives " << game_.Lives << " delay " << game_.StepDelay << " step "
         << game_.FallStep << (game_.Paused ? " paused" : "") << (game_.GameOver ? " over" : "")
         << (game_.EnteringName ? " naming" : "");
    board << "board"; // the rows that hold anything, as the kind (1..7) in each column
    for (std::size_t row = 0; row < game_.Board.size(); ++row) {
      std::string cells;
      for (std::size_t column = 0; column < 15; ++column) {
        cells += static_cast<char>(game_.Board[row][column] == 0 ? '.' : '0' + game_.Board[row][column]);
      }
      if (cells.find_first_not_of('.') != std::string::npos) {
        board << " " << row << ":" << cells;
      }
    }
    window << "window '" << host_.caption << "'" << (host_.borderless ? " borderless" : "")
           << (host_.minimized ? " minimized" : "") << " pointer "
           << (host_.pointer == platform::MousePointer::Hand ? "hand" : "arrow") << " drags " << host_.drags
           << " tips " << host_.toolTips.size() << " saves " << host_.store.updates << " seeded "
           << host_.randomizeCalls << (host_.toolTips.empty() ? "" : " '" + host_.toolTips.back() + "'");
    std::uint64_t hash = 14695981039346656037ULL; // FNV-1a over every pixel
    for (const platform::Pixel pixel : host_.screen().pixels()) {
      hash = (hash ^ pixel) * 1099511628211ULL;
    }
    screen << "screen " << std::hex << std::setw(16) << std::setfill('0') << hash;
    for (std::size_t kind = 0; kind < last_.size(); ++kind) {
      const std::string now = std::array{&play, &board, &window, &screen}[kind]->str();
      if (last_[kind] != now) {
        last_[kind] = now;
        note(now);
      }
    }
  }

  platform::TestHost& host_;
  frmMain& game_;
  std::uint32_t start_;
  std::array<std::string, 4> last_; // the last line of each kind
  std::ostringstream out_;
};

// Compares a trace with tests/data/<name>.trace up to the first line that differs, or records it.
void expectRecorded(const std::string& name, const std::string& trace) {
  const std::string file = std::string(FROTHWICK_TEST_DATA) + "/" + name + ".trace";
  if (std::getenv("FROTHWICK_RECORD") != nullptr) {
    std::ofstream(file) << trace;
    return;
  }
  std::ifstream in(file);
  ASSERT_TRUE(in) << file << " is missing: record it with tests/data/record.sh";
  std::istringstream got(trace);
  std::string wantLine, gotLine;
  for (int line = 1;; ++line) {
    const bool wanted = static_cast<bool>(std::getline(in, wantLine));
    const bool happened = static_cast<bool>(std::getline(got, gotLine));
    if (!wanted && !happened) {
      return;
    }
    ASSERT_EQ(happened ? gotLine : "(trace ended)", wanted ? wantLine : "(trace ended)")
        << name << ".trace line " << line;
  }
}

// Every session starts four seconds before the tick counter wraps: the game keeps its pace across it.
class Scenario : public GameTest {
protected:
  Scenario() : GameTest(0xFFFFFFFFU - 4000U) {}
  // Drops each beer as it appears, every `gap` ms; once a name is asked for, types it.
  void dropEvery(std::uint32_t gap, const std::vector<std::pair<std::int16_t, std::int16_t>>& name) {
    host.at(now() + gap, [this, gap, name] {
      if (!f->EnteringName) {
        host.key(now(), vk::Space);
        dropEvery(gap, name);
        return;
      }
      // Keys in the first two seconds were meant for the last beers: none types, starts or leaves.
      std::uint32_t at = now();
      for (const std::int16_t code : {vk::Space, vk::Down, vk::A, vk::Back, vk::Escape, vk::F2}) {
        host.key(at += 199, code);
      }
      host.key(at += 199, vk::N, vk::CtrlMask);
      host.key(at += 199, vk::Q, vk::CtrlMask);
      host.key(at += 199, vk::Return);
      at = now() + 2000;
      for (const auto& [code, shift] : name) {
        host.key(at += 150, code, shift);
      }
      host.expose(at + 10); // the name typed so far is painted again
      host.key(at + 150, vk::Return);
    });
  }

  // Starts the program on the store tests/data/<name>.ini, as an earlier session left it, plays the
  // scripted session to its end and compares what happened, start-up included, with the recording.
  void play(const std::string& name, const std::function<void()>& script) {
    std::ifstream stored(std::string(FROTHWICK_TEST_DATA) + "/" + name + ".ini");
    host.store.document("Frothwick") =
        platform::IniDocument::parse(std::string(std::istreambuf_iterator<char>(stored), {}));
    f = std::make_unique<frmMain>(host);
    Trace trace(host, *f);
    f->Load();
    script();
    trace.note("ended with status " + std::to_string(runToEnd()));
    std::istringstream saved(host.store.saved["Frothwick"].serialize());
    for (std::string line; std::getline(saved, line);) {
      trace.note("saved " + line);
    }
    expectRecorded(name, trace.text());
  }

  void SetUp() override {}
};

// Blocks at both edges in both shapes, kinds that do not match, a police raid, a column stacked to
// the top, then random beers until the last life; the name typed with letters, digits, shift and
// backspace is saved over the table with the sound left on.
TEST_F(Scenario, AGameOfBlocksRaidAndStackedColumnToTheHighScoreTable) {
  play("game", [this] {
    spawns({{1, 0},  {1, 1},  {1, 2},  {1, 0},  {1, 1},  {1, 2},     // wide, left edge
            {3, 13}, {3, 14}, {3, 13}, {3, 14}, {3, 13}, {3, 14},    // tall, right edge
            {4, 12}, {4, 13}, {4, 14}, {4, 12}, {4, 13}, {4, 14},    // wide, right edge
            {5, 0},  {5, 1},  {5, 0},  {5, 1},  {5, 0},  {5, 1},     // tall, left edge
            {2, 5},  {2, 6},  {2, 7},  {6, 5},  {6, 6},  {0, 7}});   // two kinds: nothing clears
    host.randomValues({1.5F / 30000.0F, 0.5F / 7.0F, 7.5F / 15.0F}); // a raid
    for (int i = 0; i < 21; ++i) {
      spawns({{i % 7, 9}});
    }
    startGame(now() + 10);
    dropEvery(170, {{vk::A, 0},
                    {vk::N, vk::ShiftMask},
                    {vk::Digit0 + 7, 0},
                    {vk::Back, 0},
                    {vk::Numpad0 + 4, 0},
                    {vk::Space, 0},
                    {static_cast<std::int16_t>(vk::A + 25), 0}});
    host.close(now() + 40 * 60000);
  });
}

// The window's furniture with no game running: tips and the hand pointer, the about panel and the
// maker's page, a banner and its turns, sound off and on, dragging, minimising, the score board, the
// command keys, and the Exit icon, which saves.
TEST_F(Scenario, TheWindowsFurnitureAroundAnIdleGame) {
  play("furniture", [this] {
    const std::uint32_t t = now();
    host.mouseMove(t + 100, f->pctNew.pixelLeft() + 5, f->pctNew.pixelTop() + 5);
    host.mouseMove(t + 900, 100, 250);
    host.click(t + 1500, f->pctAbout);
    host.at(t + 2000, [this] { host.click(now(), f->pctAboutText2); });
    host.at(t + 2500, [this] { host.click(now(), f->pctAboutText3); });
    host.click(t + 3000, f->imgAd[0]);
    host.click(t + 3500, f->pctSound);
    host.click(t + 4000, f->pctSound);
    host.mouseDown(t + 4500, 1, 100, 250);
    host.mouseDown(t + 4600, 3, f->pctNew.pixelLeft() + 5, f->pctNew.pixelTop() + 5);
    host.click(t + 5000, f->pctMinimizeIcon);
    host.restore(t + 6000);
    host.minimizeFromDesktop(t + 7000);
    host.expose(t + 8000);
    host.restore(t + 9000);
    host.click(t + 10000, f->pctScores);
    host.key(t + 11000, vk::Escape);
    host.key(t + 12000, vk::F1);
    host.key(t + 13000, vk::Escape);
    host.click(t + 14000, f->pctScores);
    host.at(t + 15000, [this] { host.click(now(), f->pctClear); });
    host.at(t + 16000, [this] { host.click(now(), f->pctOk); });
    // The pointer rests on New and leaves the window before its tip is due: no tip comes.
    host.mouseMove(t + 16200, f->pctNew.pixelLeft() + 5, f->pctNew.pixelTop() + 5);
    host.at(t + 16300, [this] { f->form().mouseLeave(); });
    // Hidden twice, the menu comes back once without the play button that no game needs.
    host.at(t + 17000, [this] {
      f->pctAction.setVisible(true);
      f->HideMenu();
      f->HideMenu();
      f->ShowMenu();
    });
    host.at(t + 7 * 60000, [this] { host.click(now(), f->pctExitIcon); });
  });
}

// The furniture while a game runs: the about panel stops it and its close mark lets it run on, the
// banner pauses it however often it is clicked, the board drags without pausing, and minimising by
// icon or desktop leaves it paused, with the banner moving on meanwhile.
TEST_F(Scenario, TheWindowsFurnitureAroundARunningGame) {
  play("furniture_in_game", [this] {
    spawns({{3, 9}, {1, 2}});
    const std::uint32_t t = now();
    startGame(t + 10);
    host.at(t + 400, [this] { host.click(now(), f->pctAbout); });
    host.at(t + 2400, [this] { host.click(now(), f->pctAboutText3); });
    host.at(t + 2900, [this] { host.click(now(), f->pctAction); });
    host.at(t + 3400, [this] { host.click(now(), f->pctAction); });
    host.mouseDown(t + 3600, 1, 100, 250);
    host.mouseDown(t + 3700, 2, 100, 250);
    host.at(t + 3900, [this] { host.click(now(), f->imgAd[0]); });
    host.at(t + 4900, [this] { host.click(now(), f->imgAd[0]); });
    host.at(t + 5900, [this] { host.click(now(), f->pctAction); });
    host.at(t + 6900, [this] { host.click(now(), f->pctMinimizeIcon); });
    host.restore(t + 7900);
    host.at(t + 8900, [this] { host.click(now(), f->pctAction); });
    host.at(t + 9900, [this] { host.click(now(), f->pctAbout); });
    host.minimizeFromDesktop(t + 10900);
    host.restore(t + 4 * 60000);
    host.at(t + 4 * 60000 + 500, [this] { host.click(now(), f->pctAboutText3); });
    host.at(t + 4 * 60000 + 1000, [this] { host.click(now(), f->pctAction); });
    host.close(t + 7 * 60000);
  });
}

// A game with the sound off, paused and resumed by button and key, looked at on the score board,
// covered and uncovered, minimised, restarted with F2, raided without a siren and left by closing the
// window: the table keeps the old entries and nothing is asked.
TEST_F(Scenario, AGameInterruptedEveryWayAndClosed) {
  play("interrupted", [this] {
    spawns({{2, 4}, {2, 4}, {6, 10}});
    const std::uint32_t t = now();
    startGame(t + 10);
    host.at(t + 1000, [this] { host.click(now(), f->pctAction); });
    host.key(t + 2000, vk::Right);
    host.key(t + 3000, vk::P);
    host.key(t + 3100, vk::Left);
    host.key(t + 3200, vk::Left);
    host.key(t + 3300, vk::Down);
    host.key(t + 3900, vk::P); // paused, then halted by the score board: Ok resumes it all the same
    host.at(t + 4000, [this] { host.click(now(), f->pctScores); });
    host.at(t + 5000, [this] { host.click(now(), f->pctOk); });
    host.expose(t + 5500);
    host.minimizeFromDesktop(t + 6000);
    host.restore(t + 7000);
    host.at(t + 8000, [this] { host.click(now(), f->pctAction); });
    host.key(t + 9000, vk::F2);
    host.key(t + 9400, vk::Right);
    host.key(t + 9500, vk::Right);
    host.key(t + 9600, vk::Right);
    host.key(t + 9700, vk::Right, vk::ShiftMask);
    host.key(t + 12000, vk::Escape);
    host.key(t + 12500, vk::Escape);
    // A raid with the sound off: the picture and the waits, no siren.
    host.randomValues({1.5F / 30000.0F, 0.5F / 7.0F, 3.5F / 15.0F});
    host.close(t + 30000);
  });
}

// The player's keys at the board's edges: Left in the first column and Right in the last do nothing,
// Shift does not change a move, other keys and keys while paused move nothing, Down and Space drop
// for points. Later beers are pushed toward the stacks at the edges while they enter the row beside
// the stack's top, where only the row being entered decides.
TEST_F(Scenario, KeysSteerAndDropBeersAtTheEdges) {
  play("keys", [this] {
    spawns({{1, 0}, {2, 14}, {3, 1}, {4, 13}, {5, 1}, {6, 13}});
    const std::uint32_t t = now();
    startGame(t + 10);
    std::uint32_t at = t + 100;
    for (const std::int16_t code : {vk::Left, vk::Up, vk::Return, vk::A, vk::Numpad0, vk::Down, vk::Space}) {
      host.key(at += 30, code);
    }
    for (const std::int16_t code : {vk::Right, vk::Right, vk::P, vk::Left, vk::Space, vk::Down, vk::P}) {
      host.key(at += 100, code);
    }
    host.key(at += 100, vk::Space);
    host.key(at += 400, vk::Left, vk::ShiftMask);
    host.key(at += 100, vk::Space);
    host.key(at += 400, vk::Right, vk::ShiftMask | vk::CtrlMask);
    host.key(at += 100, vk::Space);
    for (std::uint32_t probe = at + 300; probe - t < 30000; probe += 40) {
      host.at(probe, [this] {
        if (f->BeerY > f->RowY[17]) {
          host.key(now(), f->BeerX < 240 ? vk::Left : vk::Right);
        }
      });
    }
    host.close(t + 40000);
  });
}

// A veteran's game, the score set ahead at moments: ten million with every mug full rolls over
// without a fourth life; crossings of 10,000 speed the steps up to 12 ms, then lengthen the fall step
// up to a cell's height. Then every beer comes in the first column until the lives go, and the
// first lost life comes back at the next roll-over. The score ends below a full table: no name is
// asked, and two seconds later F2 starts afresh at the first speed with the fall step kept.
TEST_F(Scenario, AVeteransGameSpeedsUpAndRollsOver) {
  play("veteran", [this] {
    const std::uint32_t t = now();
    startGame(t + 10);
    for (std::uint32_t i = 0; i < 70; ++i) {
      host.key(t + 100 + 170 * i, vk::Space);
    }
    // Sideways at every phase of the fall while the fall step is 6 and 20, which divide no row.
    for (std::uint32_t i = 0; i < 140; ++i) {
      host.key(t + 6000 + 7 + 43 * i, i % 2 == 0 ? vk::Left : vk::Right);
    }
    host.at(t + 12000, [this] {
      for (int i = 0; i < 80; ++i) {
        spawns({{i % 7, 0}});
      }
    });
    const std::pair<std::uint32_t, std::array<std::int32_t, 3>> setAhead[] = {
        {500, {9999950, 80, 5}}, {2000, {9900, 80, 5}},    {4000, {349900, 14, 5}},
        {6000, {359900, 12, 5}}, {8000, {509950, 12, 19}}, {10000, {519950, 12, 20}}};
    for (const auto& [at, ahead] : setAhead) {
      host.at(t + at, [this, state = ahead] { // score, step delay, fall step
        f->Score = state[0];
        f->StepDelay = static_cast<std::int16_t>(state[1]);
        f->FallStep = state[2];
      });
    }
    host.afterDispatch = [this, rolled = false, over = false]() mutable {
      if (f->Lives == 2 && !rolled) {
        f->Score = 9999800;
        rolled = true;
      }
      if (f->Lives == 0 && !over) {
        host.key(now() + 1000, vk::F2); // held back
        host.key(now() + 2500, vk::F2);
        host.close(now() + 3500);
        over = true;
      }
    };
  });
}

// A hand-edited table as the board shows it and saves it back: the stored order kept, names of any
// length and bytes in ten cells, scores of any size and sign in seven, what is not a number as 0; a
// new entry goes above the first lower score, and a backspace in an empty name does nothing.
TEST_F(Scenario, AHandEditedTableOnTheScoreBoard) {
  play("hand_edited", [this] {
    const std::uint32_t t = now();
    host.click(t + 100, f->pctScores);
    host.at(t + 1000, [this] { host.click(now(), f->pctOk); });
    host.at(t + 2000, [this] {
      f->Score = 120;
      f->CheckHighScore();
    });
    host.key(t + 2100, 'Z');
    host.key(t + 2200, vk::Back);
    host.key(t + 2300, vk::Back);
    host.key(t + 2400, 'B');
    host.at(t + 4000, [this] { host.click(now(), f->pctOk); });
    host.close(t + 5000);
  });
}

} // namespace
