#pragma once
// What the window shows, in words rather than pixels, for the recorded sessions' traces: the visible
// controls in the order they are drawn, each with the picture it shares when it shows one of the
// game's picture holders, and the score board's rows read back letter by letter from its surface. A
// picture redrawn pixel by pixel changes none of these words; a control shown, hidden or switched does.
#include "window/frmMain.h"

#include <string>

// "shows" and the visible controls, but the score digits and the mugs, which the screen rules read.
std::string shownControls(const frmMain& game);

// "scoreboard" and each row as its ten letter cells and seven digits ('_' the entry cursor, '?' a
// cell that shows no letter's picture), or an empty string while the board is hidden.
std::string scoreBoardRows(const frmMain& game);
