#pragma once
// The ways the desktop ends a game from outside its window.
#include <functional>

namespace platform {

// SIGTERM, SIGINT, SIGHUP (the terminal the game was started from closing) and SIGQUIT end the game
// as closing its window does. Whichever thread the kernel hands one to, it is noted and the
// descriptor below becomes readable, so that a wait watching it ends at once; a message box shown
// meanwhile is closed. A signal the game was started with ignored (nohup) stays ignored.
void endOnSignals();
// Whether one of those signals has come.
bool quitSignalled();
// Readable from the moment one of those signals has come; -1 before endOnSignals().
int quitDescriptor();

// While this lives, a signal that ends the game also ends the message box's process, which SDL forks
// from this thread; and the box's process ends when the game does, however it ends.
class MessageBoxShown {
public:
  MessageBoxShown();
  ~MessageBoxShown();
  MessageBoxShown(const MessageBoxShown&) = delete;
  MessageBoxShown& operator=(const MessageBoxShown&) = delete;
};

// When the connection to the X display is lost (the session ends, the X server goes away), the game
// ends at once with status 1 and one line on standard error in its name (`speaker`), once the last
// words below are said.
void endOnLostDisplay(const char* speaker);
// What the game does when the display is lost, before it ends: it saves what it can without the
// display. Everything confirmed before is already in the store. An empty function says nothing.
void sayOnLostDisplay(std::function<void()> lastWords);
// Whether the display is gone: from then on nothing may ask anything of it.
bool displayGone();

} // namespace platform
