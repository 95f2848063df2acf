// A bot that plays hundreds of short seeded games with random keys and clicks on every button the
// player can reach, and checks after every event that the board, the lives, the score and the speed
// stay where the game can draw and count them. Each game has its own seed, for the game's random
// draws and for the bot's moves alike, so a failure names the one game to look at.
#include "TestHost.h"
#include "platform/KeyCodes.h"
#include "window/frmMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

namespace {

namespace vk = platform::vk;

// How much is played: many games, each cut short after a few virtual minutes so that the whole soak
// stays well inside two minutes of real time in the sanitizer build. Starting the program paints the
// whole window several times, which costs more than a short game, so one program plays a run of games
// one after the other, as a player does.
constexpr int kGames = 300;
constexpr int kGamesPerProgram = 20;
constexpr std::uint32_t kFirstSeed = 20240611;
constexpr std::uint32_t kGameVirtualMs = 40 * 1000;
// Once a game's time is up the bot closes any panel and ends the game; a window that does not come
// back to its menu within this long is stuck.
constexpr std::uint32_t kWindUpLimitMs = 60 * 1000;
// The bot acts every so often; most actions are keys, a few are clicks.
constexpr std::uint32_t kMinGapMs = 5;
constexpr std::uint32_t kMaxGapMs = 400;
constexpr std::uint32_t kClickPercent = 3;
// Every so often a game is played as a veteran's would be, deep into the score, so that the fastest
// steps, the longest falls and the roll-over at ten million are played too.
constexpr int kVeteranEvery = 3;
// Half the veterans are this close to ten million, so that the roll-over is reached within a game.
constexpr std::int32_t kNearRollOver = 3000;
// Every so often the window is closed mid-game and the program starts again on the same store.
constexpr int kCloseEvery = 50;
// Every so often a program's tick counter starts a little before it wraps.
constexpr int kWrapEvery = 5;
constexpr std::uint32_t kWrapLeadMs = 30 * 1000;

// What the game can hold and draw.
constexpr std::int16_t kMaxCellValue = 7;
constexpr std::int16_t kMaxFrame = 7;
constexpr std::int16_t kMaxLives = 3;
constexpr std::int32_t kScoreLimit = 10000000;
constexpr std::int16_t kFastestStep = 12;
// Row 20 and column 15 lie outside the board: the game reads them as empty and must never write them.
constexpr std::size_t kOutsideRow = 20;
constexpr std::size_t kOutsideColumn = 15;
// How the score speeds the game up: every 10,000 points two milliseconds off the step down to the
// fastest, then one pixel more per step up to a whole cell.
constexpr std::int32_t kPointsPerSpeedUp = 10000;
constexpr std::int32_t kFirstStepDelay = 80;
constexpr std::int32_t kFirstFallStep = 5;

// Ends the current game where the bot wants: thrown from the watch after an event.
struct GameTimeUp {};
// A broken rule, thrown to stop the game that broke it.
struct RuleBroken {
  std::string what;
};

// The test host with each game's own random draws, reading each picture file once for the whole
// soak: decoding the window's hundred pictures for every program would cost more than the games.
// Every load still hands out a copy of its own, as a load from disk does, since the game tells
// pictures apart by identity.
class SoakHost : public platform::TestHost {
public:
  // The soak looks at the game's state, never at its pixels, so the screen is not composed.
  SoakHost(std::uint32_t startTicks, std::uint32_t seed) : TestHost(startTicks, seed) {
    composeScreen = false;
  }

  platform::PicturePtr loadPicture(const std::filesystem::path& file, platform::PixelSize size) override {
    static std::map<std::string, platform::PicturePtr> decoded;
    auto it = decoded.find(file.filename().string());
    if (it == decoded.end()) {
      it = decoded.emplace(file.filename().string(), TestHost::loadPicture(file, size)).first;
    }
    return it->second ? std::make_shared<const platform::Picture>(*it->second) : nullptr;
  }

  float rnd() override { return static_cast<float>(draws_() >> 8) * (1.0F / 16777216.0F); }
  void reseed(std::uint32_t seed) { draws_.seed(seed); }

private:
  std::mt19937 draws_;
};

struct Totals {
  std::uint64_t gamesStarted = 0;
  int restarts = 0;
  int veterans = 0;
  int rollOvers = 0;
};

// One program on one host, playing a run of seeded games.
class Program {
public:
  explicit Program(int firstGame)
      : host_(startTicks(firstGame), kFirstSeed + static_cast<std::uint32_t>(firstGame)) {
    host_.afterDispatch = [this] { watch(); };
  }

  // Plays one game; returns an empty string, or what went wrong.
  std::string play(int game, Totals& totals) {
    totals_ = &totals;
    game_ = game;
    seed_ = kFirstSeed + static_cast<std::uint32_t>(game);
    bot_.seed(seed_);
    host_.reseed(seed_);
    start_ = host_.tickCount();
    const std::uint32_t numberBefore = gameNumber();
    host_.at(start_ + 1, mine([this] { clickNow(f_->pctNew); }));
    if (game % kVeteranEvery == 0) {
      host_.at(start_ + 2, mine([this, &totals] { totals.veterans += makeVeteran() ? 1 : 0; }));
    }
    if (game % kCloseEvery == kCloseEvery / 2) {
      host_.at(start_ + draw(1000, kGameVirtualMs - 1000), mine([this] { host_.close(host_.tickCount()); }));
    }
    host_.at(start_ + 3, mine([this] { act(); }));
    std::string problem = run(totals);
    totals.gamesStarted += gameNumber() - numberBefore;
    return problem;
  }

private:
  static std::uint32_t startTicks(int firstGame) {
    if ((firstGame / kGamesPerProgram) % kWrapEvery == kWrapEvery - 1) {
      return 0U - kWrapLeadMs;
    }
    return 1000U + static_cast<std::uint32_t>(firstGame);
  }

  // The games started by every program on this host so far.
  std::uint32_t gameNumber() const { return earlier_ + (f_ ? f_->GameNumber : 0); }

  std::string run(Totals& totals) {
    for (;;) {
      try {
        if (!f_) {
          f_ = std::make_unique<frmMain>(host_);
          f_->Load();
        }
        for (;;) {
          host_.doEvents();
          host_.waitForEvents(UINT32_MAX);
        }
      } catch (const GameTimeUp&) {
        return {};
      } catch (const RuleBroken& broken) {
        return broken.what;
      } catch (const platform::ProgramEnd& end) {
        if (end.status != 0) {
          return where() + "the program ended with status " + std::to_string(end.status);
        }
        // The player starts the game again, and a new game in it.
        ++totals.restarts;
        earlier_ += f_->GameNumber;
        f_.reset();
        host_.at(host_.tickCount() + 1, mine([this] { clickNow(f_->pctNew); }));
      } catch (const std::exception& error) {
        return where() + "exception: " + error.what();
      } catch (const platform::ScriptExhausted&) {
        return where() + "the program waited with nothing left to wake it";
      } catch (...) {
        return where() + "an unknown exception";
      }
    }
  }

  // A scripted step that belongs to the current game only; one left over from an earlier game that
  // ended before it came due does nothing.
  template <typename Step> std::function<void()> mine(Step step) {
    return [this, game = game_, step] {
      if (game == game_ && f_) {
        step();
      }
    };
  }

  std::uint32_t draw(std::uint32_t low, std::uint32_t high) {
    return std::uniform_int_distribution<std::uint32_t>(low, high)(bot_);
  }

  std::uint32_t elapsed() { return host_.tickCount() - start_; }

  std::string where() {
    std::ostringstream out;
    out << "game " << game_ << " (seed " << seed_ << ") at " << elapsed() << " ms: ";
    return out.str();
  }

  void clickNow(const platform::Control& control) { host_.click(host_.tickCount(), control); }

  // As if this player had already scored this much in the game under way.
  bool makeVeteran() {
    if (f_->Lives == 0 || f_->GameOver) {
      return false;
    }
    const auto score = static_cast<std::int32_t>(draw(0, 1) == 0 ? kScoreLimit - draw(1, kNearRollOver)
                                                                 : draw(0, kScoreLimit - 1));
    const std::int32_t speedUps = score / kPointsPerSpeedUp;
    const std::int32_t toFastest = (kFirstStepDelay - kFastestStep) / 2;
    f_->Score = score;
    f_->StepDelay =
        static_cast<std::int16_t>(std::max(kFirstStepDelay - 2 * speedUps, std::int32_t{kFastestStep}));
    f_->FallStep = std::clamp(kFirstFallStep + speedUps - toFastest, kFirstFallStep, f_->CellHeight);
    return true;
  }

  // One move of the bot, and the next one scheduled. Once the game's time is up the bot only closes
  // panels, so that the game can end with the window at its menu.
  void act() {
    host_.at(host_.tickCount() + draw(kMinGapMs, kMaxGapMs), mine([this] { act(); }));
    const std::uint32_t now = host_.tickCount();
    if (elapsed() >= kGameVirtualMs) {
      if (f_->pctOk.visible()) {
        clickNow(f_->pctOk);
      } else if (f_->pctAboutText3.visible()) {
        clickNow(f_->pctAboutText3);
      }
      return;
    }
    if (draw(0, 99) < kClickPercent) {
      clickNow(button());
      return;
    }
    const std::int16_t code = key();
    auto shift = static_cast<std::int16_t>(draw(0, 7));
    if (code == vk::Q) {
      shift &= ~vk::CtrlMask; // the bot leaves the program only by the scripted closes
    }
    host_.key(now, code, shift);
  }

  const platform::Control& button() {
    frmMain& f = *f_;
    const std::array<const platform::Control*, 10> buttons = {
        &f.pctNew,        &f.pctAction,
        &f.pctAbout,      &f.pctAboutText2,
        &f.pctAboutText3, &f.pctScores,
        &f.pctClear,      &f.pctOk,
        &f.pctSound,      &f.imgAd[static_cast<std::size_t>(f.AdIndex)]};
    return *buttons[draw(0, buttons.size() - 1)];
  }

  std::int16_t key() {
    switch (draw(0, 9)) {
    case 0:
    case 1:
    case 2:
      return static_cast<std::int16_t>(vk::Left + draw(0, 3)); // the arrows
    case 3:
    case 4:
      return vk::Space;
    case 5:
      return static_cast<std::int16_t>(vk::A + draw(0, 25));
    case 6:
      return static_cast<std::int16_t>(vk::Digit0 + draw(0, 9));
    case 7:
      return draw(0, 1) == 0 ? vk::Return : vk::Back;
    case 8: {
      static constexpr std::array<std::int16_t, 14> kOthers = {
          vk::Tab, vk::Shift,    vk::Control, vk::Menu,   vk::Escape, vk::Numpad0,  vk::Multiply,
          vk::Add, vk::Subtract, vk::Decimal, vk::Divide, vk::F1,     vk::OemMinus, 0};
      return kOthers[draw(0, kOthers.size() - 1)];
    }
    default:
      return static_cast<std::int16_t>(draw(0, 255));
    }
  }

  void check(bool holds, const char* rule) {
    if (!holds) {
      throw RuleBroken{where() + rule};
    }
  }

  // The window is back at its menu with no panel over the board: a game can end here.
  bool atMenu() const {
    const frmMain& f = *f_;
    return f.pctNew.visible() && !f.EnteringName && !f.pctScoreBoard.visible() &&
           !f.pctAboutText1.visible() && !f.pctCop.visible();
  }

  // After every event: the rules, then the end of this game's time.
  void watch() {
    if (!f_) {
      return; // a new program is starting up
    }
    const frmMain& f = *f_;
    // The rows lie one after another in memory: one plain pass over them keeps the watch cheap in
    // the sanitizer build, where it runs after every one of millions of events.
    constexpr std::size_t kColumns = std::tuple_size_v<decltype(frmMain::Board)::value_type>;
    constexpr std::size_t kCells = std::tuple_size_v<decltype(frmMain::Board)> * kColumns;
    const std::int16_t* const values = f.Board.front().data();
    const std::int16_t* const frames = f.BoardFrame.front().data();
    for (std::size_t i = 0; i < kCells; ++i) {
      const std::int16_t value = values[i];
      const std::int16_t frame = frames[i];
      const std::size_t r = i / kColumns;
      const std::size_t c = i % kColumns;
      if (value < 0 || value > kMaxCellValue || frame < 0 || frame > kMaxFrame ||
          ((r == kOutsideRow || c == kOutsideColumn) && (value != 0 || frame != 0))) {
        throw RuleBroken{where() + "cell (" + std::to_string(r) + ", " + std::to_string(c) + ") holds " +
                         std::to_string(value) + " frame " + std::to_string(frame)};
      }
    }
    check(f.Lives >= 0 && f.Lives <= kMaxLives, "lives out of range");
    check(f.Score >= 0 && f.Score < kScoreLimit, "score out of range");
    if (f.GameNumber == lastGameNumber_ && lastScore_ >= kScoreLimit - kNearRollOver &&
        f.Score < kNearRollOver) {
      ++totals_->rollOvers;
    }
    lastScore_ = f.Score;
    lastGameNumber_ = f.GameNumber;
    check(f.GameNumber == 0 || f.StepDelay >= kFastestStep, "steps faster than the fastest");
    check(f.FallStep <= f.CellHeight, "falls further than a cell in one step");
    if (elapsed() >= kGameVirtualMs) {
      if (atMenu()) {
        throw GameTimeUp{};
      }
      check(elapsed() < kGameVirtualMs + kWindUpLimitMs, "the window did not come back to its menu");
    }
  }

  SoakHost host_;
  std::unique_ptr<frmMain> f_;
  std::mt19937 bot_;
  int game_ = -1;
  std::uint32_t seed_ = 0;
  std::uint32_t start_ = 0;
  std::uint32_t earlier_ = 0;
  Totals* totals_ = nullptr;
  std::int32_t lastScore_ = 0;
  std::uint32_t lastGameNumber_ = 0;
};

TEST(soak, ThreeHundredSeededGamesKeepTheBoardScoreAndSpeedInRange) {
  Totals totals;
  int failures = 0;
  for (int first = 0; first < kGames && failures == 0; first += kGamesPerProgram) {
    Program program(first);
    for (int game = first; game < std::min(first + kGamesPerProgram, kGames); ++game) {
      const std::string problem = program.play(game, totals);
      if (!problem.empty()) {
        ADD_FAILURE() << problem;
        ++failures;
        break; // the program is in no state to play on
      }
    }
  }
  // The bot must really have played: every seed starts at least one game.
  EXPECT_GE(totals.gamesStarted, static_cast<std::uint64_t>(kGames));
  EXPECT_GT(totals.restarts, 0);
  EXPECT_GT(totals.veterans, 0);
  EXPECT_GT(totals.rollOvers, 0);
  std::cout << "soak: " << kGames << " seeds, " << totals.gamesStarted << " games started, "
            << totals.veterans << " veteran games, " << totals.rollOvers << " roll-overs at ten million, "
            << totals.restarts << " restarts after a close\n";
}

} // namespace
