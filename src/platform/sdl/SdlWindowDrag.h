#pragma once
// Moving a frameless window with the mouse. The window moves itself by following the pointer on the
// whole screen: this works the same with and without a window manager, which SDL's hit testing does
// not.
struct SDL_Window;

namespace platform {

// Returns once no mouse button is held, or when the program is asked to quit (the quit request is
// left pending for the event loop). Events other than the mouse's are kept for the event loop too.
void dragWindowWithMouse(SDL_Window* window);

} // namespace platform
