#include "platform/sdl/SessionEnd.h"

#include "platform/Form.h"
#include "platform/Host.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <cstdio>
#include <windows.h>

namespace platform {

namespace {

Form* game = nullptr;
WNDPROC sdlProcedure = nullptr;

// Windows sends WM_ENDSESSION straight to the window's procedure, past SDL's event loop, and ends the
// process as soon as it is answered: so the window's procedure is watched, and the game leaves right
// here. Its close handler saves and ends the game; the process goes with the session.
LRESULT CALLBACK watchSessionEnd(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENDSESSION && wParam != FALSE && game != nullptr) {
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
  return CallWindowProcW(sdlProcedure, hwnd, message, wParam, lParam);
}

} // namespace

// WM_QUERYENDSESSION needs no answer of its own: the game never holds a session back.
void closeOnSessionEnd(Form& window, SDL_Window* shown) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (shown == nullptr || SDL_GetWindowWMInfo(shown, &info) == SDL_FALSE) {
    return;
  }
  game = &window;
  // Windows hands the window's procedure back as an integer.
  sdlProcedure = reinterpret_cast<WNDPROC>( // NOLINT(performance-no-int-to-ptr)
      SetWindowLongPtrW(info.info.win.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchSessionEnd)));
}

} // namespace platform
