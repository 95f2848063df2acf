#pragma once
// Module1 holds the game's one routine that is not tied to the window's state: dragging a window
// that has no title bar.
#include "platform/Form.h"

// Moves a window that has no title bar with the mouse, as if its title bar had been pressed.
void DragWindow(platform::Form& form);
