// The ways in and out: start-up's old log, broken installation and sound setting; every way out saving
// the table and sound; a store that cannot be read or written. The first window is in every trace.
#include "GameFixture.h"
#include "window/Frothwick.h"

#include "platform/KeyCodes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace vk = platform::vk;

enum class Way { Close, ExitIcon, ExitButton, CtrlQ };
enum class While { Idle, Playing, Finishing, Naming };

class WaysOut : public GameTest, public ::testing::WithParamInterface<std::tuple<Way, While>> {};

TEST_P(WaysOut, SaveTheTableAndTheSoundThenEndWithStatusZero) {
  const auto [way, state] = GetParam();
  host.click(now() + 10, f->pctSound);
  if (state == While::Playing || state == While::Finishing) {
    spawns({{3, 9}});
    startGame(now() + 20);
  }
  if (state == While::Finishing) { // the last life goes; the board asks for a name two seconds later
    host.at(now() + 500, [this] {
      f->Score = 321;
      f->Lives = 0;
    });
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
    host.at(at,
            [this, icon = way == Way::ExitIcon] { host.click(now(), icon ? f->pctExitIcon : f->pctQuit); });
  }
  host.at(at + 60000, [] { throw StopHere{}; }); // still running a minute later
  EXPECT_EQ(runToEnd(), 0);
  EXPECT_EQ(now(), at) << "the way out waits for nothing";
  platform::IniDocument& saved = host.store.saved["Frothwick"];
  EXPECT_EQ(saved.get("Settings", "Sound"), "ON");
  EXPECT_EQ(saved.get("Settings", "HighScoreName1"), state == While::Naming ? "JO" : "");
  EXPECT_EQ(saved.get("Settings", "HighScore1"), state >= While::Finishing ? "321" : "0");
  EXPECT_EQ(saved.get("Settings", "HighScore10"), "0");
  if (way == Way::ExitIcon || way == Way::ExitButton) {
    EXPECT_EQ(host.pointer, platform::MousePointer::Default) << "the hand over the button is put back";
  }
}

INSTANTIATE_TEST_SUITE_P(IdleOrPlaying, WaysOut,
                         ::testing::Combine(::testing::Values(Way::Close, Way::ExitIcon, Way::ExitButton,
                                                              Way::CtrlQ),
                                            ::testing::Values(While::Idle, While::Playing)));
// From the last life on the score board covers the Exit button; a name's keys type into it, but in
// the two seconds before it is asked for, Ctrl+Q leaves at once.
INSTANTIATE_TEST_SUITE_P(Finishing, WaysOut,
                         ::testing::Combine(::testing::Values(Way::Close, Way::ExitIcon, Way::CtrlQ),
                                            ::testing::Values(While::Finishing)));
INSTANTIATE_TEST_SUITE_P(Naming, WaysOut,
                         ::testing::Combine(::testing::Values(Way::Close, Way::ExitIcon),
                                            ::testing::Values(While::Naming)));

// These start the window again once they have set the store up.
TEST_F(GameTest, OnlyAnExactOnTurnsSoundOn) {
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

TEST_F(GameTest, AStoreThatCannotBeReadIsAnnouncedOnceAndNeverWritten) {
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

// The game writes no log: a file of that name in the program folder is someone else's, and stays.
TEST(StartupLogFile, AFileNamedLikeALogInTheProgramFolderIsLeftAlone) {
  platform::TestHost host(kFrothwick);
  std::ofstream(host.folder / "Frothwick.txt") << "not ours";
  frmMain(host).Load();
  std::ifstream kept(host.folder / "Frothwick.txt");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "not ours");
}

// One picture missing, damaged or of a wrong size stops start-up, naming the file, its size and the right
// one.
TEST(StartupPictures, AMissingOrWrongSizedPictureStopsStartUp) {
  const std::string headerOnly = std::string(FROTHWICK_TEST_DATA) + "/pictures/header_only_";
  // The picture, what is put in its place ("": nothing), and what the message tells beside its name.
  const std::tuple<const char*, std::string, std::vector<std::string>> cases[] = {
      {"pctBeer_17.png", "", {}},
      {"pctBeer_0.png", headerOnly + "3x2.png", {"3 x 2", "32 x 20"}},
      {"pctBeer_0.png", headerOnly + "3x2_no_ihdr.png", {"cannot load"}}, // no size without a header chunk
      {"pctBeer_0.png", std::string(FROTHWICK_SOURCE_ASSETS) + "/pctMug.png", {"32 x 32", "32 x 20"}},
      {"pctEmptyBeer.png", headerOnly + "64x64.png", {"64 x 64", "32 x 20"}},
      {"imgAd_3.png", headerOnly + "20000x20000.png", {"20000 x 20000", "468 x 60"}},
      {"pctCop.jpg", headerOnly + "640x400.jpg", {"640 x 400", "320 x 200"}},
      {"pctDigit_4.png", headerOnly + "22x23.png", {"22 x 23", "24 x 23"}}};
  for (const auto& [file, from, told] : cases) {
    platform::TestHost host(kFrothwick);
    std::filesystem::remove_all(host.folder / "assets");
    std::filesystem::create_directory(host.folder / "assets");
    for (const auto& entry : std::filesystem::directory_iterator(FROTHWICK_SOURCE_ASSETS)) {
      if (entry.path().filename() != file) {
        std::filesystem::copy_file(entry.path(), host.folder / "assets" / entry.path().filename());
      }
    }
    if (!from.empty()) {
      std::filesystem::copy_file(from, host.folder / "assets" / file);
    }
    try {
      frmMain window(host);
      ADD_FAILURE() << "start-up went on with " << file;
    } catch (const platform::AssetError& error) {
      const std::string message = error.what();
      for (const std::string& part : told) {
        EXPECT_NE(message.find(part), std::string::npos) << message;
      }
      EXPECT_NE(message.find(file), std::string::npos) << message;
    }
  }
}

} // namespace
