// The floor for what waiting costs: a program that does nothing but wait 80 ms at a time, as the
// game waits between steps, on the same SDL host and display, without a window or a game.
#include "platform/sdl/SdlHost.h"

int main() {
  platform::SdlHost host;
  for (;;) {
    host.doEvents();
    host.waitForEvents(80);
  }
}
