#include "platform/sdl/SdlEndings.h"

#include <X11/Xlib.h>
#include <csignal>
#include <initializer_list>
#include <unistd.h>

namespace platform {

namespace {

void passOnAsTerminate(int) {
  ::raise(SIGTERM);
}

pid_t game = 0;

// SDL shows a message box from a process of its own, which loses the display too: only the game says so.
int displayLost(Display*) {
  static constexpr char kLine[] = "Frothwick: the connection to the display was lost\n";
  if (::getpid() == game) {
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kLine, sizeof kLine - 1);
  }
  ::_exit(1);
}

} // namespace

void endOnHangUp() {
  struct sigaction passOn {};
  passOn.sa_handler = passOnAsTerminate;
  sigemptyset(&passOn.sa_mask);
  for (const int signal : {SIGHUP, SIGQUIT}) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
      ::sigaction(signal, &passOn, nullptr);
    }
  }
}

void endOnLostDisplay() {
  game = ::getpid();
  XSetIOErrorHandler(displayLost);
}

} // namespace platform
