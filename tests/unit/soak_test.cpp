// A bot plays hundreds of short seeded games with random keys and clicks on every button a player
// can reach, some of them deep into the score, and after every event checks that the board, the
// lives, the score and the speed stay where the game can draw and count them. Each game has its own
// seed, for the game's random draws and the bot's moves alike, so a failure names the run to replay.
#include "TestHost.h"

#include "platform/KeyCodes.h"
#include "window/frmMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

namespace vk = platform::vk;

constexpr int kGames = 300;
constexpr int kGamesPerProgram = 20;
constexpr std::uint32_t kFirstSeed = 20240611;
constexpr std::uint32_t kGameMs = 40 * 1000;
// Once a game's time is up the bot closes panels; a window not back at its menu this much later is
// stuck.
constexpr std::uint32_t kWindUpMs = 60 * 1000;
constexpr std::int32_t kScoreLimit = 10000000;

struct RuleBroken {
  std::string what;
};
struct GameTimeUp {};

// The test host reading each picture once for the whole soak and composing no screen: the soak looks
// at the game's state only. Every load still hands out a copy, as the game tells pictures apart.
class SoakHost : public platform::TestHost {
public:
  explicit SoakHost(std::uint32_t seed) : TestHost(1000, seed) { composeScreen = false; }
  platform::PicturePtr loadPicture(const std::filesystem::path& file, platform::PixelSize size) override {
    static std::map<std::string, platform::PicturePtr> decoded;
    auto [it, added] = decoded.try_emplace(file.filename().string());
    if (added) {
      it->second = TestHost::loadPicture(file, size);
    }
    return std::make_shared<const platform::Picture>(*it->second);
  }
};

class Bot {
public:
  explicit Bot(std::uint32_t seed) : host_(seed) {
    host_.afterDispatch = [this] { watch(); };
  }

  // Plays one more game on the same program, to its time; returns what went wrong, if anything.
  std::string play(std::uint32_t seed, bool veteran) {
    moves_.seed(seed);
    if (!game_) {
      game_ = std::make_unique<frmMain>(host_);
      game_->Load();
    }
    start_ = host_.tickCount();
    host_.click(start_ + 1, game_->pctNew);
    if (veteran) {
      host_.at(start_ + 2, [this] { makeVeteran(); });
    }
    host_.at(start_ + 3, [this, game = ++games_] { act(game); });
    try {
      for (;;) {
        host_.doEvents();
        host_.waitForEvents(UINT32_MAX);
      }
    } catch (const GameTimeUp&) {
      return {};
    } catch (const RuleBroken& broken) {
      return broken.what;
    } catch (const platform::ProgramEnd& end) {
      return "the program ended with status " + std::to_string(end.status);
    } catch (const platform::ScriptExhausted&) {
      return "the program waited with nothing left to wake it";
    }
  }
  bool rolledOver = false;

private:
  std::uint32_t draw(std::uint32_t low, std::uint32_t high) {
    return std::uniform_int_distribution<std::uint32_t>(low, high)(moves_);
  }
  std::uint32_t elapsed() { return host_.tickCount() - start_; }
  void clickNow(const platform::Control& control) { host_.click(host_.tickCount(), control); }

  // As if the player had already scored this much, half the time just short of the roll-over.
  void makeVeteran() {
    frmMain& f = *game_;
    f.Score =
        static_cast<std::int32_t>(draw(0, 1) == 0 ? kScoreLimit - draw(1, 3000) : draw(0, kScoreLimit - 1));
    const std::int32_t speedUps = f.Score / 10000;
    f.StepDelay = static_cast<std::int16_t>(std::max(80 - 2 * speedUps, 12));
    f.FallStep = std::clamp(5 + speedUps - 34, 5, f.CellHeight);
  }

  // One move, and the next one scheduled. Once the time is up the bot only closes panels.
  void act(int game) {
    if (game != games_) {
      return; // a move left over from the game before
    }
    host_.at(host_.tickCount() + draw(5, 400), [this, game] { act(game); });
    frmMain& f = *game_;
    if (elapsed() >= kGameMs) {
      if (f.pctOk.visible()) {
        clickNow(f.pctOk);
      } else if (f.pctAboutText3.visible()) {
        clickNow(f.pctAboutText3);
      }
    } else if (draw(0, 99) < 3) {
      const std::array<const platform::Control*, 10> buttons = {
          &f.pctNew,        &f.pctAction,
          &f.pctAbout,      &f.pctAboutText2,
          &f.pctAboutText3, &f.pctScores,
          &f.pctClear,      &f.pctOk,
          &f.pctSound,      &f.imgAd[static_cast<std::size_t>(f.AdIndex)]};
      clickNow(*buttons[draw(0, buttons.size() - 1)]);
    } else {
      const auto code = key();
      // Ctrl+Q would leave the program: the ways out are tested on their own.
      const auto shift = static_cast<std::int16_t>(draw(0, 7) & (code == vk::Q ? ~vk::CtrlMask : 7));
      host_.key(host_.tickCount(), code, shift);
    }
  }

  std::int16_t key() {
    static constexpr std::array<std::int16_t, 16> kOthers = {
        vk::Tab,      vk::Shift,   vk::Control, vk::Menu, vk::Escape, vk::Numpad0,  vk::Multiply, vk::Add,
        vk::Subtract, vk::Decimal, vk::Divide,  vk::F1,   vk::F2,     vk::OemMinus, vk::Return,   vk::Back};
    switch (draw(0, 9)) {
    case 0:
    case 1:
    case 2:
      return static_cast<std::int16_t>(vk::Left + draw(0, 3));
    case 3:
    case 4:
      return vk::Space;
    case 5:
      return static_cast<std::int16_t>(vk::A + draw(0, 25));
    case 6:
      return static_cast<std::int16_t>(vk::Digit0 + draw(0, 9));
    case 7:
      return kOthers[draw(0, kOthers.size() - 1)];
    default:
      return static_cast<std::int16_t>(draw(0, 255));
    }
  }

  void check(bool holds, const char* rule) { check(holds, std::string(holds ? "" : rule)); }
  void check(bool holds, const std::string& rule) {
    if (!holds) {
      throw RuleBroken{"at " + std::to_string(elapsed()) + " ms: " + rule};
    }
  }

  // After every event: the rules, then the end of the game's time once the menu is back.
  void watch() {
    const frmMain& f = *game_;
    for (std::size_t r = 0; r < f.Board.size(); ++r) {
      for (std::size_t c = 0; c < f.Board[r].size(); ++c) {
        const std::int16_t value = f.Board[r][c], frame = f.BoardFrame[r][c];
        // Row 20 and column 15 lie outside the board: read as empty, never written.
        const bool outside = r == 20 || c == 15;
        if (value < 0 || value > (outside ? 0 : 7) || frame < 0 || frame > (outside ? 0 : 7)) {
          check(false, "cell " + std::to_string(r) + "," + std::to_string(c) + " holds " +
                           std::to_string(value) + " frame " + std::to_string(frame));
        }
      }
    }
    check(f.Lives >= 0 && f.Lives <= 3, "lives out of range");
    check(f.Score >= 0 && f.Score < kScoreLimit, "score out of range");
    rolledOver = rolledOver || (lastScore_ >= kScoreLimit - 3000 && f.Score < 3000);
    lastScore_ = f.Score;
    check(f.GameNumber == 0 || f.StepDelay >= 12, "steps faster than the fastest");
    check(f.FallStep <= f.CellHeight, "falls further than a cell in one step");
    const bool atMenu = f.pctNew.visible() && !f.EnteringName && !f.pctScoreBoard.visible() &&
                        !f.pctAboutText1.visible() && !f.pctCop.visible();
    if (elapsed() >= kGameMs) {
      if (atMenu) {
        throw GameTimeUp{};
      }
      check(elapsed() < kGameMs + kWindUpMs, "the window did not come back to its menu");
    }
  }

  SoakHost host_;
  std::mt19937 moves_;
  std::unique_ptr<frmMain> game_;
  std::uint32_t start_ = 0;
  int games_ = 0;
  std::int32_t lastScore_ = 0;
};

TEST(Soak, SeededGamesKeepTheBoardScoreAndSpeedInRange) {
  // Starting the program costs more than a short game, so each program plays a run of games, as a
  // player does.
  bool rolledOver = false;
  for (int first = 0; first < kGames; first += kGamesPerProgram) {
    Bot bot(kFirstSeed + static_cast<std::uint32_t>(first));
    for (int game = first; game < first + kGamesPerProgram; ++game) {
      const std::string problem = bot.play(kFirstSeed + static_cast<std::uint32_t>(game), game % 3 == 0);
      ASSERT_EQ(problem, "") << "game " << game << " of the program seeded " << kFirstSeed + first;
    }
    rolledOver = rolledOver || bot.rolledOver;
  }
  EXPECT_TRUE(rolledOver) << "the veterans must reach the roll-over at ten million";
}

} // namespace
