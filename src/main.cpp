// The game on the real SDL host.
#include "RunGame.h"
#include "platform/sdl/SdlHost.h"

int main() {
  return RunGame<platform::SdlHost>();
}
