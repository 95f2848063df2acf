#include "platform/sdl/SkipComposeTable.h"

namespace platform {

// Windows has no compose table for SDL to read: nothing to skip, nothing to put back.
SkipComposeTable::SkipComposeTable() : inForce_(false) {}

void SkipComposeTable::end() {
  inForce_ = false;
}

} // namespace platform
