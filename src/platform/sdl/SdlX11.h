#pragma once
// What the game's frameless window asks of an X11 desktop that SDL does not ask for it. Every
// function does nothing (or answers no) when the window is not on X11.
#include <chrono>

struct SDL_Window;

namespace platform::x11 {

// Tells every window manager, one running now or one that starts later, that the window wants no
// frame and no title bar (the Motif hint, which all current managers read).
void askForNoFrame(SDL_Window* window);

// Hands moving the window with the pointer to the window manager, as a press on a title bar would,
// when one runs that moves windows on request; false when none does or no button is held.
bool handMoveToWindowManager(SDL_Window* window);

// Where the pointer is on the screen and whether a button is held, asked of the X server itself:
// SDL's own idea of it misses pointers moved by absolute position. False when not on X11.
bool queryPointer(SDL_Window* window, int& x, int& y, bool& held);

// Sleeps once, precisely, until the X server sends the game something, `wake` becomes readable (when
// not -1) or `left` has passed, after sending on what is still buffered. False, without sleeping,
// when the window is not on X11.
bool waitForServer(SDL_Window* window, std::chrono::nanoseconds left, int wake);

} // namespace platform::x11
