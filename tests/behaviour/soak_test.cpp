// A bot plays hundreds of seeded games with random keys and clicks, some deep into the score, checking
// after every event that board, lives, score and speed stay in range, and at every presentation the
// screen rules. A failure names its seed.
#include "GameFixture.h"
#include "ScreenRules.h"
#include "window/Frothwick.h"

#include "platform/KeyCodes.h"

#include <array>
#include <optional>
#include <random>
#include <string_view>

namespace {

namespace vk = platform::vk;

constexpr std::uint32_t kFirstSeed = 20240611;
constexpr std::uint32_t kGameMs = 40 * 1000;
constexpr std::int32_t kScoreLimit = 10000000;

class Bot {
public:
  explicit Bot(std::uint32_t seed) : host_(kFrothwick, 1000, seed), game_(host_) {
    host_.composeScreen = false; // the screen rules read the window's canvas; the screen is not composed
    game_.Load();
    rules_.emplace(game_, host_);
    host_.afterDispatch = [this] { watch(); };
    host_.onEffect = [this](const std::string& effect) {
      if (effect == "present") {
        const std::string why = rules_->broken();
        check(why.empty(), why);
      }
    };
  }

  // Plays one more game on the same program, to its time; returns what went wrong, if anything.
  std::string play(std::uint32_t seed, bool veteran) {
    moves_.seed(seed);
    start_ = host_.tickCount();
    // As if the player had already scored this much, half the time just short of the roll-over. A new
    // game keeps the fall step, so it is set before New, while no beer falls: changed under a falling
    // beer it would no longer say where the last step drew it.
    const auto score =
        static_cast<std::int32_t>(draw(0, 1) == 0 ? kScoreLimit - draw(1, 3000) : draw(0, kScoreLimit - 1));
    if (veteran) {
      game_.FallStep = std::clamp(score / 10000 - 29, 5, game_.CellHeight);
    }
    host_.click(start_ + 1, game_.pctNew);
    if (veteran) {
      host_.at(start_ + 2, [this, score] {
        game_.Score = score;
        game_.StepDelay = static_cast<std::int16_t>(std::max(80 - 2 * (score / 10000), 12));
        game_.AddScore(0); // the digits read the score
      });
    }
    host_.at(start_ + 3, [this, game = ++games_] { act(game); });
    broken_.clear();
    try {
      runUntilStopped(host_);
      return broken_;
    } catch (const platform::ProgramEnd& end) {
      return "the program ended with status " + std::to_string(end.status);
    } catch (const platform::ScriptExhausted&) {
      return "the program waited with nothing left to wake it";
    }
  }

private:
  std::uint32_t draw(std::uint32_t low, std::uint32_t high) {
    return std::uniform_int_distribution<std::uint32_t>(low, high)(moves_);
  }
  std::uint32_t elapsed() { return host_.tickCount() - start_; }
  void clickNow(const platform::Control& control) { host_.click(host_.tickCount(), control); }

  // One move, and the next one scheduled. Once the time is up the bot only closes panels.
  void act(int game) {
    if (game != games_) {
      return; // a move left over from the game before
    }
    host_.at(host_.tickCount() + draw(5, 400), [this, game] { act(game); });
    frmMain& f = game_;
    if (elapsed() >= kGameMs) {
      for (const platform::Control* panel : {&f.pctOk, &f.pctAboutText3}) {
        if (panel->visible()) {
          clickNow(*panel);
        }
      }
    } else if (draw(0, 99) < 3) {
      const platform::Control& ad = f.imgAd[static_cast<std::size_t>(f.AdIndex)];
      const std::array<const platform::Control*, 10> buttons = {
          &f.pctNew,    &f.pctAction, &f.pctAbout, &f.pctAboutText2, &f.pctAboutText3,
          &f.pctScores, &f.pctClear,  &f.pctOk,    &f.pctSound,      &ad};
      clickNow(*buttons[draw(0, buttons.size() - 1)]);
    } else {
      // Mostly the game's own keys, else any key; never Ctrl+Q, which leaves the program.
      static constexpr std::array<std::int16_t, 6> kPlayed = {vk::Left, vk::Right, vk::Down,
                                                              vk::Up,   vk::Space, vk::Space};
      const auto code =
          draw(0, 1) == 0 ? kPlayed[draw(0, kPlayed.size() - 1)] : static_cast<std::int16_t>(draw(0, 255));
      host_.key(host_.tickCount(), code,
                static_cast<std::int16_t>(draw(0, 7) & (code == vk::Q ? ~vk::CtrlMask : 7)));
    }
  }

  void check(bool holds, std::string_view rule) {
    if (!holds) {
      broken_ = "at " + std::to_string(elapsed()) + " ms: " + std::string(rule);
      throw StopHere{};
    }
  }

  // After every event: the rules, then the end of the game's time once the menu is back.
  void watch() {
    const frmMain& f = game_;
    for (std::size_t r = 0; r < f.Board.size(); ++r) {
      for (std::size_t c = 0; c < f.Board[r].size(); ++c) {
        // Row 20 and column 15 lie outside the board: read as empty, never written.
        const std::int16_t most = r == 20 || c == 15 ? 0 : 7;
        check(std::clamp(f.Board[r][c], std::int16_t{0}, most) == f.Board[r][c] &&
                  std::clamp(f.BoardFrame[r][c], std::int16_t{0}, most) == f.BoardFrame[r][c],
              "a cell out of range");
      }
    }
    check(f.Lives >= 0 && f.Lives <= 3, "lives out of range");
    check(f.Score >= 0 && f.Score < kScoreLimit, "score out of range");
    check(f.GameNumber == 0 || f.StepDelay >= 12, "steps faster than the fastest");
    check(f.FallStep <= f.CellHeight, "falls further than a cell in one step");
    const bool atMenu = f.pctNew.visible() && !f.EnteringName && !f.pctScoreBoard.visible() &&
                        !f.pctAboutText1.visible() && !f.pctCop.visible();
    if (elapsed() >= kGameMs && atMenu) {
      throw StopHere{};
    }
    check(elapsed() < 2 * kGameMs, "the window did not come back to its menu");
  }

  platform::TestHost host_;
  frmMain game_;
  std::mt19937 moves_;
  std::uint32_t start_ = 0;
  int games_ = 0;
  std::string broken_; // the rule the game broke, if any
  std::optional<ScreenRules> rules_;
};

TEST(Soak, SeededGamesKeepTheBoardScoreAndSpeedInRange) {
  // Starting the program costs more than a short game, so each program plays a run of twenty games.
  std::unique_ptr<Bot> bot;
  for (std::uint32_t game = 0; game < 300; ++game) {
    if (game % 20 == 0) {
      bot = std::make_unique<Bot>(kFirstSeed + game);
    }
    ASSERT_EQ(bot->play(kFirstSeed + game, game % 3 == 0), "") << "game " << game;
  }
}

} // namespace
