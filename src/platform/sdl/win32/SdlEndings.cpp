#include "platform/sdl/SdlEndings.h"

#include <SDL.h>
#include <atomic>
#include <windows.h>

namespace platform {

namespace {

std::atomic<bool> quitting{false};

// Ctrl+C, Ctrl+Break and closing the console the game was started from end it as closing its window
// does. The handler runs on a thread of its own: it notes the quit and wakes the game's wait with an
// event. Windows ends the process when the handler returns from a console's close, so it waits there
// while the game saves and leaves.
BOOL WINAPI passOnAsQuit(DWORD event) {
  quitting = true;
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
    constexpr DWORD kGraceMs = 5000; // Windows' own limit for a closing console
    Sleep(kGraceMs);
  }
  return TRUE;
}

} // namespace

// A program without a console of its own hears nothing of the console it was started from: joining
// it is what lets Ctrl+C there, and closing it, reach the game. Started from the desktop there is
// none to join, and nothing changes. Ctrl+C may arrive switched off by whoever started the game; the
// handler is what decides.
void endOnSignals() {
  AttachConsole(ATTACH_PARENT_PROCESS);
  SetConsoleCtrlHandler(nullptr, FALSE);
  SetConsoleCtrlHandler(passOnAsQuit, TRUE);
}

bool quitSignalled() {
  return quitting.load();
}

// The wait is woken by the event the handler pushes: there is no descriptor to watch.
int quitDescriptor() {
  return -1;
}

// Windows' message boxes belong to the game's own thread and end with the process: nothing to guard.
MessageBoxShown::MessageBoxShown() {}
MessageBoxShown::~MessageBoxShown() {}

// There is no display connection to lose on Windows: the window and the program end together.
void endOnLostDisplay(const char* /*speaker*/) {}
// Taken by value as the X11 side keeps the words.
void sayOnLostDisplay(std::function<void()> /*lastWords*/) {} // NOLINT(performance-unnecessary-value-param)
bool displayGone() {
  return false;
}

} // namespace platform
