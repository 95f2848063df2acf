#pragma once
// The whole program around a game on a host of the given kind: the window, its pictures, the game
// until the player leaves, and every way out closing SDL, audio and files in order. The game runs on
// the real SDL host; the benchmarks run it on SDL hosts of their own that measure or poll. A Game is
// made on its host and started by Load(); it ends the program by throwing ProgramEnd.
#include "platform/GameIdentity.h"
#include "platform/HandleEvents.h"
#include "platform/sdl/StartupError.h"

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace platform {

template <class GameHost, class Game> int RunGame(const GameIdentity& identity) {
  try {
    GameHost host(identity);
    const auto assets = host.programFolder() / "assets";
    // The window is on the screen before the game's pictures are read; its first frame, in Load,
    // has them all.
    host.showWindow();
    host.dressWindow(host.loadPicture(assets / identity.icon, {32, 32}),
                     host.loadPicture(assets / identity.handPointer, {32, 32}));
    Game game(host);
    game.Load();
    // The player leaves from inside a handler, by ProgramEnd; the wait itself is never over.
    handleEvents(host, [] { return std::optional(UINT32_MAX); });
    return 0;
  } catch (const ProgramEnd& end) {
    return end.status;
  } catch (const std::exception& error) {
    showStartupError(identity.name, error.what());
    return 1;
  }
}

} // namespace platform
