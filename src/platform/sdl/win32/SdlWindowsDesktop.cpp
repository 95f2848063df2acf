// What the frameless window asks of the Windows desktop, behind the same calls the X11 desktop
// answers (SdlX11.h): only moving the window is Windows' business here.
#include "platform/sdl/SdlX11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <windows.h>

namespace platform::x11 {

// A window without a caption asks for none: SDL's borderless window already has no frame.
void askForNoFrame(SDL_Window*) {}

// Windows moves the window as it moves any by its title bar, snapping to the screen's edges: the
// press is handed over as a press on a caption.
bool handMoveToWindowManager(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) == SDL_FALSE ||
      info.subsystem != SDL_SYSWM_WINDOWS ||
      (GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) != 0 ? VK_RBUTTON : VK_LBUTTON) & 0x8000) == 0) {
    return false;
  }
  ReleaseCapture();
  SDL_CaptureMouse(SDL_FALSE);
  PostMessageW(info.info.win.window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  return true;
}

// SDL asks Windows itself for the pointer.
bool queryPointer(SDL_Window*, int&, int&, bool&) {
  return false;
}

// SDL's own wait sleeps on Windows' message queue.
bool waitForServer(SDL_Window*, std::chrono::nanoseconds, int) {
  return false;
}

} // namespace platform::x11
