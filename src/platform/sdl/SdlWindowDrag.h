#pragma once
// Moving a frameless window with the mouse. Under a window manager the manager moves it, as it
// moves every window by its title bar (snapping, edge resistance); without one the window follows
// the pointer itself, whatever moves the pointer: a mouse, a tablet, or a remote desktop that sets
// its position. Either way the program's event loop goes on meanwhile: timers run, the game plays.
struct SDL_Window;
union SDL_Event;

namespace platform {

class WindowDrag {
public:
  // Starts moving the window with the pointer, until no mouse button is held.
  void start(SDL_Window* window);
  // Takes the pointer's events while the window follows the pointer itself: true when the event was
  // the drag's and is not to be handled further.
  bool follow(const SDL_Event& event);

private:
  void moveWithPointer();
  void end();

  SDL_Window* window_ = nullptr; // while following the pointer
  int pointerX_ = 0, pointerY_ = 0, windowX_ = 0, windowY_ = 0;
};

} // namespace platform
