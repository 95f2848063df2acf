// The game on the real SDL host.
#include "platform/sdl/RunGame.h"
#include "platform/sdl/SdlHost.h"
#include "window/Frothwick.h"
#include "window/frmMain.h"

int main() {
  return platform::RunGame<platform::SdlHost, frmMain>(kFrothwick);
}
