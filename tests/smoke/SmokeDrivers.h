#pragma once
// The smoke tests run on SDL's dummy video and audio drivers, also when started by hand.
#include <cstdlib>

namespace smoke {

inline void useDummyDrivers() {
  ::setenv("SDL_VIDEODRIVER", "dummy", 0);
  ::setenv("SDL_AUDIODRIVER", "dummy", 0);
}

} // namespace smoke
