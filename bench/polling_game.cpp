// The yardstick for what the game costs while it waits: the same game on an SDL host whose waits
// return at once, so the game polls its events and clock as fast as the processor allows.
#include "platform/sdl/RunGame.h"
#include "platform/sdl/SdlHost.h"
#include "window/Frothwick.h"
#include "window/frmMain.h"

namespace {

class PollingHost : public platform::SdlHost {
public:
  using SdlHost::SdlHost;
  void waitForEvents(std::uint32_t /*maxMs*/) override {}
};

} // namespace

int main() {
  return platform::RunGame<PollingHost, frmMain>(kFrothwick);
}
