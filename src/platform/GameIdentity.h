#pragma once
// What the runtime knows of the game it runs, told once by the game when it makes its host and
// window: the runtime itself names no game, so the same host, store and window carry any game.
#include "platform/Picture.h"

namespace platform {

struct GameIdentity {
  // The game's name: its window's caption and the title of its message boxes, the folder its store
  // is kept in, and the first word of every line it writes on standard error.
  const char* name;
  // The store's section for the game's settings, where the runtime keeps the window's scale too.
  const char* settingsSection;
  // The start of the names of the environment variables that set up one run (<prefix>SCALE).
  const char* environmentPrefix;
  // The middle of the names of the game's own files beside its store: .<store>.<tag>-lock, the
  // lock, and .<store>.<tag>-save-XXXXXX, a save on its way.
  const char* fileTag;
  // The window's client area in pixels, and the colour that shows where nothing else is drawn.
  PixelSize clientSize;
  Pixel background;
  // The window's icon and its hand pointer: 32 x 32 pictures under assets/.
  const char* icon;
  const char* handPointer;
};

} // namespace platform
