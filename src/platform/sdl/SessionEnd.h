#pragma once
// The desktop session ending (logging off, shutting down) while the game runs: the game is closed as
// by its window's close, so that it saves, before the session is over.
namespace platform {

class Form;

void closeOnSessionEnd(Form& window);

} // namespace platform
