#pragma once
#include "platform/Window.h"

// Moves a window that has no title bar with the mouse, as if its title bar had been pressed.
void DragWindow(platform::Window& form);
