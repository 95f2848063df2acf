#include "platform/sdl/SessionEnd.h"

#include "platform/Form.h"
#include "platform/Host.h"

#include <SDL.h>
#include <cstdio>
#include <windows.h>

namespace platform {

namespace {

Form* game = nullptr;

// Windows ends the process as soon as WM_ENDSESSION is answered, so the game leaves right here: its
// close handler saves and ends the game, and the process goes with the session.
void SDLCALL watchMessages(void*, void*, unsigned int message, Uint64 wParam, Sint64) {
  if (message != WM_ENDSESSION || wParam == FALSE || game == nullptr) {
    return;
  }
  Form* window = game;
  game = nullptr;
  UINT status = 0;
  try {
    window->closeRequested();
  } catch (const ProgramEnd& end) {
    status = static_cast<UINT>(end.status);
  }
  std::fflush(nullptr);
  ExitProcess(status);
}

} // namespace

// WM_QUERYENDSESSION needs no answer of its own: the game never holds a session back.
void closeOnSessionEnd(Form& window) {
  game = &window;
  SDL_SetWindowsMessageHook(watchMessages, nullptr);
}

} // namespace platform
