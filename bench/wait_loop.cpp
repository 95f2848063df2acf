// The floor for what waiting costs: a program that does nothing but wait 80 ms at a time, as the
// game waits between steps, on the same SDL host and display, with an empty window of the game's
// size (SDL waits for events by polling while no window is open).
#include "platform/Form.h"
#include "platform/HandleEvents.h"
#include "platform/sdl/SdlHost.h"

int main() {
  platform::SdlHost host;
  platform::Form window(host);
  host.openWindow(window, "Wait loop", nullptr, nullptr);
  platform::handleEvents(host, [] { return std::optional<std::uint32_t>(80); });
}
