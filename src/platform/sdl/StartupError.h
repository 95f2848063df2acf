#pragma once
// Telling the player why the game could not start, before or without a window of its own.
#include <string>

namespace platform {

// One line on stderr, and a message box when there is a display to show it on, both in the name of the
// game (`speaker`).
void showStartupError(const char* speaker, const std::string& message);

} // namespace platform
