// The window's own furniture: the about panel, the banner, the sound, minimise and exit buttons,
// dragging a window without a title bar, tool tips and the hand pointer.
#include "GameFixture.h"

#include "window/WebAddresses.h"

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kMinute = 60000;

class ChromeTest : public GameTest {
protected:
  // A point on the board, well away from every control.
  static constexpr std::int32_t kBoardX = 100, kBoardY = 250;

  std::uint32_t startedAt = 0;
  void SetUp() override {
    GameTest::SetUp();
    startedAt = now();
  }

  std::vector<const platform::Image*> visibleBanners() const {
    std::vector<const platform::Image*> shown;
    for (const auto& ad : f->imgAd) {
      if (ad.visible()) {
        shown.push_back(&ad);
      }
    }
    return shown;
  }

  void expectOnlyBanner(std::size_t index) const {
    const auto shown = visibleBanners();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0], &f->imgAd[index]);
    EXPECT_EQ(f->AdIndex, static_cast<std::int32_t>(index));
  }

  void expectShowingPlay() const {
    EXPECT_EQ(f->pctAction.picture(), f->pctPlay.picture());
    EXPECT_EQ(f->pctAction.toolTipText(), "Play");
  }

  void expectShowingPause() const {
    EXPECT_EQ(f->pctAction.picture(), f->pctPause.picture());
    EXPECT_EQ(f->pctAction.toolTipText(), "Pause");
  }

  void expectAboutPanel(bool shown) const {
    for (const auto* text : {&f->pctAboutText1, &f->pctAboutText2, &f->pctAboutText3}) {
      EXPECT_EQ(text->visible(), shown) << text->name();
    }
  }

  void expectMenu(bool shown) const {
    for (const auto* button :
         {&f->pctNew, &f->pctScores, &f->pctAbout, &f->pctQuit, &f->pctSound, &f->pctFocus}) {
      EXPECT_EQ(button->visible(), shown) << button->name();
    }
    EXPECT_EQ(f->pctLives[0].visible(), shown);
    EXPECT_EQ(f->pctScore[0].visible(), shown);
  }

  // Starts a game whose first beer falls in column 9, and lets it fall for a while.
  std::uint32_t gameUnderWay() {
    spawns({{3, 9}});
    const std::uint32_t t0 = now() + 10;
    startGame(t0);
    return t0 + 400;
  }

  // Schedules a look at the falling beer at `from` and at `to`: has the game moved it on? A running
  // game is one long call that the end of a test run unwinds, so every look at it is scheduled.
  void expectBeerMoves(std::uint32_t from, std::uint32_t to, bool moves) {
    auto y = std::make_shared<std::int32_t>();
    host.at(from, [y, this] { *y = f->BeerY; });
    host.at(to, [y, from, to, moves, this] {
      EXPECT_FALSE(f->GameOver);
      if (moves) {
        EXPECT_GT(f->BeerY, *y) << "the game advances between " << from << " and " << to;
      } else {
        EXPECT_EQ(f->BeerY, *y) << "the game stands still between " << from << " and " << to;
      }
      ++beerLooks;
    });
  }
  int beerLooks = 0;
};

// ---- Forced pause: about, the maker's page, the banner -------------------------------------------

TEST_F(ChromeTest, EveryForcedPauseLeavesTheGamePausedWithThePlayButtonWhenNoGameRuns) {
  f->pctAboutText2_Click();
  EXPECT_TRUE(f->Paused);
  expectShowingPlay();

  f->Paused = false;
  f->imgAd_Click(0);
  EXPECT_TRUE(f->Paused);
  expectShowingPlay();

  f->Paused = false;
  f->pctAbout_Click();
  EXPECT_TRUE(f->Paused);
  expectShowingPlay();
  EXPECT_FALSE(f->pctAction.visible()) << "with no game the button stays hidden behind the panel too";
}

TEST_F(ChromeTest, AboutCentresItsPicturesBetweenTheBoardEdgesAndHidesTheMenu) {
  ASSERT_EQ(f->lineLeft.X1, 210.0F);
  ASSERT_EQ(f->lineRight.X1, 7485.0F);
  host.click(now() + 10, f->pctAbout);
  runUntil(now() + 20);

  expectAboutPanel(true);
  expectMenu(false);
  // Half-twip centres round to the even twip, which then decides the pixel.
  EXPECT_EQ(f->pctAboutText1.left(), 1560);
  EXPECT_EQ(f->pctAboutText2.left(), 1192);
  EXPECT_EQ(f->pctAboutText3.left(), 3608);
  EXPECT_EQ(f->pctAboutText1.pixelLeft(), 104);
  EXPECT_EQ(f->pctAboutText2.pixelLeft(), 79);
  EXPECT_EQ(f->pctAboutText3.pixelLeft(), 241);
  // Tops and sizes stay as the window was laid out; the sizes are the pictures'.
  EXPECT_EQ(f->pctAboutText1.pixelTop(), 228);
  EXPECT_EQ(f->pctAboutText2.pixelTop(), 258);
  EXPECT_EQ(f->pctAboutText3.pixelTop(), 290);
  EXPECT_EQ(f->pctAboutText1.pixelWidth(), 305);
  EXPECT_EQ(f->pctAboutText2.pixelWidth(), 354);
  EXPECT_EQ(f->pctAboutText3.pixelWidth(), 32);
  EXPECT_TRUE(host.urls.empty());
}

TEST_F(ChromeTest, TheMakersLineOpensTheHomePageAndThePanelStaysOpen) {
  host.click(now() + 10, f->pctAbout);
  host.at(now() + 20, [this] { host.click(now() + 10, f->pctAboutText2); });
  runUntil(now() + 100);
  ASSERT_EQ(host.urls.size(), 1U);
  EXPECT_EQ(host.urls[0], web::kMakerHomePage);
  expectAboutPanel(true);
  expectMenu(false);
  EXPECT_TRUE(f->Paused);
  expectShowingPlay();
}

TEST_F(ChromeTest, TheCloseMarkHidesThePanelAndBringsBackTheMenuUnpaused) {
  host.click(now() + 10, f->pctAbout);
  host.at(now() + 20, [this] { host.click(now() + 10, f->pctAboutText3); });
  runUntil(now() + 100);
  expectAboutPanel(false);
  expectMenu(true);
  EXPECT_FALSE(f->Paused);
  EXPECT_FALSE(f->pctAction.visible()) << "no game, so no play/pause button";
  EXPECT_TRUE(host.urls.empty());
}

TEST_F(ChromeTest, AboutDuringAGameStopsItAndTheCloseMarkLetsItRunOnUnderAPauseButton) {
  const std::uint32_t t = gameUnderWay();
  host.click(t, f->pctAbout);
  host.at(t + 1, [this, t] {
    EXPECT_TRUE(f->Paused);
    expectMenu(false);
    EXPECT_FALSE(f->pctAction.visible());
    expectAboutPanel(true);
    EXPECT_EQ(f->pctAboutText1.pixelLeft(), 104);
    EXPECT_EQ(f->pctAboutText2.pixelLeft(), 79);
    EXPECT_EQ(f->pctAboutText3.pixelLeft(), 241);
    // Aimed now, at the close mark where it has just been placed.
    host.click(t + 2001, f->pctAboutText3);
  });
  expectBeerMoves(t + 2, t + 2000, false);
  host.at(t + 2002, [this] {
    expectAboutPanel(false);
    expectMenu(true);
    EXPECT_TRUE(f->pctAction.visible());
    EXPECT_FALSE(f->Paused);
    expectShowingPause();
  });
  expectBeerMoves(t + 2003, t + 2500, true);

  // The first click on the button after the panel pauses the game, as its picture says.
  host.click(t + 2501, f->pctAction);
  host.at(t + 2502, [this] {
    EXPECT_TRUE(f->Paused);
    expectShowingPlay();
  });
  expectBeerMoves(t + 2503, t + 3000, false);
  runUntil(t + 3001);
  EXPECT_EQ(beerLooks, 3);
}

TEST_F(ChromeTest, EveryBannerOpensTheZelvatrixPage) {
  for (std::size_t i = 0; i < f->imgAd.size(); ++i) {
    for (std::size_t j = 0; j < f->imgAd.size(); ++j) {
      f->imgAd[j].setVisible(i == j);
    }
    host.click(now() + 10, f->imgAd[i]);
    runUntil(now() + 20);
    ASSERT_EQ(host.urls.size(), i + 1);
    EXPECT_EQ(host.urls[i], web::kZelvatrixPage) << "banner " << i;
  }
  EXPECT_TRUE(f->Paused);
  expectShowingPlay();
}

TEST_F(ChromeTest, ABannerClickPausesARunningGameAndASecondKeepsItPaused) {
  const std::uint32_t t = gameUnderWay();
  host.click(t, f->imgAd[0]);
  host.at(t + 1, [this] {
    EXPECT_TRUE(f->Paused);
    expectShowingPlay();
  });
  expectBeerMoves(t + 2, t + 1000, false);
  host.click(t + 1001, f->imgAd[0]);
  host.at(t + 1002, [this] {
    EXPECT_TRUE(f->Paused);
    expectShowingPlay();
  });
  expectBeerMoves(t + 1003, t + 2000, false);
  runUntil(t + 2001);
  EXPECT_EQ(beerLooks, 2);
  EXPECT_EQ(host.urls, (std::vector<std::string>{web::kZelvatrixPage, web::kZelvatrixPage}));
}

// ---- The banner's rotation -------------------------------------------------------------------

TEST_F(ChromeTest, TheBannerMovesOnEveryThreeMinutesAndComesRoundAfterSix) {
  expectOnlyBanner(0);
  runUntil(startedAt + 3 * kMinute + 1); // looked at before anything due then has run
  expectOnlyBanner(0);
  runUntil(startedAt + 3 * kMinute + 2);
  expectOnlyBanner(1);
  runUntil(startedAt + 6 * kMinute + 100);
  expectOnlyBanner(2);
  runUntil(startedAt + 18 * kMinute - 1000);
  expectOnlyBanner(5);
  runUntil(startedAt + 18 * kMinute + 1000);
  expectOnlyBanner(0);
  runUntil(startedAt + 21 * kMinute + 1000);
  expectOnlyBanner(1);
}

TEST_F(ChromeTest, TheBannerMovesOnWhileMinimisedAndWhileAPausedGameWaits) {
  host.click(now() + 10, f->pctMinimizeIcon);
  runUntil(startedAt + 3 * kMinute + 1000);
  ASSERT_TRUE(host.minimized);
  expectOnlyBanner(1);

  host.restore(now() + 10);
  gameUnderWay();
  host.click(now() + 500, f->imgAd[1]);
  runUntil(startedAt + 6 * kMinute + 1000);
  EXPECT_TRUE(f->Paused);
  EXPECT_FALSE(f->GameOver);
  expectOnlyBanner(2);
}

// ---- Sound -------------------------------------------------------------------------------------

TEST_F(ChromeTest, TheSoundButtonSwapsBetweenItsTwoPicturesAndSavesEachChange) {
  const auto original = f->pctSound.picture();
  ASSERT_EQ(original, f->pctSoundOff.picture()) << "a fresh store has sound off";
  host.click(now() + 10, f->pctSound);
  runUntil(now() + 20);
  EXPECT_EQ(f->pctSound.picture(), f->pctSoundOn.picture());
  EXPECT_EQ(host.store.saved["Frothwick"].get("Settings", "Sound"), "ON");
  host.click(now() + 10, f->pctSound);
  runUntil(now() + 20);
  EXPECT_EQ(f->pctSound.picture(), original);
  EXPECT_EQ(host.store.saved["Frothwick"].get("Settings", "Sound"), "OFF");
}

// ---- Ways out ------------------------------------------------------------------------------------

class ChromeExitTest : public ChromeTest, public ::testing::WithParamInterface<bool> {
protected:
  const platform::PictureBox& exitControl() const { return GetParam() ? f->pctExitIcon : f->pctQuit; }
};

TEST_P(ChromeExitTest, SavesTheScoresAndSoundThenEndsWithStatusZero) {
  host.click(now() + 20, exitControl());
  EXPECT_EQ(runToEnd(), 0);
  auto& saved = host.store.saved["Frothwick"];
  EXPECT_EQ(saved.get("Settings", "HighScoreName10"), "");
  EXPECT_EQ(saved.get("Settings", "HighScore10"), "0");
  EXPECT_EQ(saved.get("Settings", "Sound"), "OFF");
  EXPECT_EQ(host.pointer, platform::MousePointer::Default) << "the hand over the button is put back";
}

TEST_P(ChromeExitTest, EndsARunningGameAndStillSaves) {
  const std::uint32_t t = gameUnderWay();
  host.click(t + 1000, exitControl());
  EXPECT_EQ(runToEnd(), 0);
  EXPECT_EQ(host.store.saved["Frothwick"].get("Settings", "HighScore1"), "0");
  EXPECT_EQ(host.store.saved["Frothwick"].get("Settings", "Sound"), "OFF");
}

INSTANTIATE_TEST_SUITE_P(Chrome, ChromeExitTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "ExitIcon" : "ExitButton"; });

// ---- Minimise and restore ------------------------------------------------------------------------

// However the window is put away, by its own icon or by the desktop, nothing plays on unseen, and
// restoring it leaves the game paused for the player to resume.
enum class Before { Running, Paused, NoGame, AboutOpen };
struct MinimiseCase {
  bool byIcon;
  Before before;
};

class ChromeMinimiseTest : public ChromeTest, public ::testing::WithParamInterface<MinimiseCase> {
protected:
  // The play area as the screen shows it, the falling beer included.
  std::vector<platform::Pixel> boardOnScreen() const {
    std::vector<platform::Pixel> pixels;
    for (std::int32_t y = f->RowY[0]; y < f->RowY[19] + f->CellHeight; ++y) {
      for (std::int32_t x = f->ColumnX[0]; x < f->ColumnX[14] + f->CellWidth; ++x) {
        pixels.push_back(host.screen().at(x, y));
      }
    }
    return pixels;
  }
};

TEST_P(ChromeMinimiseTest, LeavesThePlayButtonAndAStillBoardUntilThePlayerResumes) {
  const bool byIcon = GetParam().byIcon;
  const Before before = GetParam().before;
  const bool game = before != Before::NoGame;
  const std::uint32_t t = game ? gameUnderWay() : now() + 200;
  if (before == Before::Paused) {
    host.click(t - 100, f->pctAction);
  } else if (before == Before::AboutOpen) {
    host.click(t - 100, f->pctAbout);
  }
  if (byIcon) {
    host.click(t, f->pctMinimizeIcon);
  } else {
    host.minimizeFromDesktop(t);
  }
  host.restore(t + 1000);
  auto board = std::make_shared<std::vector<platform::Pixel>>();
  for (const std::uint32_t at : {t + 1, t + 1001}) {
    host.at(at, [this, at, t, before, board] {
      EXPECT_EQ(host.minimized, at == t + 1);
      EXPECT_TRUE(f->Paused);
      expectShowingPlay();
      expectAboutPanel(before == Before::AboutOpen);
      if (board->empty()) {
        *board = boardOnScreen();
      } else {
        EXPECT_TRUE(boardOnScreen() == *board) << "restored, the board is as it was";
      }
    });
  }
  if (game) {
    expectBeerMoves(t + 2, t + 2000, false);
  }
  runUntil(t + 2001);
  EXPECT_EQ(beerLooks, game ? 1 : 0);
}

std::string MinimiseCaseName(const ::testing::TestParamInfo<MinimiseCase>& info) {
  static constexpr const char* kBefore[] = {"Running", "Paused", "NoGame", "AboutOpen"};
  return std::string(info.param.byIcon ? "Icon" : "Desktop") + kBefore[static_cast<int>(info.param.before)];
}

INSTANTIATE_TEST_SUITE_P(
    Chrome, ChromeMinimiseTest,
    ::testing::Values(MinimiseCase{true, Before::Running}, MinimiseCase{true, Before::Paused},
                      MinimiseCase{true, Before::NoGame}, MinimiseCase{true, Before::AboutOpen},
                      MinimiseCase{false, Before::Running}, MinimiseCase{false, Before::Paused},
                      MinimiseCase{false, Before::NoGame}, MinimiseCase{false, Before::AboutOpen}),
    MinimiseCaseName);

TEST_F(ChromeTest, ResizeKeepsTheWindowBorderlessWithItsCaptionExceptWhileMinimised) {
  EXPECT_TRUE(host.borderless) << "shown at start-up";
  EXPECT_EQ(host.caption, "Frothwick");

  host.click(now() + 10, f->pctMinimizeIcon);
  runUntil(now() + 20);
  host.borderless = false;
  host.caption.clear();
  const int presents = host.presents;
  f->form().resized();
  EXPECT_FALSE(host.borderless);
  EXPECT_EQ(host.caption, "");
  EXPECT_EQ(host.presents, presents);

  host.restore(now() + 10);
  runUntil(now() + 20);
  EXPECT_FALSE(host.minimized);
  EXPECT_TRUE(host.borderless);
  EXPECT_EQ(host.caption, "Frothwick");
  EXPECT_EQ(f->form().caption(), "Frothwick");
}

// ---- Dragging, tool tips, pointer ------------------------------------------------------------------

TEST_F(ChromeTest, AnyButtonPressedOnTheWindowsOwnSurfaceDragsIt) {
  ASSERT_EQ(f->form().controlAt(kBoardX, kBoardY), nullptr);
  host.mouseDown(now() + 10, 1, kBoardX, kBoardY);
  runUntil(now() + 20);
  EXPECT_EQ(host.drags, 1);
  host.mouseDown(now() + 10, 2, kBoardX, kBoardY);
  runUntil(now() + 20);
  EXPECT_EQ(host.drags, 2) << "the right button drags like the left";
  host.mouseDown(now() + 10, 4, 5, 5);
  runUntil(now() + 20);
  EXPECT_EQ(host.drags, 3);
}

TEST_F(ChromeTest, TheBoardDragsDuringAGameToo) {
  const std::uint32_t t = gameUnderWay();
  host.mouseDown(t, 1, kBoardX, kBoardY);
  host.mouseDown(t + 100, 2, kBoardX, kBoardY);
  runUntil(t + 200);
  EXPECT_EQ(host.drags, 2);
  EXPECT_FALSE(f->Paused);
}

TEST_F(ChromeTest, PressingAButtonOrTheBannerDoesNotDrag) {
  const auto centre = [](const platform::Control& c) {
    return std::pair{c.pixelLeft() + c.pixelWidth() / 2, c.pixelTop() + c.pixelHeight() / 2};
  };
  const std::uint32_t t = now() + 10;
  for (const platform::Control* control : std::initializer_list<const platform::Control*>{
           &f->pctNew, &f->pctAbout, &f->pctQuit, &f->pctMinimizeIcon, &f->pctExitIcon, &f->imgAd[0]}) {
    const auto [x, y] = centre(*control);
    host.mouseDown(t, 2, x, y); // the right button: no click, just the press
  }
  const auto [x, y] = centre(f->pctSound);
  host.mouseDown(t + 10, 1, x, y);
  runUntil(t + 20);
  EXPECT_EQ(host.drags, 0);
  EXPECT_EQ(f->pctSound.picture(), f->pctSoundOn.picture()) << "the left press was a click";
}

TEST_F(ChromeTest, ATipShowsAfterHalfASecondOverAButtonAndGoesOnMovingOrPressing) {
  const auto overNew = [this](std::uint32_t at) {
    host.mouseMove(at, f->pctNew.pixelLeft() + 5, f->pctNew.pixelTop() + 5);
  };
  const std::vector<std::string>& painted = host.toolTips;
  const std::uint32_t t = now() + 10;
  overNew(t);
  runUntil(t + 499);
  EXPECT_FALSE(f->form().toolTip().shown);
  runUntil(t + 501);
  EXPECT_TRUE(f->form().toolTip().shown);
  EXPECT_EQ(f->form().toolTip().control, &f->pctNew);
  EXPECT_EQ(painted, std::vector<std::string>{"New Game"});

  host.mouseMove(t + 600, kBoardX, kBoardY);
  runUntil(t + 2000);
  EXPECT_FALSE(f->form().toolTip().shown) << "the board has no tip";

  overNew(t + 2001);
  runUntil(t + 2600);
  ASSERT_TRUE(f->form().toolTip().shown);
  host.mouseDown(t + 2601, 2, f->pctNew.pixelLeft() + 5, f->pctNew.pixelTop() + 5);
  runUntil(t + 4000);
  EXPECT_FALSE(f->form().toolTip().shown) << "a press puts the tip away, and it stays away";
  EXPECT_EQ(painted.size(), 2U);
}

TEST_F(ChromeTest, TheHandPointerShowsOverButtonsAndBannerOnly) {
  host.mouseMove(now() + 10, f->pctNew.pixelLeft() + 5, f->pctNew.pixelTop() + 5);
  runUntil(now() + 20);
  EXPECT_EQ(host.pointer, platform::MousePointer::Hand);
  host.mouseMove(now() + 10, kBoardX, kBoardY);
  runUntil(now() + 20);
  EXPECT_EQ(host.pointer, platform::MousePointer::Default);
  host.mouseMove(now() + 10, f->imgAd[0].pixelLeft() + 5, f->imgAd[0].pixelTop() + 5);
  runUntil(now() + 20);
  EXPECT_EQ(host.pointer, platform::MousePointer::Hand);
}

} // namespace
