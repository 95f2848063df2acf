#pragma once
// How long the player stared at nothing: the start-up benchmark hands over the wall-clock moment it
// launched a program (nanoseconds since the epoch, in FROTHWICK_LAUNCHED_NS), and the program prints
// the time to its first frame on standard error, with the processor time it spent until then (the
// figure a busy machine inflates least). Nothing is printed when no moment was handed over.
#include <cstdio>
#include <cstdlib>
#include <ctime>

inline void reportFirstFrame() {
  const char* launched = std::getenv("FROTHWICK_LAUNCHED_NS");
  if (launched == nullptr) {
    return;
  }
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const long long nowNs = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
  timespec used{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
  std::fprintf(stderr, "first frame after %.1f ms, %.1f ms of processor\n",
               static_cast<double>(nowNs - std::strtoll(launched, nullptr, 10)) / 1e6,
               static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6);
}
