#pragma once
// The ways the desktop ends a game from outside its window.
namespace platform {

// Closing the terminal the game was started from (SIGHUP) and SIGQUIT end the game as closing its
// window does, through the quit request SDL makes of SIGTERM. A signal the game was started with
// ignored (nohup) stays ignored.
void endOnHangUp();

// When the connection to the X display is lost (the session ends, the X server goes away), the game
// ends at once with status 1 and one line on standard error: there is no window left to save from,
// and everything confirmed before is already in the store.
void endOnLostDisplay();

} // namespace platform
