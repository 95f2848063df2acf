// Every way out of the program saves the table and the sound setting before it ends, whether the
// window is idle, a game runs or a name is being typed; a name is kept as typed so far. A store that
// cannot be read or written is told of; the sound setting as the game loads it.
#include "GameFixture.h"

#include "platform/KeyCodes.h"

#include <algorithm>
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
  if (way == Way::Close) {
    host.close(at);
  } else if (way == Way::CtrlQ) {
    host.key(at, vk::Q, vk::CtrlMask);
  } else {
    host.at(at, [this, way] { host.click(now(), way == Way::ExitIcon ? f->pctExitIcon : f->pctQuit); });
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

INSTANTIATE_TEST_SUITE_P(IdleOrPlaying, WaysOut,
                         ::testing::Combine(::testing::Values(Way::Close, Way::ExitIcon, Way::ExitButton,
                                                              Way::CtrlQ),
                                            ::testing::Values(While::Idle, While::Playing)));
// While a name is typed the score board covers the Exit button, and every key types into the name.
INSTANTIATE_TEST_SUITE_P(Naming, WaysOut,
                         ::testing::Combine(::testing::Values(Way::Close, Way::ExitIcon),
                                            ::testing::Values(While::Naming)));

// Each test starts the window once it has set the store up.
class StoreAtStart : public GameTest {
protected:
  void SetUp() override {}
};

TEST_F(StoreAtStart, OnlyAnExactOnTurnsSoundOn) {
  GameTest::SetUp();
  EXPECT_EQ(f->pctSound.picture(), f->pctSoundOff.picture()) << "none stored";
  for (const std::string value : {"on", "On", "OFF", "", " ON", "yes", "ON"}) {
    host.store.document("Frothwick").set("Settings", "Sound", value);
    GameTest::SetUp();
    EXPECT_EQ(f->pctSound.picture(), value == "ON" ? f->pctSoundOn.picture() : f->pctSoundOff.picture())
        << '"' << value << '"';
  }
}

TEST_F(GameTest, AFailedSaveOnTheWayOutIsShownAndEndsWithStatusOne) {
  host.store.failUpdatesWith = "settings.ini: No space left on device";
  host.close(now() + 100);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(runToEnd(), 1);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("No space left on device"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
  ASSERT_EQ(host.effects.size(), 1U);
  EXPECT_NE(host.effects[0].find("settings.ini: No space left on device"), std::string::npos);
}

TEST_F(StoreAtStart, AStoreThatCannotBeReadIsAnnouncedOnceAndNeverWritten) {
  host.store.document("Frothwick").set("Settings", "HighScore1", "777");
  host.store.unreadable["Frothwick"] = "/home/p/settings.ini: Permission denied";
  ::testing::internal::CaptureStderr();
  GameTest::SetUp();
  host.click(now() + 10, f->pctSound);
  host.close(now() + 100);
  EXPECT_EQ(f->HighScores[1], 0);
  EXPECT_EQ(runToEnd(), 1);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(host.store.updates, 1) << "only the save on the way out is tried, and refused";
  ASSERT_EQ(host.effects.size(), 1U);
  EXPECT_NE(host.effects[0].find("/home/p/settings.ini: Permission denied"), std::string::npos);
  EXPECT_NE(host.effects[0].find("leave that file alone"), std::string::npos);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
  EXPECT_NE(err.find("not saved"), std::string::npos) << err;
}

} // namespace
