// The floor for what waiting costs: a program that does nothing but wait 80 ms at a time, as the
// game waits between steps, on the same SDL host and display, with an empty window of the game's
// size (SDL waits for events by polling while no window is open).
#include "platform/Form.h"
#include "platform/HandleEvents.h"
#include "platform/sdl/SdlHost.h"
#include "window/Frothwick.h"

#include <cstdlib>

namespace {

// The game's window in all but its name, by which the bench tells the two apart; it takes the scale
// given for the run as the game does.
constexpr platform::GameIdentity kWaitLoop = [] {
  platform::GameIdentity loop = kFrothwick;
  loop.name = "Wait loop";
  return loop;
}();

} // namespace

int main() {
  platform::SdlHost host(kWaitLoop);
  platform::Form window(host, kWaitLoop);
  host.openWindow(window, nullptr, nullptr);
  // Closed, or asked to end by a signal, it ends: a quit that nothing answers would make every wait
  // return at once, a core's worth of spinning.
  window.Unload = [] { std::exit(0); };
  platform::handleEvents(host, [] { return std::optional<std::uint32_t>(80); });
}
