// How punctually the real SDL host ends the game's one wait. A game steps, then waits StepDelay
// milliseconds in Delay; a wait that ends late slows the beer, one that ends early speeds it up.
// Prints one line per step delay:
//   cadence <delay> <count> <mean late ms> <p99 late ms> <max late ms> <early>
// The deadline is the moment the game's millisecond clock reaches the start tick plus the delay, as
// Delay itself reckons it; lateness is measured on the steady clock the game's ticks are cut from.
#include "platform/sdl/SdlHost.h"
#include "window/Frothwick.h"
#include "window/frmMain.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

namespace {

void Measure(frmMain& window, std::int16_t delay, int count) {
  using Milliseconds = std::chrono::duration<double, std::milli>;
  std::vector<double> late;
  late.reserve(static_cast<std::size_t>(count));
  int early = 0;
  for (int i = 0; i < count; ++i) {
    // The host's tick is this clock in whole milliseconds. Delay reads its start a moment later; if
    // a millisecond turns in between, its deadline is later than this one and the wait looks late,
    // never early.
    const auto startTick = std::chrono::floor<std::chrono::milliseconds>(std::chrono::steady_clock::now());
    window.Delay(delay);
    const auto deadline = startTick + std::chrono::milliseconds(delay);
    const double lateness = Milliseconds(std::chrono::steady_clock::now() - deadline).count();
    late.push_back(lateness);
    early += lateness < 0 ? 1 : 0;
  }
  std::sort(late.begin(), late.end());
  double sum = 0;
  for (const double l : late) {
    sum += l;
  }
  const auto p99 = late[std::min(late.size() - 1, (late.size() * 99 + 99) / 100 - 1)];
  std::printf("cadence %d %d %.3f %.3f %.3f %d\n", delay, count, sum / static_cast<double>(late.size()), p99,
              late.back(), early);
}

int Run(int argc, char** argv) {
  const int slowCount = argc > 1 ? std::atoi(argv[1]) : 100;
  const int fastCount = argc > 2 ? std::atoi(argv[2]) : 300;
  platform::SdlHost host(kFrothwick);
  frmMain window(host);
  const auto assets = host.programFolder() / "assets";
  host.openWindow(window.form(), host.loadPicture(assets / "frmMain_icon.png", {32, 32}),
                  host.loadPicture(assets / "hand_cursor.png", {32, 32}));
  window.Load();
  // The window's first events settle before anything is timed.
  window.Delay(200);
  Measure(window, 80, slowCount); // a new game's pace
  Measure(window, 12, fastCount); // the fastest pace the score can reach
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const platform::ProgramEnd& end) {
    return end.status;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "step_cadence: %s\n", error.what());
    return 1;
  }
}
