// How fast the game itself runs when nothing makes it wait: whole games on the test host, whose
// clock jumps to each deadline. Nobody touches the keys, so every beer lands where it spawned and
// the board fills; a high score is entered with an empty name.
// Prints: throughput <games> <steps> <virtual ms> <real ms> <steps per real second>
// A step is one pass of the game loop: the virtual clock moving on by exactly StepDelay in a game.
#include "platform/KeyCodes.h"
#include "platform/testhost/TestHost.h"
#include "window/Frothwick.h"
#include "window/frmMain.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::atoi(argv[1]) : 20;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 1);
  try {
    platform::TestHost host(kFrothwick, 1000, seed);
    host.composeScreen = false; // the engine alone, as the soak runs it
    frmMain window(host);
    window.Load();

    std::uint64_t steps = 0;
    std::uint64_t virtualMs = 0;
    std::uint32_t last = host.tickCount();
    bool returnPressed = false;
    host.afterDispatch = [&] {
      const std::uint32_t now = host.tickCount();
      if (window.Lives != 0 && !window.GameOver &&
          now - last == static_cast<std::uint32_t>(window.StepDelay)) {
        ++steps;
      }
      last = now;
      // The end of a game asks for a name when the score makes the table; nobody is there to type.
      // Keys are taken only once the pause after the last life is over.
      if (window.EnteringName && !window.KeysHeldBack && !returnPressed) {
        host.key(now, platform::vk::Return);
        returnPressed = true;
      }
    };

    const auto start = std::chrono::steady_clock::now();
    for (int game = 0; game < games; ++game) {
      const std::uint32_t from = host.tickCount();
      returnPressed = false;
      last = from;
      host.click(from, window.pctNew);
      host.doEvents(); // the click runs the whole game, its end and its name entry
      virtualMs += host.tickCount() - from;
    }
    const std::chrono::duration<double, std::milli> real = std::chrono::steady_clock::now() - start;
    std::printf("throughput %d %llu %llu %.1f %.0f\n", games, static_cast<unsigned long long>(steps),
                static_cast<unsigned long long>(virtualMs), real.count(),
                static_cast<double>(steps) / (real.count() / 1000.0));
    return 0;
  } catch (const platform::ProgramEnd& end) {
    return end.status;
  } catch (const platform::ScriptExhausted& stuck) {
    std::fprintf(stderr, "engine_throughput: the game waited for input at %u ms\n", stuck.at);
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "engine_throughput: %s\n", error.what());
    return 1;
  }
}
