// Creates the real host and the window, runs until the player leaves, and tears everything down in
// order on the way out.
#include "platform/sdl/SdlHost.h"
#include "platform/sdl/StartupError.h"
#include "window/frmMain.h"

#include <cstdint>
#include <stdexcept>

namespace {

int Run() {
  platform::SdlHost host;
  frmMain window(host);
  const auto assets = host.programFolder() / "assets";
  host.openWindow(window.form(), "Frothwick", host.loadPicture(assets / "frmMain_icon.png", {32, 32}),
                  host.loadPicture(assets / "hand_cursor.png", {32, 32}));
  window.Load();
  for (;;) {
    host.doEvents();
    host.waitForEvents(UINT32_MAX);
  }
}

} // namespace

int main() {
  try {
    return Run();
  } catch (const platform::ProgramEnd& end) {
    return end.status;
  } catch (const std::exception& error) {
    platform::showStartupError(error.what());
    return 1;
  }
}
