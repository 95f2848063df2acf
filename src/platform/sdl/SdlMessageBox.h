#pragma once
// The game's message boxes on the desktop.
#include <cstdint>
#include <string>

struct SDL_Window;

namespace platform {

// Shows a box of SDL's kind (SDL_MESSAGEBOX_*) titled with the game's name, the text laid out to fit a
// 1024 x 768 screen, over `parent` when there is one, until the player answers it or a signal ends the game.
// Shows nothing once the game is ending or the display is gone.
void showMessageBox(std::uint32_t kind, const char* title, const std::string& text, SDL_Window* parent);

} // namespace platform
