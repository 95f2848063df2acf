#include "platform/sdl/SdlEndings.h"

#include <SDL.h>
#include <windows.h>

namespace platform {

namespace {

// Ctrl+C, Ctrl+Break and closing the console the game was started from end it as closing its window
// does. The handler runs on a thread of its own; Windows ends the process when it returns from a
// console's close, so it waits there while the game saves and leaves.
BOOL WINAPI passOnAsQuit(DWORD event) {
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

void endOnHangUp() {
  SetConsoleCtrlHandler(passOnAsQuit, TRUE);
}

// There is no display connection to lose on Windows: the window and the program end together.
void endOnLostDisplay() {}

} // namespace platform
