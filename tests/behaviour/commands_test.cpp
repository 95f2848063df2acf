// The buttons' keys: each does what a click on its button does, only while that button could be
// clicked; Escape closes a panel; while a name is typed they type as any other key. A game started
// by its key holds the keyboard focus on pctFocus, as one started by a click does; a panel hides the
// score with the menu.
#include "GameFixture.h"

#include "platform/KeyCodes.h"

#include <algorithm>
#include <sstream>
#include <tuple>

namespace {

namespace vk = platform::vk;

// Where, the key and its shift, and what the window shows then, as CommandsTest::describe puts it.
using KeyCase = std::tuple<Where, std::int16_t, std::int16_t, const char*>;

class CommandsTest : public GameTest, public ::testing::WithParamInterface<KeyCase> {
protected:
  std::string describe() const {
    std::ostringstream s;
    s << f->GameNumber << (f->GameNumber == 1 ? " game, " : " games, ")
      << (f->Paused ? "paused" : "unpaused");
    if (f->pctAction.visible()) {
      s << ", button " << (f->pctAction.picture() == f->pctPause.picture() ? "Pause" : "Play") << " '"
        << f->pctAction.toolTipText() << "'";
    }
    s << (f->pctAboutText3.visible() ? ", about" : "");
    const auto& digits = f->pctScore;
    s << (std::none_of(digits.begin(), digits.end(), [](const auto& d) { return d.visible(); }) ? ", no score"
                                                                                                : "");
    s << (f->GameNumber > 0 && f->form().focus() != &f->pctFocus ? ", focus not on pctFocus" : "");
    if (f->pctScoreBoard.visible()) {
      s << (f->EnteringName ? ", entry '" + f->HighScoreNames[1] + "'" : std::string(", board"));
    }
    return s.str();
  }
};

TEST_P(CommandsTest, AKeyDoesWhatItsButtonWouldDo) {
  const auto& [where, key, shift, after] = GetParam();
  SCOPED_TRACE(key);
  const std::uint32_t t = reach(where);
  host.key(t, key, shift);
  std::string seen;
  host.at(t + 1, [&] {
    seen = describe();
    throw StopHere{};
  });
  try {
    runUntilStopped(host);
  } catch (const platform::ProgramEnd& end) {
    seen = end.status == 0 && host.store.updates == 1 ? "ended, saved" : "ended badly";
  }
  EXPECT_EQ(seen, after);
}

constexpr std::int16_t kCtrl = vk::CtrlMask;

// F1, F2, P and Escape at the menu or in a game are in the recorded sessions, Ctrl+Q in the ways out.
const KeyCase kKeys[] = {{Where::Menu, vk::N, kCtrl, "1 game, unpaused, button Pause 'Pause'"},
                         {Where::Menu, vk::N, 0, "0 games, unpaused"},
                         {Where::Menu, vk::Escape, 0, "0 games, unpaused"},
                         {Where::Game, vk::Pause, 0, "1 game, paused, button Play 'Play'"},
                         {Where::Game, vk::N, kCtrl, "2 games, unpaused, button Pause 'Pause'"},
                         {Where::Game, vk::F1, 0, "1 game, paused, about, no score"},
                         {Where::About, vk::Escape, 0, "1 game, unpaused, button Pause 'Pause'"},
                         {Where::About, vk::P, 0, "1 game, paused, about, no score"},
                         {Where::About, vk::F1, 0, "1 game, paused, about, no score"},
                         {Where::About, vk::F2, 0, "1 game, paused, about, no score"},
                         {Where::About, vk::Q, kCtrl, "ended, saved"},
                         {Where::Board, vk::Escape, 0, "1 game, unpaused, button Pause 'Pause'"},
                         {Where::Board, vk::Pause, 0, "1 game, paused, no score, board"},
                         {Where::Board, vk::F1, 0, "1 game, paused, no score, board"},
                         {Where::Board, vk::N, kCtrl, "1 game, paused, no score, board"},
                         {Where::Board, vk::Q, kCtrl, "ended, saved"},
                         // Name entry takes them as before: letters are typed whatever Ctrl.
                         {Where::Entry, vk::P, 0, "0 games, paused, no score, entry 'P'"},
                         {Where::Entry, vk::N, kCtrl, "0 games, paused, no score, entry 'N'"},
                         {Where::Entry, vk::Q, kCtrl, "0 games, paused, no score, entry 'Q'"}};

INSTANTIATE_TEST_SUITE_P(Keys, CommandsTest, ::testing::ValuesIn(kKeys));

} // namespace
