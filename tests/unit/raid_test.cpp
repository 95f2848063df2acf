// The police raid: a picture over the board, the siren, and a life lost.
#include "GameFixture.h"

namespace {

class RaidTest : public GameTest {
protected:
  // The raid draw of the first spawn comes up 1 (one in 30000).
  void raidAtFirstSpawn() { host.randomValues({1.5F / 30000.0F, 0.5F / 7.0F, 0.5F / 15.0F}); }
  std::size_t sirens() const {
    return static_cast<std::size_t>(std::count_if(host.sounds.begin(), host.sounds.end(), [&](const auto& s) {
      return s.file == host.folder / "siren.wav" && s.mode == platform::SoundMode::Sync;
    }));
  }
};

TEST_F(RaidTest, ARaidShowsThePictureOverTheBoardWithTheMenuGoneThenCostsALife) {
  raidAtFirstSpawn();
  f->pctSound.setPicture(f->pctSoundOn.picture());
  bool pictureSeen = false;
  const auto watch = [&] {
    if (f->pctCop.visible()) {
      pictureSeen = true;
      EXPECT_FALSE(f->pctNew.visible());
      EXPECT_FALSE(f->pctScore[0].visible());
      EXPECT_FALSE(f->pctAction.visible());
      EXPECT_EQ(f->pctCop.left(), 7485 / 2 - 4800 / 2);
      EXPECT_EQ(f->pctCop.top(), 7425 / 2 - 3000 / 2);
      EXPECT_EQ(f->pctCop.width(), 4800);
      EXPECT_EQ(f->pctCop.height(), 3000);
    }
    return f->Lives == 2;
  };
  startGame(now() + 10);
  runWhileNot(watch);
  EXPECT_TRUE(pictureSeen);
  EXPECT_FALSE(f->pctCop.visible());
  EXPECT_EQ(sirens(), 1U);
  EXPECT_TRUE(f->pctAction.visible()) << "the play/pause button comes back with the menu";
  EXPECT_TRUE(f->pctNew.visible());
}

TEST_F(RaidTest, WithSoundOffThereIsNoSiren) {
  raidAtFirstSpawn();
  f->pctSound.setPicture(f->pctSoundOff.picture());
  startGame(now() + 10);
  runWhileNot([&] { return f->Lives == 2; });
  EXPECT_EQ(sirens(), 0U);
}

TEST_F(RaidTest, TheRaidPictureIsPlacedFromTheFarGuideLines) {
  f->PoliceRaid();
  EXPECT_EQ(f->pctCop.left(), 1342);
  EXPECT_EQ(f->pctCop.top(), 2212);
}

} // namespace
