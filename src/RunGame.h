#pragma once
// The whole program around a host of the given kind: the window, its pictures, the game until the
// player leaves, and every way out closing SDL, audio and files in order. The game runs on the real
// SDL host; the benchmarks run it on SDL hosts of their own that measure or poll.
#include "platform/HandleEvents.h"
#include "platform/sdl/StartupError.h"
#include "window/Frothwick.h"
#include "window/frmMain.h"

#include <cstdint>
#include <optional>
#include <stdexcept>

template <class GameHost> int RunGame() {
  try {
    GameHost host(kFrothwick);
    const auto assets = host.programFolder() / "assets";
    // The window is on the screen before the game's pictures are read; its first frame, in Load,
    // has them all.
    host.showWindow();
    host.dressWindow(host.loadPicture(assets / "frmMain_icon.png", {32, 32}),
                     host.loadPicture(assets / "hand_cursor.png", {32, 32}));
    frmMain window(host);
    window.Load();
    // The player leaves from inside a handler, by ProgramEnd; the wait itself is never over.
    platform::handleEvents(host, [] { return std::optional(UINT32_MAX); });
    return 0;
  } catch (const platform::ProgramEnd& end) {
    return end.status;
  } catch (const std::exception& error) {
    platform::showStartupError(kFrothwick.name, error.what());
    return 1;
  }
}
