#include "platform/sdl/SdlEndings.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

constexpr std::array kQuitSignals{SIGTERM, SIGINT, SIGHUP, SIGQUIT};

pid_t game = 0;
int quitPipe[2] = {-1, -1};
volatile std::sig_atomic_t quitting = 0;
std::atomic<bool> boxShown{false};
// Where the kernel lists the children of the game's main thread, the one SDL forks message boxes from.
char childrenList[64] = "";

// Ends every process the main thread has started: while a message box is shown, that is its process.
// Only calls that are safe in a signal handler.
void endBoxProcess() {
  const int list = ::open(childrenList, O_RDONLY | O_CLOEXEC);
  if (list < 0) {
    return;
  }
  char text[256];
  const ssize_t length = ::read(list, text, sizeof text - 1);
  ::close(list);
  pid_t child = 0;
  for (ssize_t i = 0; i < length; ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      child = child * 10 + (text[i] - '0');
    } else if (child > 0) {
      ::kill(child, SIGKILL);
      child = 0;
    }
  }
}

void quitRequested(int) {
  const int saved = errno;
  quitting = 1;
  const char byte = 'q';
  [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
  if (boxShown.load()) {
    endBoxProcess();
  }
  errno = saved;
}

// In every process the game forks: the game's handlers are not the child's. A message box's process
// ends with the game, and is not shown at all when the game is already ending.
void forked() {
  for (const int signal : kQuitSignals) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == quitRequested) {
      ::signal(signal, SIG_DFL);
    }
  }
  if (boxShown.load()) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (quitting != 0 || ::getppid() != game) {
      ::_exit(0);
    }
  }
}

std::function<void()> lastWords;
std::atomic<bool> gone{false};

// SDL shows a message box from a process of its own, which loses the display too: only the game says
// so, and only the game has anything to save.
// The line it says, made before: a lost display may come at any moment, even in a signal handler's.
std::array<char, 128> lostLine{};
std::size_t lostLineLength = 0;

int displayLost(Display*) {
  if (::getpid() != game || gone.exchange(true)) {
    ::_exit(1);
  }
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, lostLine.data(), lostLineLength);
  if (lastWords) {
    try {
      lastWords();
    } catch (...) { // NOLINT(bugprone-empty-catch): the way out ends in a throw; it ends here instead
    }
  }
  ::_exit(1);
}

} // namespace

void endOnSignals() {
  if (quitPipe[0] < 0) { // once a process: SDL may be started more than once in it
    game = ::getpid();
    std::snprintf(childrenList, sizeof childrenList, "/proc/%d/task/%d/children", static_cast<int>(game),
                  static_cast<int>(game));
    if (::pipe2(quitPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
      quitPipe[0] = quitPipe[1] = -1;
    }
    ::pthread_atfork(nullptr, nullptr, forked);
  }
  struct sigaction quit {};
  quit.sa_handler = quitRequested;
  sigemptyset(&quit.sa_mask);
  for (const int signal : kQuitSignals) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
      ::sigaction(signal, &quit, nullptr);
    }
  }
}

bool quitSignalled() {
  return quitting != 0;
}

int quitDescriptor() {
  return quitPipe[0];
}

MessageBoxShown::MessageBoxShown() {
  boxShown = true;
}

MessageBoxShown::~MessageBoxShown() {
  boxShown = false;
}

void endOnLostDisplay(const char* speaker) {
  const int length = std::snprintf(lostLine.data(), lostLine.size(),
                                   "%s: the connection to the display was lost\n", speaker);
  lostLineLength = std::min(static_cast<std::size_t>(std::max(length, 0)), lostLine.size() - 1);
  game = ::getpid();
  XSetIOErrorHandler(displayLost);
}

void sayOnLostDisplay(std::function<void()> words) {
  lastWords = std::move(words);
}

bool displayGone() {
  return gone.load();
}

} // namespace platform
