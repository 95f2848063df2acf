// The sound setting as the game loads it, and a store that cannot be read or written. A hand-edited
// table loaded and saved back is in the scenario traces.
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
};

TEST_F(RegistryTest, OnlyAnExactOnTurnsSoundOn) {
  start();
  EXPECT_EQ(f->pctSound.picture(), f->pctSoundOff.picture()) << "none stored";
  for (const char* value : {"on", "On", "OFF", "", " ON", "yes"}) {
    store("Sound", value);
    start();
    EXPECT_EQ(f->pctSound.picture(), f->pctSoundOff.picture()) << '"' << value << '"';
  }
  store("Sound", "ON");
  start();
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
  ASSERT_EQ(host.effects.size(), 1U);
  EXPECT_NE(host.effects[0].find("settings.ini: No space left on device"), std::string::npos);
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
  ASSERT_EQ(host.effects.size(), 1U);
  EXPECT_NE(host.effects[0].find("/home/p/settings.ini: Permission denied"), std::string::npos);
  EXPECT_NE(host.effects[0].find("leave that file alone"), std::string::npos);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
  EXPECT_NE(err.find("not saved"), std::string::npos) << err;
}

} // namespace
