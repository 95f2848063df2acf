// The floor for the game's start-up: what SDL itself costs to put a window of the game's size on the
// screen, set up as the game sets it up (the same hints, the same window and the same path from a
// plain surface to the screen), showing one black frame and nothing else. Linked only against what it
// uses, so that it maps no library the game's window does not need. Reports its first frame as the
// game does (FirstFrameReport.h) and waits until it is told to end.
#include "FirstFrameReport.h"
#include "platform/sdl/SdlDesktopWindow.h"
#include "platform/sdl/SdlEndings.h"
#include "platform/sdl/SdlScale.h"
#include "platform/sdl/SdlSession.h"
#include "platform/sdl/SdlX11.h"
#include "platform/sdl/SkipComposeTable.h"
#include "window/Frothwick.h"

#include <SDL.h>
#include <chrono>

int main() {
  const platform::PixelSize client = kFrothwick.clientSize;
  platform::SkipComposeTable skipCompose;
  const platform::SdlSession session("Start-up floor");
  skipCompose.end();
  platform::DesktopWindow window("Start-up floor", client, 1, platform::usableDisplayArea(nullptr));
  window.draw(platform::Surface(client.width, client.height), 0, 0);
  window.show({0, 0, client.width, client.height});
  reportFirstFrame();
  while (!platform::quitSignalled()) {
    SDL_PumpEvents();
    platform::x11::waitForServer(window.handle(), std::chrono::seconds(1), platform::quitDescriptor());
  }
}
