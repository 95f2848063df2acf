// Launches a program and measures what a player waits for and what the program holds: the time from
// the launch to the moment the X server maps a window of the new process, and its peak resident size
// (VmHWM) a while later, at its first screen. Every program of the start-up bench, the game and the
// other games alike, is measured by this one watcher, so that their figures compare.
//
// Usage: launch_watch SETTLE_MS PROGRAM [ARGUMENT...]
// Prints "<ms from launch to the mapped window> <VmHWM kB SETTLE_MS later>", then ends the program.
// The program is handed the launch moment (FROTHWICK_LAUNCHED_NS, FirstFrameReport.h), so that the
// game and the floor can report their first frame of the same launch.
//
// The watcher listens to the root window for the mapping of its children (the top-level windows, as
// no window manager reparents them in the bench's Xvfb), so the moment is the arrival of the server's
// MapNotify: no polling, the resolution is the scheduler's wake-up, well under 0.1 ms. A window
// declaring the process of another program (_NET_WM_PID) is not counted; one declaring none is.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kLongestWait = std::chrono::seconds(20);

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "launch_watch: %s\n", why.c_str());
  std::exit(1);
}

// The process a window says it belongs to, if it says.
std::optional<long> windowPid(Display* display, Window window) {
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::optional<long> pid;
  if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) == Success &&
      data != nullptr && format == 32 && count == 1) {
    pid = *reinterpret_cast<long*>(data);
  }
  if (data != nullptr) {
    XFree(data);
  }
  return pid;
}

bool ended(pid_t child) {
  int status = 0;
  return waitpid(child, &status, WNOHANG) == child;
}

// Waits for the MapNotify of a top-level window of `child`; the moment it arrived.
Clock::time_point waitForMap(Display* display, pid_t child, Clock::time_point launched) {
  pollfd server{ConnectionNumber(display), POLLIN, 0};
  for (;;) {
    while (XPending(display) > 0) {
      const auto arrived = Clock::now();
      XEvent event;
      XNextEvent(display, &event);
      if (event.type != MapNotify || event.xmap.override_redirect) {
        continue;
      }
      const auto owner = windowPid(display, event.xmap.window);
      if (!owner || *owner == child) {
        return arrived;
      }
    }
    if (ended(child)) {
      fail("the program ended before it showed a window");
    }
    if (Clock::now() - launched > kLongestWait) {
      fail("no window within 20 s");
    }
    poll(&server, 1, 20);
  }
}

long peakResidentKb(pid_t child) {
  std::ifstream status("/proc/" + std::to_string(child) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      return std::strtol(line.c_str() + 6, nullptr, 10);
    }
  }
  return -1;
}

void end(pid_t child) {
  kill(child, SIGTERM);
  const auto asked = Clock::now();
  while (!ended(child)) {
    if (Clock::now() - asked > std::chrono::seconds(3)) {
      kill(child, SIGKILL);
      waitpid(child, nullptr, 0);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    fail("usage: launch_watch SETTLE_MS PROGRAM [ARGUMENT...]");
  }
  const auto settle = std::chrono::milliseconds(std::strtol(argv[1], nullptr, 10));
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    fail("no display");
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  pid_t child = 0;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  setenv("FROTHWICK_LAUNCHED_NS", std::to_string(now.tv_sec * 1000000000LL + now.tv_nsec).c_str(), 1);
  const auto launched = Clock::now();
  // What the program prints goes to standard error: standard output carries the figures alone.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
  const int spawned = posix_spawn(&child, argv[2], &actions, nullptr, argv + 2, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    fail(std::string("cannot launch ") + argv[2]);
  }
  const auto mapped = waitForMap(display, child, launched);
  std::this_thread::sleep_until(mapped + settle);
  const long peak = peakResidentKb(child);
  end(child);
  XCloseDisplay(display);
  std::printf("%.2f %ld\n", std::chrono::duration<double, std::milli>(mapped - launched).count(), peak);
  return 0;
}
