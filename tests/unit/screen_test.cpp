// What reaches the screen: only changed parts are composed again, and the result must always be
// what composing the whole window would give.
#include "GameFixture.h"

#include "platform/KeyCodes.h"

namespace {

using ScreenTest = GameTest;

bool sameAsFullComposition(const platform::TestHost& host, const platform::Window& window) {
  platform::Surface full(platform::Window::kClientWidth, platform::Window::kClientHeight);
  window.compose(full);
  return full.pixels() == host.screen().pixels();
}

TEST_F(ScreenTest, PresentingOnlyWhatChangedGivesTheWholePicture) {
  const std::uint32_t t0 = now() + 10;
  startGame(t0);
  // A little of everything that changes the screen: steps, moves, drops, the score, the menu
  // around the about panel, a tool tip, the score board.
  for (std::uint32_t i = 0; i < 40; ++i) {
    host.key(t0 + 100 + i * 170, i % 3 == 0 ? platform::vk::Left : platform::vk::Space);
  }
  host.click(t0 + 3000, f->pctAbout);
  host.at(t0 + 3500, [&] { host.click(now(), f->pctAboutText3); });
  host.mouseMove(t0 + 7500, f->pctScores.pixelLeft() + 4, f->pctScores.pixelTop() + 4);
  int checks = 0;
  for (std::uint32_t t = t0 + 50; t < t0 + 9000; t += 250) {
    host.at(t, [&] {
      host.present();
      ++checks;
      EXPECT_TRUE(sameAsFullComposition(host, f->form())) << "at " << now() - t0 << " ms";
    });
  }
  host.click(t0 + 6000, f->pctScores);
  host.click(t0 + 7000, f->pctOk);
  runUntil(t0 + 9000);
  EXPECT_EQ(checks, 36);
  EXPECT_FALSE(host.toolTips.empty());
}

TEST_F(ScreenTest, NothingIsPresentedWhenNothingChanged) {
  runUntil(now() + 100);
  const int before = host.presents;
  runUntil(now() + 60000);
  EXPECT_EQ(host.presents, before);
}

} // namespace
