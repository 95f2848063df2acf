#pragma once
// SDL key events as the game's key handlers expect them: the desktop's virtual-key codes and
// shift-state bits.
#include <SDL_keycode.h>
#include <SDL_scancode.h>
#include <cstdint>

namespace platform {

// The virtual-key code of a key, or 0 for a key the game has no code for. The keypad's digit keys
// give digits with NumLock on (KMOD_NUM among the modifiers) and cursor keys with it off.
std::int16_t virtualKeyFor(SDL_Keycode key, std::uint16_t modifiers);
// The same, except that a letter key whose symbol has no code in the layout in use (a Cyrillic or
// Greek letter) gives the letter A-Z of its place on the keyboard, as the desktop's key codes do.
std::int16_t virtualKeyFor(SDL_Keycode key, std::uint16_t modifiers, SDL_Scancode position);
// Shift, Ctrl and Alt as the 1, 2 and 4 bits, either side of the keyboard.
std::int16_t shiftStateFor(std::uint16_t modifiers);

} // namespace platform
