// Every way out of the program saves the table and the sound setting before it ends, whether the
// window is idle, a game runs or a name is being typed; a name is kept as typed so far.
#include "GameFixture.h"

#include "platform/KeyCodes.h"

#include <string>
#include <tuple>

namespace {

namespace vk = platform::vk;

enum class Way { Close, ExitIcon, ExitButton, CtrlQ };
enum class While { Idle, Playing, Naming };

class WaysOut : public GameTest, public ::testing::WithParamInterface<std::tuple<Way, While>> {};

TEST_P(WaysOut, SaveTheTableAndTheSoundThenEndWithStatusZero) {
  const auto [way, state] = GetParam();
  host.click(now() + 10, f->pctSound);
  if (state == While::Playing) {
    spawns({{3, 9}});
    startGame(now() + 20);
  } else if (state == While::Naming) {
    host.at(now() + 20, [this] {
      f->Score = 321;
      f->CheckHighScore();
    });
    host.key(now() + 30, vk::A + 9);
    host.key(now() + 40, vk::A + 14);
  }
  const std::uint32_t at = now() + 1000;
  switch (way) {
  case Way::Close:
    host.close(at);
    break;
  case Way::ExitIcon:
    host.at(at, [this] { host.click(now(), f->pctExitIcon); });
    break;
  case Way::ExitButton:
    host.at(at, [this] { host.click(now(), f->pctQuit); });
    break;
  case Way::CtrlQ:
    host.key(at, vk::Q, vk::CtrlMask);
    break;
  }
  EXPECT_EQ(runToEnd(), 0);
  platform::IniDocument& saved = host.store.saved["Frothwick"];
  EXPECT_EQ(saved.get("Settings", "Sound"), "ON");
  EXPECT_EQ(saved.get("Settings", "HighScoreName1"), state == While::Naming ? "JO" : "");
  EXPECT_EQ(saved.get("Settings", "HighScore1"), state == While::Naming ? "321" : "0");
  EXPECT_EQ(saved.get("Settings", "HighScore10"), "0");
  if (way == Way::ExitIcon || way == Way::ExitButton) {
    EXPECT_EQ(host.pointer, platform::MousePointer::Default) << "the hand over the button is put back";
  }
}

std::string WayName(const ::testing::TestParamInfo<std::tuple<Way, While>>& info) {
  static constexpr const char* kWays[] = {"Close", "ExitIcon", "ExitButton", "CtrlQ"};
  static constexpr const char* kStates[] = {"Idle", "Playing", "Naming"};
  return std::string(kWays[static_cast<int>(std::get<0>(info.param))]) +
         kStates[static_cast<int>(std::get<1>(info.param))];
}

// While a name is typed the score board covers the Exit button, and every key types into the name.
INSTANTIATE_TEST_SUITE_P(
    Every, WaysOut,
    ::testing::Values(std::tuple{Way::Close, While::Idle}, std::tuple{Way::ExitIcon, While::Idle},
                      std::tuple{Way::ExitButton, While::Idle}, std::tuple{Way::CtrlQ, While::Idle},
                      std::tuple{Way::Close, While::Playing}, std::tuple{Way::ExitIcon, While::Playing},
                      std::tuple{Way::ExitButton, While::Playing}, std::tuple{Way::CtrlQ, While::Playing},
                      std::tuple{Way::Close, While::Naming}, std::tuple{Way::ExitIcon, While::Naming}),
    WayName);

} // namespace
