// The high-score table and sound setting as the game loads and saves them.
#include "GameFixture.h"

namespace {

class RegistryTest : public GameTest {
protected:
  void SetUp() override {}
  void start() {
    f = std::make_unique<frmMain>(host);
    f->Load();
  }
  void store(const std::string& key, const std::string& value) {
    host.store.document("Frothwick").set("Settings", key, value);
  }
  std::optional<std::string> saved(const std::string& key) {
    return host.store.saved["Frothwick"].get("Settings", key);
  }
};

TEST_F(RegistryTest, AnEmptyStoreGivesAnEmptyTableAndSoundOff) {
  start();
  for (std::size_t i = 1; i <= 10; ++i) {
    EXPECT_EQ(f->HighScoreNames[i], "");
    EXPECT_EQ(f->HighScores[i], 0);
  }
  EXPECT_EQ(f->pctSound.picture(), f->pctSoundOff.picture());
}

TEST_F(RegistryTest, OnlyAnExactOnTurnsSoundOn) {
  for (const char* value : {"on", "On", "OFF", "", " ON", "yes"}) {
    store("Sound", value);
    start();
    EXPECT_EQ(f->pctSound.picture(), f->pctSoundOff.picture()) << '"' << value << '"';
  }
  store("Sound", "ON");
  start();
  EXPECT_EQ(f->pctSound.picture(), f->pctSoundOn.picture());
}

TEST_F(RegistryTest, TheStoredOrderIsKeptAndBadScoresReadAsZero) {
  store("HighScoreName1", "LOW");
  store("HighScore1", "5");
  store("HighScoreName2", "HIGH");
  store("HighScore2", "900");
  store("HighScore3", "12abc");
  store("HighScore4", "99999999999");
  store("HighScore5", "-40");
  store("HighScore6", "2147483647");
  store("HighScore7", " 400 ");
  store("HighScore8", "+300");
  store("HighScore9", "+-3");
  start();
  EXPECT_EQ(f->HighScoreNames[1], "LOW");
  EXPECT_EQ(f->HighScores[1], 5);
  EXPECT_EQ(f->HighScores[2], 900);
  EXPECT_EQ(f->HighScores[3], 0);
  EXPECT_EQ(f->HighScores[4], 0);
  EXPECT_EQ(f->HighScores[5], -40);
  EXPECT_EQ(f->HighScores[6], 2147483647);
  EXPECT_EQ(f->HighScores[7], 400);
  EXPECT_EQ(f->HighScores[8], 300);
  EXPECT_EQ(f->HighScores[9], 0);
}

TEST_F(RegistryTest, ClosingTheWindowSavesAll21KeysAndTheyReadBackTheSame) {
  store("HighScoreName1", "  A LONG HAND EDITED NAME \"x\"  ");
  store("HighScore1", "1234567");
  store("Sound", "ON");
  start();
  host.close(now() + 100);
  EXPECT_EQ(runToEnd(), 0);
  EXPECT_EQ(saved("HighScoreName1"), "  A LONG HAND EDITED NAME \"x\"  ");
  EXPECT_EQ(saved("HighScore1"), "1234567");
  EXPECT_EQ(saved("Sound"), "ON");
  for (int i = 2; i <= 10; ++i) {
    EXPECT_EQ(saved("HighScoreName" + std::to_string(i)), "");
    EXPECT_EQ(saved("HighScore" + std::to_string(i)), "0");
  }
  host.store.document("Frothwick") = host.store.saved["Frothwick"];
  start();
  EXPECT_EQ(f->HighScoreNames[1], "  A LONG HAND EDITED NAME \"x\"  ");
  EXPECT_EQ(f->pctSound.picture(), f->pctSoundOn.picture());
}

TEST_F(RegistryTest, AFailedSaveOnTheWayOutIsShownAndEndsWithStatusOne) {
  start();
  host.store.failUpdatesWith = "settings.ini: No space left on device";
  host.close(now() + 100);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(runToEnd(), 1);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("No space left on device"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_NE(host.messages[0].find("settings.ini: No space left on device"), std::string::npos);
}

TEST_F(RegistryTest, AStoreThatCannotBeReadIsAnnouncedOnceAndNeverWritten) {
  store("HighScore1", "777");
  host.store.unreadable["Frothwick"] = "/home/p/settings.ini: Permission denied";
  ::testing::internal::CaptureStderr();
  start();
  host.click(now() + 10, f->pctSound);
  host.close(now() + 100);
  EXPECT_EQ(f->HighScores[1], 0);
  EXPECT_EQ(runToEnd(), 1);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(host.store.updates, 1) << "only the save on the way out is tried, and refused";
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_NE(host.messages[0].find("/home/p/settings.ini: Permission denied"), std::string::npos);
  EXPECT_NE(host.messages[0].find("leave that file alone"), std::string::npos);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
  EXPECT_NE(err.find("not saved"), std::string::npos) << err;
}

} // namespace
