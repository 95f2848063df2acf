// A game pad: each press does what its key does, under the key's rules (in play, paused, at the menu,
// over a panel, in the two seconds after the last life), a held direction repeats as a held key, and
// a name is given arcade style. Unplugging a pad pauses the game.
#include "GameFixture.h"

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

#include <sstream>
#include <tuple>

namespace {

using platform::PadButton;
using enum PadButton;

// A press and how long it is held; the next press comes a millisecond after the release. A pad that
// is unplugged (Gone) never releases what it held, and the next press comes `heldFor` ms later.
struct Press {
  PadButton button;
  std::uint32_t heldFor = 0;
  bool gone = false;
};
constexpr Press Gone(std::uint32_t wait = 0) {
  return {West, wait, true};
}

using PadCase = std::tuple<Where, std::vector<Press>, const char*>;

class PadTest : public GameTest, public ::testing::WithParamInterface<PadCase> {
protected:
  // The character the score board shows under the name's cursor, read from its pixels.
  std::string atCursor() const {
    const auto& board = *f->pctScoreBoard.drawing();
    const std::int32_t x = platform::twipsToPixels(f->ScoreLetterX[f->EntryColumn]);
    const std::int32_t y = platform::twipsToPixels(f->ScoreRowY[f->EntryRow]);
    const auto shows = [&](const platform::PictureBox& box) {
      platform::Surface cell(box.pixelWidth(), box.pixelHeight());
      cell.drawPicture(*box.picture(), 0, 0, platform::kBlack);
      for (std::int32_t dy = 0; dy < cell.height(); ++dy) {
        for (std::int32_t dx = 0; dx < cell.width(); ++dx) {
          if (board.at(x + dx, y + dy) != cell.at(dx, dy)) {
            return false;
          }
        }
      }
      return true;
    };
    for (char c = 'A'; c <= 'Z'; ++c) {
      if (shows(f->pctAlpha[static_cast<std::size_t>(c - 'A')])) {
        return {c};
      }
    }
    for (char c = '0'; c <= '9'; ++c) {
      if (shows(f->pctDigit[static_cast<std::size_t>(c - '0')])) {
        return {c};
      }
    }
    return shows(f->pctCursor) ? "cursor" : "?";
  }

  std::string describe() const {
    std::ostringstream s;
    s << f->GameNumber << (f->GameNumber == 1 ? " game, " : " games, ")
      << (f->Paused ? "paused" : "unpaused");
    if (f->pctAction.visible()) {
      s << ", button " << (f->pctAction.picture() == f->pctPause.picture() ? "Pause" : "Play");
    }
    if (f->Falling) {
      std::int16_t row = 0, column = 0;
      bool inside = false;
      f->PixelToCell(f->BeerX, f->BeerY, row, column, inside);
      s << ", column " << column << " score " << f->Score;
    }
    s << (f->pctAboutText3.visible() ? ", about" : "");
    if (f->EntryRow > 0 && !f->EnteringName) {
      s << ", named '" << f->HighScoreNames[f->EntryRow] << "'";
    } else if (f->EnteringName) {
      s << ", entry '" << f->HighScoreNames[f->EntryRow] << "' then " << atCursor();
    } else if (f->pctScoreBoard.visible()) {
      s << ", board";
    }
    return s.str();
  }
};

TEST_P(PadTest, APressDoesWhatItsKeyWouldDo) {
  const auto& [where, presses, after] = GetParam();
  std::uint32_t t = reach(where);
  for (std::size_t i = 0; i < presses.size(); ++i) {
    const Press& press = presses[i];
    if (press.gone) {
      host.padGone(t);
    } else {
      host.padDown(t, press.button);
      if (i + 1 == presses.size() || !presses[i + 1].gone) {
        host.padUp(t + press.heldFor, press.button);
      }
    }
    t += press.heldFor + 1;
  }
  std::string seen;
  host.at(t + 40, [&] { // a held direction would have repeated once more by now
    seen = describe();
    throw StopHere{};
  });
  runUntilStopped(host);
  EXPECT_EQ(seen, after);
}

// Where, the presses, and what the window shows 40 ms after the last: the falling beer (which starts
// in column 9) and the score, the Play/Pause button, a panel, and a name being entered with what is
// shown at its cursor.
const PadCase kPresses[] = {
    {Where::Game, {{Left}, {Left}}, "1 game, unpaused, button Pause, column 7 score 0"},
    {Where::Game, {{Right}}, "1 game, unpaused, button Pause, column 10 score 0"},
    {Where::Game, {{Down}}, "1 game, unpaused, button Pause, column 9 score 90"},
    {Where::Game, {{South}}, "1 game, unpaused, button Pause, column 9 score 90"},
    // Held half a second and 20 ms: the press, and one repeat; released, it repeats no more.
    {Where::Game, {{Left, 520}}, "1 game, unpaused, button Pause, column 7 score 0"},
    // Held 634 ms: repeats at 500, 533, 566, 599 and 632 ms.
    {Where::Game, {{Left, 634}}, "1 game, unpaused, button Pause, column 3 score 0"},
    {Where::Game, {{Right, 620}}, "1 game, unpaused, button Pause, column 14 score 0"},
    {Where::Game, {{Start}}, "1 game, paused, button Play, column 9 score 0"},
    {Where::Game, {{Start}, {Start}}, "1 game, unpaused, button Pause, column 9 score 0"},
    {Where::Game, {{Up}, {West}, {East}}, "1 game, unpaused, button Pause, column 9 score 0"},
    {Where::Game, {{Back}}, "2 games, unpaused, button Pause, column 11 score 0"},
    {Where::Game, {{North}}, "1 game, paused, column 9 score 0, board"},
    // Unplugged in play: paused, as a minimised window is; Start on another pad resumes.
    {Where::Game, {{Left, 20}, Gone()}, "1 game, paused, button Play, column 8 score 0"},
    {Where::Game, {{Left}, Gone(), {Start}}, "1 game, unpaused, button Pause, column 8 score 0"},
    {Where::Paused, {{Left}, {Right}, {South}, {Down}}, "1 game, paused, button Play, column 9 score 0"},
    {Where::Paused, {{Start}}, "1 game, unpaused, button Pause, column 9 score 0"},
    {Where::Menu, {{Back}}, "1 game, unpaused, button Pause, column 11 score 0"},
    {Where::Menu, {{Start}, {East}, {Left}, {South}}, "0 games, unpaused"},
    {Where::Menu, {{North}}, "0 games, paused, board"},
    {Where::Menu, {{North}, {East}}, "0 games, unpaused"},
    {Where::About, {{East}}, "1 game, unpaused, button Pause, column 9 score 0"},
    {Where::About, {{Start}, {Back}, {North}, {Left}}, "1 game, paused, column 9 score 0, about"},
    {Where::Board, {{East}}, "1 game, unpaused, button Pause, column 9 score 0"},
    {Where::Board, {{Start}, {Back}, {North}}, "1 game, paused, column 9 score 0, board"},
    // The two seconds after the last life: nothing reaches the name.
    {Where::HeldBack,
     {{Up}, {South}, {Right}, {Start}},
     "1 game, paused, column 9 score 0, entry '' then cursor"},
    // Up and down turn the character under the cursor; it is typed only when accepted.
    {Where::Entry, {{Up}}, "0 games, paused, entry '' then A"},
    {Where::Entry, {{Up}, {Up}, {Up}, {Down}}, "0 games, paused, entry '' then B"},
    {Where::Entry, {{Down}}, "0 games, paused, entry '' then 9"},
    {Where::Entry, {{Down}, {Up}}, "0 games, paused, entry '' then cursor"},
    {Where::Entry, {{Up}, {Right}, {Down}, {Down}, {South}}, "0 games, paused, entry 'A8' then cursor"},
    {Where::Entry, {{South}, {Up}, {South}}, "0 games, paused, entry ' A' then cursor"},
    // Held, the turn repeats as the arrows do: A, then B at half a second, C to F every 33 ms after.
    {Where::Entry, {{Up, 664}, {Right}}, "0 games, paused, entry 'F' then cursor"},
    {Where::Entry, {{Up}, {Right}, {Up}, {Up}, {Left}}, "0 games, paused, entry '' then cursor"},
    {Where::Entry, {{Up}, {Right}, {Up}, {East}, {Up}}, "0 games, paused, entry '' then A"},
    {Where::Entry, {{Up}, {Right}, {Up}, {Start}}, "0 games, paused, named 'A'"},
    {Where::Entry, {{Back}, {North}, {West}}, "0 games, paused, entry '' then cursor"},
    // A pad pulled out while its up is held turns the letter no further.
    {Where::Entry, {{Up, 20}, Gone(600)}, "0 games, paused, entry '' then A"}};

INSTANTIATE_TEST_SUITE_P(Pads, PadTest, ::testing::ValuesIn(kPresses));

// The stick presses past half its travel and lets go within a quarter; between them it keeps what it
// had, and a swing from side to side lets go of one side before it presses the other.
TEST(PadStick, PressesPastHalfwayAndLetsGoWithinAQuarter) {
  platform::PadStick stick;
  std::string seen;
  for (const std::int32_t value :
       {0, 10000, 16383, 16384, 12000, 8191, -20000, -8192, -8191, 32767, -32768}) {
    seen += std::to_string(value) + ":";
    for (const auto& change : stick.moved(value)) {
      if (change) {
        seen += (change->pressed ? " +" : " -") + std::string(change->button == Left ? "L" : "R");
      }
    }
    seen += " ";
  }
  EXPECT_EQ(
      seen,
      "0: 10000: 16383: 16384: +R 12000: 8191: -R -20000: +L -8192: -8191: -L 32767: +R -32768: -R +L ");
}

} // namespace
