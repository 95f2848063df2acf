// Play/pause, the menu around panels, and a game interrupted by New or by closing the window.
#include "GameFixture.h"

namespace {

using MenuTest = GameTest;

TEST_F(MenuTest, PauseAndResumeContinueTheSameBeerFromTheSamePlace) {
  spawns({{3, 9}});
  const std::uint32_t t0 = now() + 10;
  startGame(t0);
  std::int32_t pausedAt = 0;
  host.click(t0 + 400, f->pctAction);
  host.at(t0 + 401, [&] {
    pausedAt = f->BeerY;
    EXPECT_TRUE(f->Paused);
    EXPECT_EQ(f->pctAction.picture(), f->pctPlay.picture());
    EXPECT_EQ(f->pctAction.toolTipText(), "Play");
  });
  host.at(t0 + 2000, [&] { EXPECT_EQ(f->BeerY, pausedAt) << "nothing moves while paused"; });
  host.click(t0 + 2001, f->pctAction);
  runUntil(t0 + 2002 + 80);
  EXPECT_FALSE(f->Paused);
  EXPECT_EQ(f->pctAction.picture(), f->pctPause.picture());
  EXPECT_EQ(f->pctAction.toolTipText(), "Pause");
  EXPECT_EQ(f->BeerX, f->ColumnX[9]);
  EXPECT_GT(f->BeerY, pausedAt);
  EXPECT_LE(f->BeerY, pausedAt + 2 * f->FallStep);
}

TEST_F(MenuTest, HideMenuTwiceLeavesThePlayButtonHiddenAfterShowMenu) {
  f->pctAction.setVisible(true);
  f->HideMenu();
  f->HideMenu();
  f->ShowMenu();
  EXPECT_FALSE(f->pctAction.visible());
  EXPECT_TRUE(f->pctNew.visible());
  EXPECT_TRUE(f->pctLives[0].visible());
}

TEST_F(MenuTest, ShowMenuBringsBackTheDigitsAndMugsWithTheirPictures) {
  f->AddScore(95);
  const auto digit = f->pctScore[0].picture();
  f->HideMenu();
  for (const auto& mug : f->pctLives) {
    EXPECT_FALSE(mug.visible());
  }
  EXPECT_FALSE(f->pctScore[3].visible());
  f->ShowMenu();
  EXPECT_EQ(f->pctScore[0].picture(), digit);
  EXPECT_TRUE(f->pctScore[3].visible());
}

TEST_F(MenuTest, NewDuringAGameRunsTheEndOfGameStepsOnce) {
  const std::uint32_t t0 = now() + 10;
  startGame(t0);
  host.click(t0 + 1000, f->pctNew); // a second game inside the first one's wait
  int boardsOpened = 0;
  std::uint32_t menuBackAt = 0;
  runWhileNot([&] {
    if (f->EnteringName && !f->KeysHeldBack) {
      ++boardsOpened;
      std::int16_t enter = 13;
      f->Form_KeyDown(enter, 0);
    }
    if (boardsOpened > 0 && menuBackAt == 0 && !f->pctAction.visible()) {
      menuBackAt = now();
    }
    // Long enough for an outer loop to have checked the score and waited its two seconds.
    return menuBackAt != 0 && now() - menuBackAt > 5000;
  });
  EXPECT_EQ(boardsOpened, 1);
  EXPECT_EQ(std::count(f->HighScores.begin() + 1, f->HighScores.end(), f->Score), 1)
      << "the shared score is entered once";
  EXPECT_FALSE(f->pctAction.visible());
  EXPECT_TRUE(f->pctNew.visible());
}

TEST_F(MenuTest, ClosingTheWindowDuringAGameSavesAndEnds) {
  startGame(now() + 10);
  host.close(now() + 3000);
  EXPECT_EQ(runToEnd(), 0);
  EXPECT_EQ(host.store.saved["Frothwick"].get("Settings", "HighScoreName1"), "");
  EXPECT_EQ(host.store.saved["Frothwick"].get("Settings", "HighScore1"), "0");
}

} // namespace
