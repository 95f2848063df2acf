#pragma once
// The program's one idle loop, shared by its outermost loop and every wait inside a game: dispatch
// what is pending, then sleep until something may be due.
#include "platform/Host.h"

#include <cstdint>
#include <optional>

namespace platform {

// Handles events until the wait is over. Each round dispatches every pending event, then asks
// `sleepFor` (after the handlers, which may end the wait) for the longest it may sleep before the
// next round, in milliseconds, or std::nullopt when the wait is over.
template <class SleepFor> void handleEvents(Host& host, SleepFor sleepFor) {
  for (;;) {
    host.doEvents();
    const std::optional<std::uint32_t> sleep = sleepFor();
    if (!sleep) {
      return;
    }
    host.waitForEvents(*sleep);
  }
}

} // namespace platform
