#pragma once
// What every presented screen of a game must show, read by meaning rather than compared with a
// recording. After each presentation: the board on the window is a full repaint of the cells the
// board holds, with the falling beer where the game last drew it (no ghost, no strip); nothing
// outside the board's cells has changed (its frame and the side panel); the screen shows the window
// as a full composition would, at its scale; the score digits read Score and the full mugs are Lives.
// A broken rule is told in a sentence naming the place and what was expected there.
#include "platform/testhost/TestHost.h"
#include "window/frmMain.h"

#include <string>

class ScreenRules {
public:
  // Takes the window as it stands as the picture of everything outside the board: call it once the
  // window is loaded.
  ScreenRules(const frmMain& game, const platform::TestHost& host);

  // The first rule the window breaks now, or an empty string.
  std::string broken();

private:
  std::string boardShowsItsCells();
  std::string outsideTheBoardUnchanged() const;
  std::string screenIsTheWindow();
  std::string scoreAndMugs();
  std::int32_t scoreShown() const;

  static constexpr std::int32_t kRollOver = 10000000;
  static constexpr std::int32_t kNoDigit = -2;

  const frmMain& game_;
  const platform::TestHost& host_;
  platform::Rect board_;        // the cells' area on the window
  platform::Surface around_;    // the window as loaded, to compare outside the board
  platform::Surface shown_;     // the window's canvas at the last check
  platform::Surface repainted_; // the board as a full repaint draws it
  std::int32_t lastScore_ = 0;
  std::int32_t rolledOverTo_ = -1; // what the digits read after the ten million mark, until the next award
};
