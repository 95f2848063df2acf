// The window at a whole scale: the sums behind it, the scale it opens at, the keys that change it, the
// 1x screen with every pixel a square, and clicks and keys reaching the game as if unscaled.
#include "GameFixture.h"
#include "window/Frothwick.h"

#include "platform/KeyCodes.h"
#include "platform/Scale.h"
#include "platform/WindowScale.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <tuple>

namespace {

namespace vk = platform::vk;
using platform::Rect;
using platform::ScaleKey;

constexpr std::int16_t kCtrl = vk::CtrlMask;
constexpr std::int16_t kPlus = 187;

TEST(Scale, DisplaysKeysWrittenScalesAndPositionsMeanWhatThePlayerExpects) {
  const std::vector<std::tuple<Rect, std::int32_t, std::int32_t>> fits = {
      {{0, 0, 2560, 1440}, 90, 2}, {{0, 0, 2560, 1400}, 90, 2}, {{0, 0, 3840, 2160}, 100, 4},
      {{0, 0, 800, 600}, 90, 1},   {{0, 0, 7680, 4320}, 90, 4}, {{0, 0, 1374, 2160}, 100, 2},
      {{0, 0, 1373, 2160}, 100, 1}};
  for (const auto& [display, percent, scale] : fits) {
    EXPECT_EQ(platform::fittingScale(kFrothwick.clientSize, display, percent), scale)
        << display.w << "x" << display.h << " " << percent;
  }
  // Each scale key with Ctrl alone is pressed in the window below; Shift beside Ctrl does not matter.
  EXPECT_EQ(platform::scaleKeyFor(kPlus, kCtrl | vk::ShiftMask), ScaleKey::Larger);
  const std::pair<std::int16_t, std::int16_t> notScaleKeys[] = {
      {vk::Digit0, 0}, {kPlus, vk::ShiftMask}, {vk::Digit0, kCtrl | vk::AltMask}, {vk::Digit0 + 1, kCtrl}};
  for (const auto& [code, shift] : notScaleKeys) {
    EXPECT_EQ(platform::scaleKeyFor(code, shift), ScaleKey::None) << code << " with " << shift;
  }
  const std::vector<std::pair<std::string, std::int32_t>> written = {
      {"3", 3}, {" 2 ", 2}, {"4", 4}, {"0", 0}, {"5", 0}, {"2x", 0}, {"", 0}, {"-1", 0}, {"AUTO", 0}};
  for (const auto& [text, scale] : written) {
    EXPECT_EQ(platform::parseScale(text).value_or(0), scale) << '"' << text << '"';
  }
  const std::vector<std::tuple<std::int32_t, std::int32_t, std::int32_t>> positions = {
      {2, 3, 0}, {3, 3, 1}, {2060, 3, 686}, {-1, 3, -1}, {-3, 3, -1}, {-4, 3, -2}, {5, 1, 5}};
  for (const auto& [screen, scale, client] : positions) {
    EXPECT_EQ(platform::toClient(screen, scale), client) << screen << " at " << scale;
  }
  // A window changing size stays about its centre and on its display.
  const Rect display{0, 0, 3840, 2160};
  const std::vector<std::pair<Rect, Rect>> moves = {
      {{889, 315, 2061, 1530}, {1232, 570, 1374, 1020}}, // about the same centre
      {{0, 0, 1374, 1020}, {0, 0, 2061, 1530}},          // grows from the top-left corner inwards
      {{3000, 1800, 687, 510}, {1779, 630, 2061, 1530}}, // and from the bottom-right
      {{100, 100, 687, 510}, {0, 0, 4122, 3060}}};       // too big: its top-left corner shows
  for (const auto& [from, to] : moves) {
    EXPECT_EQ(platform::recentred(from, to.w, to.h, display), to) << to.w;
  }
  // An area of an enlarged part is written straight into rows of a screen.
  const platform::Surface part(3, 2, {1, 2, 3, 4, 5, 6});
  const platform::Surface whole = platform::enlarged(part, 3);
  const Rect area{2, 1, 5, 4};
  std::vector<platform::Pixel> screen(static_cast<std::size_t>(8 * area.h));
  platform::enlargeInto(part, 3, area, screen.data(), 8);
  for (std::int32_t y = 0; y < area.h; ++y) {
    for (std::int32_t x = 0; x < area.w; ++x) {
      EXPECT_EQ(screen[static_cast<std::size_t>(y * 8 + x)], whole.at(area.x + x, area.y + y))
          << x << "," << y;
    }
  }
}

class ScaleTest : public GameTest {
protected:
  void SetUp() override {
    host.display = {0, 0, 3840, 2160}; // opens at 3x
    GameTest::SetUp();
  }
  // Keys one millisecond apart; returns what reached the game's own key handler.
  std::vector<std::int16_t> press(const std::vector<std::pair<std::int16_t, std::int16_t>>& keys) {
    std::vector<std::int16_t> seen;
    auto game = f->form().KeyDown;
    f->form().KeyDown = [&](std::int16_t& code, std::int16_t shift) {
      seen.push_back(code);
      game(code, shift);
    };
    std::uint32_t t = now();
    for (const auto& [code, shift] : keys) {
      host.key(++t, code, shift);
    }
    runUntil(t + 1);
    f->form().KeyDown = game;
    return seen;
  }
};

// The run's scale wins, then the player's, then the display's; none opens the window past the edge
// of the display's usable area, and a scale asked for the run that does not fit is said to be lowered.
// The window was laid out on whole pixels of 15 twips: a place or size off them is a slip of the
// table's, which rounding would hide at one scale and show at none on purpose.
TEST_F(GameTest, EveryControlOfTheDesignLiesOnWholePixels) {
  std::vector<const platform::Control*> controls(f->form().images().begin(), f->form().images().end());
  controls.insert(controls.end(), f->form().boxes().begin(), f->form().boxes().end());
  for (const platform::Control* c : controls) {
    for (const std::int32_t twips : {c->left(), c->top(), c->width(), c->height()}) {
      EXPECT_EQ(twips % 15, 0) << c->name() << " has " << twips << " twips, off a whole pixel";
    }
  }
}

// Each box of the first screen shows its picture from its top-left corner, and its back colour where
// the picture is transparent or does not reach, unless a box above it covers it.
TEST_F(GameTest, EveryShownPictureBoxShowsItsPicture) {
  const auto& boxes = f->form().boxes();
  int checked = 0;
  for (auto box = boxes.begin(); box != boxes.end(); ++box) {
    const platform::Rect place = (*box)->pixelBounds();
    const bool covered = std::any_of(box + 1, boxes.end(), [&](const platform::PictureBox* above) {
      return above->visible() && above->pixelBounds().intersects(place);
    });
    if (!(*box)->visible() || (*box)->drawing() || covered) {
      continue;
    }
    const platform::Picture* picture = (*box)->picture().get();
    const platform::Surface shown = f->form().composed(place);
    for (std::int32_t y = 0; y < place.h; ++y) {
      for (std::int32_t x = 0; x < place.w; ++x) {
        const bool inPicture = picture != nullptr && x < picture->width && y < picture->height;
        const platform::Pixel p = inPicture ? picture->at(x, y) : 0;
        ASSERT_EQ(shown.at(x, y), (p >> 24) >= 0x80 ? p | platform::kOpaque : (*box)->backColor())
            << (*box)->name() << " at " << x << "," << y;
      }
    }
    ++checked;
  }
  EXPECT_GE(checked, 10);
}

TEST(ScaleAtStart, IsTheRunsThenThePlayersThenTheDisplaysAndAlwaysFits) {
  const Rect uhd{0, 0, 3840, 2160};
  std::vector<std::tuple<Rect, std::string, std::string, std::int32_t>> starts = {
      {uhd, "", "", 3},
      {{0, 0, 1920, 1080}, "", "", 1},
      {uhd, "2", "", 2},
      {uhd, "4", "", 4},
      {{0, 0, 2560, 1440}, "4", "", 2},
      {uhd, "AUTO", "", 3},
      {uhd, "2", "1", 1},
      {uhd, "2", "five", 2}};
  // Every scale for the run on four displays, two with a panel: what the window opens at.
  const std::pair<Rect, std::array<std::int32_t, 4>> displays[] = {{{0, 0, 1024, 768}, {1, 1, 1, 1}},
                                                                   {{0, 0, 1366, 728}, {1, 1, 1, 1}},
                                                                   {{0, 32, 1920, 1048}, {1, 2, 2, 2}},
                                                                   {uhd, {1, 2, 3, 4}}};
  for (const auto& [display, scales] : displays) {
    for (std::int32_t asked = 1; asked <= 4; ++asked) {
      starts.emplace_back(display, "3", std::to_string(asked), scales[static_cast<std::size_t>(asked - 1)]);
    }
  }
  for (const auto& [display, stored, forRun, scale] : starts) {
    SCOPED_TRACE(::testing::Message()
                 << display.w << "x" << display.h << " '" << stored << "' '" << forRun << "'");
    platform::TestHost host(kFrothwick);
    host.display = display;
    host.scaleForRun = forRun.empty() ? nullptr : forRun.c_str();
    host.store.document("Frothwick").set("Settings", "Scale", stored);
    ::testing::internal::CaptureStderr();
    frmMain game(host);
    game.Load();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(host.scale(), scale);
    EXPECT_EQ(host.screen().width(), 687 * scale);
    const Rect& at = host.opened;
    EXPECT_TRUE(at.x >= display.x && at.y >= display.y && at.x + at.w <= display.x + display.w &&
                at.y + at.h <= display.y + display.h)
        << at.x << "," << at.y << " " << at.w << "x" << at.h;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), std::atoi(forRun.c_str()) > scale ? 1 : 0) << err;
  }
}

// A choice the store refuses is told as any failed save is and tried again on the way out, which ends
// with status 1 only if it still cannot be saved.
TEST_F(ScaleTest, AChoiceThatCannotBeSavedIsToldAndTriedAgainOnTheWayOut) {
  for (const bool recovers : {false, true}) {
    SCOPED_TRACE(recovers ? "the store can be written again" : "the store stays read-only");
    ScaleTest::SetUp();
    host.effects.clear();
    host.store.failUpdatesWith = "settings.ini: Read-only file system";
    ::testing::internal::CaptureStderr();
    press({{vk::OemMinus, kCtrl}});
    EXPECT_EQ(host.scale(), 2);
    ASSERT_EQ(host.effects.size(), 1U);
    EXPECT_EQ(host.effects[0],
              "message The window's size could not be saved to settings.ini: Read-only file system.");
    if (recovers) {
      host.store.failUpdatesWith.clear();
    }
    host.close(now() + 10);
    EXPECT_EQ(runToEnd(), recovers ? 0 : 1);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), recovers ? 1 : 3) << err;
    EXPECT_EQ(host.store.saved["Frothwick"].get("Settings", "Scale"),
              recovers ? std::optional<std::string>("2") : std::nullopt);
  }
}

TEST_F(ScaleTest, ScaleKeysStepWithinTheDisplayAndAreKeptButNeverReachTheGame) {
  host.store.document("Frothwick").set("Settings", "Sound", "ON");
  const std::vector<std::tuple<std::int16_t, std::int32_t, std::optional<std::string>>> steps = {
      {vk::Add, 4, "4"},      {kPlus, 4, "4"},        {vk::OemMinus, 3, "3"}, {vk::Subtract, 2, "2"},
      {vk::OemMinus, 1, "1"}, {vk::Subtract, 1, "1"}, {vk::Add, 2, "2"},      {vk::Digit0, 3, "AUTO"}};
  for (const auto& [code, scale, kept] : steps) {
    EXPECT_TRUE(press({{code, kCtrl}}).empty()) << code;
    EXPECT_EQ(host.scale(), scale) << code;
    EXPECT_EQ(host.store.saved["Frothwick"].get("Settings", "Scale"), kept) << code;
  }
  EXPECT_EQ(host.store.saved["Frothwick"].get("Settings", "Sound"), "ON") << "only the scale is written";
  const int saves = host.store.updates;
  EXPECT_TRUE(press({{vk::Numpad0, kCtrl}}).empty());
  EXPECT_EQ(host.store.updates, saves) << "an unchanged choice is not written again";

  f->Score = 7;
  f->CheckHighScore();
  ASSERT_TRUE(f->EnteringName);
  EXPECT_EQ(press({{vk::Digit0, kCtrl}, {vk::Add, kCtrl}, {'A', 0}}), (std::vector<std::int16_t>{'A'}));
  EXPECT_EQ(f->HighScoreNames[static_cast<std::size_t>(f->EntryRow)], "A");
  press({{vk::Return, 0}});

  startGame(now() + 10);
  runUntil(now() + 500);
  const std::int32_t beerX = f->BeerX;
  EXPECT_EQ(press({{kPlus, kCtrl}, {vk::OemMinus, kCtrl}, {vk::Left, 0}}),
            (std::vector<std::int16_t>{vk::Left}));
  EXPECT_NE(f->BeerX, beerX) << "the game's own keys still arrive";
}

TEST_F(ScaleTest, AClickHitsTheControlDrawnUnderItsScaledPosition) {
  const platform::PictureBox& button = f->pctNew;
  const std::int32_t right = (button.pixelLeft() + button.pixelWidth()) * 3; // first screen pixel past it
  const std::int32_t middle = (button.pixelTop() + button.pixelHeight() / 2) * 3;
  host.click(now() + 10, right, middle);
  runUntil(now() + 100);
  EXPECT_FALSE(f->pctAction.visible()) << "a click just right of the button misses it";
  host.click(now() + 10, right - 1, button.pixelTop() * 3);
  runUntil(now() + 100);
  EXPECT_TRUE(f->pctAction.visible()) << "its top right screen pixel starts a game";
}

// One scripted game, the same at every scale, ending with the tip of the Pause button shown.
platform::Surface playedAt(const char* scale) {
  platform::TestHost host(kFrothwick, 1000, 7);
  host.display = {0, 0, 3840, 2160};
  host.scaleForRun = scale;
  frmMain game(host);
  game.Load();
  const std::int32_t factor = host.scale();
  host.click(1100, game.pctNew);
  const std::int16_t steering[] = {vk::Left, vk::Left, vk::Down, vk::Right, vk::Space};
  for (std::uint32_t i = 0; i < 40; ++i) {
    host.key(1300 + 250 * i, steering[i % 5]);
  }
  const platform::PictureBox& pause = game.pctAction;
  host.mouseMove(12000, (pause.pixelLeft() + 3) * factor, (pause.pixelTop() + 3) * factor);
  host.at(13000, [] { throw StopHere{}; });
  runUntilStopped(host);
  EXPECT_EQ(host.toolTips.size(), 1U);
  // Where desktops put a tip: clear of the pointer's arrow, below it and a little right, yet inside
  // the window.
  const platform::Rect tip = game.form().toolTipArea();
  EXPECT_EQ(tip.y, pause.pixelTop() + 3 + 22) << scale;
  EXPECT_EQ(tip.x, std::min(pause.pixelLeft() + 3 + 2, kFrothwick.clientSize.width - tip.w)) << scale;
  return host.screen();
}

TEST(ScaledScreen, IsTheOneTimesScreenWithEveryPixelASquare) {
  const platform::Surface one = playedAt("1");
  for (const auto& [text, scale] : {std::pair{"2", 2}, std::pair{"3", 3}}) {
    const platform::Surface scaled = playedAt(text);
    EXPECT_EQ(scaled.width(), 687 * scale);
    EXPECT_TRUE(scaled.pixels() == platform::enlarged(one, scale).pixels()) << "at " << scale << "x";
  }
}

} // namespace
