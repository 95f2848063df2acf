#include "platform/sdl/SkipComposeTable.h"

#include <cstdlib>

namespace platform {

namespace {

constexpr const char* kComposeFile = "XCOMPOSEFILE";

} // namespace

SkipComposeTable::SkipComposeTable() {
  if (const char* value = std::getenv(kComposeFile)) {
    players_ = value;
  }
  ::setenv(kComposeFile, "/dev/null", 1);
}

void SkipComposeTable::end() {
  if (!inForce_) {
    return;
  }
  inForce_ = false;
  if (players_) {
    ::setenv(kComposeFile, players_->c_str(), 1);
  } else {
    ::unsetenv(kComposeFile);
  }
}

} // namespace platform
