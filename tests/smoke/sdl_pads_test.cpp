// A virtual pad on the real SDL host, plugged in once the game is on screen: the game wakes to read it,
// and it starts a game, steers, drops, pauses and resumes, gives a name for the high score, starts
// another game and is pulled out in the middle of it, which pauses that game.
#include "platform/sdl/SdlHost.h"
#include "window/Frothwick.h"
#include "window/frmMain.h"

#include <SDL.h>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>

namespace {

// The dummy video driver gives no window the keyboard focus, and SDL hands a pad's input only to a
// program that has it, unless told otherwise.
[[maybe_unused]] const int kDummyDrivers = ::setenv("SDL_VIDEODRIVER", "dummy", 0) +
                                           ::setenv("SDL_AUDIODRIVER", "dummy", 0) +
                                           ::setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);

struct ScriptOver {};

// Steps run one after another from an inner timer, inside whatever wait the game is in: each waits
// until the game is ready for it, then acts.
struct Step {
  const char* what;
  std::function<bool()> ready;
  std::function<void()> act;
};

class VirtualPad {
public:
  VirtualPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
    desc.naxes = 2;
    // Every button up to the d-pad and the left stick: the pad's buttons and axes are numbered as
    // the game-controller layer's.
    desc.button_mask = (1U << desc.nbuttons) - 1;
    desc.axis_mask = (1U << SDL_CONTROLLER_AXIS_LEFTX) | (1U << SDL_CONTROLLER_AXIS_LEFTY);
    desc.name = "Frothwick test pad";
    index_ = SDL_JoystickAttachVirtualEx(&desc);
    joystick_ = SDL_JoystickOpen(index_);
  }
  bool attached() const { return joystick_ != nullptr; }
  void set(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
  }
  void tilt(Sint16 x) { SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, x); }
  void unplug() {
    SDL_JoystickClose(joystick_);
    SDL_JoystickDetachVirtual(index_);
  }

private:
  int index_ = -1;
  SDL_Joystick* joystick_ = nullptr;
};

class SdlPadGame : public testing::Test {
protected:
  // The scores go to a folder of the test's own.
  static std::filesystem::path freshConfig() {
    auto folder = std::filesystem::path(testing::TempDir()) / "pad-config";
    std::filesystem::remove_all(folder);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    return folder;
  }

  void SetUp() override {
    const auto assets = host.programFolder() / "assets";
    host.openWindow(game().form(), host.loadPicture(assets / "frmMain_icon.png", {32, 32}),
                    host.loadPicture(assets / "hand_cursor.png", {32, 32}));
    game().Load();
  }

  std::int16_t column() {
    std::int16_t row = 0, col = 0;
    bool inside = false;
    game().PixelToCell(game().BeerX, game().BeerY, row, col, inside);
    return col;
  }
  // A press, then its release a round of the script later.
  void press(
      std::vector<Step>& steps, const char* what, SDL_GameControllerButton button,
      std::function<bool()> ready = [] { return true; }) {
    steps.push_back({what, std::move(ready), [this, button] { pad->set(button, true); }});
    steps.push_back({"release", [] { return true; }, [this, button] { pad->set(button, false); }});
  }
  frmMain& game() { return *game_; }

  // Runs the steps in the game's waits; a step not ready within five seconds fails the test.
  void play(std::vector<Step> steps) {
    platform::InnerTimer timer(host.timers());
    std::size_t next = 0;
    std::uint32_t since = host.tickCount();
    timer.onTick = [&] {
      if (next == steps.size()) {
        throw ScriptOver{};
      }
      if (steps[next].ready()) {
        steps[next++].act();
        since = host.tickCount();
      } else if (host.tickCount() - since > 5000) {
        ADD_FAILURE() << "never ready for: " << steps[next].what << " (" << next << ")";
        throw ScriptOver{};
      }
    };
    timer.setInterval(20);
    timer.setEnabled(true);
    try {
      for (;;) {
        host.doEvents();
        host.waitForEvents(UINT32_MAX);
      }
    } catch (const ScriptOver&) {
    }
  }

  const std::filesystem::path config_ = freshConfig();
  platform::SdlHost host{kFrothwick};
  std::unique_ptr<frmMain> game_ = std::make_unique<frmMain>(host);
  std::optional<VirtualPad> pad;
};

TEST_F(SdlPadGame, StartsSteersDropsPausesNamesAndPausesWhenPulledOut) {
  host.doEvents(); // the first round after the window is on screen starts the pads
  pad.emplace();
  ASSERT_TRUE(pad->attached()) << SDL_GetError();
  host.doEvents();
  // SDL reads a pad only between waits: however long the game would sleep, it wakes to read it.
  const std::uint32_t start = host.tickCount();
  host.waitForEvents(1000);
  EXPECT_LT(host.tickCount() - start, 500U);

  std::vector<Step> steps;
  std::int16_t was = 0;
  std::int32_t scoreWas = 0;
  const auto falling = [this] { return game().Falling && !game().StepBusy; };
  const auto noted = [&] {
    was = column();
    scoreWas = game().Score;
  };
  press(steps, "start with Back", SDL_CONTROLLER_BUTTON_BACK);
  // The beer falls in a random column: the d-pad moves it towards the middle, the stick back.
  int toward = 1;
  steps.push_back({"a beer falls", falling, [&] {
                     noted();
                     toward = was > 7 ? -1 : 1;
                     pad->set(toward < 0 ? SDL_CONTROLLER_BUTTON_DPAD_LEFT : SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
                              true);
                   }});
  steps.push_back({"release", [] { return true; },
                   [&] {
                     pad->set(toward < 0 ? SDL_CONTROLLER_BUTTON_DPAD_LEFT : SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
                              false);
                   }});
  steps.push_back({"moved by the d-pad", [&] { return column() == was + toward; },
                   [&] { pad->tilt(static_cast<Sint16>(toward < 0 ? 32767 : -32768)); }});
  steps.push_back({"moved back by the stick", [&] { return column() == was; }, [this] { pad->tilt(0); }});
  press(steps, "drop", SDL_CONTROLLER_BUTTON_A);
  steps.push_back({"dropped", [&] { return game().Score > scoreWas; }, [] {}});
  press(steps, "pause", SDL_CONTROLLER_BUTTON_START);
  steps.push_back({"paused", [this] { return game().Paused; }, [] {}});
  press(steps, "resume", SDL_CONTROLLER_BUTTON_START);
  steps.push_back({"resumed", [this] { return !game().Paused; }, [this] { game().Lives = 0; }});
  // The last life is gone: after two seconds the name is given, B, A and Start.
  const auto typing = [this] { return game().EnteringName && !game().KeysHeldBack; };
  press(steps, "up to A", SDL_CONTROLLER_BUTTON_DPAD_UP, typing);
  press(steps, "up to B", SDL_CONTROLLER_BUTTON_DPAD_UP);
  press(steps, "type B", SDL_CONTROLLER_BUTTON_A);
  press(steps, "up to A", SDL_CONTROLLER_BUTTON_DPAD_UP);
  press(steps, "type A", SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  press(steps, "end the name", SDL_CONTROLLER_BUTTON_START);
  press(steps, "another game", SDL_CONTROLLER_BUTTON_BACK, [this] { return game().pctNew.visible(); });
  steps.push_back(
      {"pull out mid-game", [&] { return game().GameNumber == 2 && falling(); }, [this] { pad->unplug(); }});
  steps.push_back({"paused by it", [this] { return game().Paused; }, [] {}});
  play(std::move(steps));

  EXPECT_EQ(game().HighScoreNames[1], "BA");
  std::ifstream saved(config_ / "Frothwick" / "settings.ini");
  std::stringstream text;
  text << saved.rdbuf();
  EXPECT_NE(text.str().find("HighScoreName1=\"BA\""), std::string::npos) << text.str();
  EXPECT_EQ(game().pctAction.picture(), game().pctPlay.picture()) << "the button offers to resume";
}

} // namespace
