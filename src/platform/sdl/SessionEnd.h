#pragma once
// The desktop session ending (logging off, shutting down) while the game runs: the game is closed as
// by its window's close, so that it saves, before the session is over.
struct SDL_Window;

namespace platform {

class Form;

// `shown` is the desktop's window that shows `window`.
void closeOnSessionEnd(Form& window, SDL_Window* shown);

} // namespace platform
