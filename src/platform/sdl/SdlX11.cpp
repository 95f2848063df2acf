#include "platform/sdl/SdlX11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <optional>
#include <poll.h>
#include <time.h>

namespace platform::x11 {

namespace {

constexpr long kMoveResizeMove = 8; // _NET_WM_MOVERESIZE_MOVE
constexpr unsigned kButtonMasks = Button1Mask | Button2Mask | Button3Mask;

struct Handles {
  Display* display;
  ::Window window;
};

std::optional<Handles> handlesOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) == SDL_FALSE ||
      info.subsystem != SDL_SYSWM_X11) {
    return std::nullopt;
  }
  return Handles{info.info.x11.display, info.info.x11.window};
}

// One window property holding a single window id, or None.
::Window windowProperty(Display* display, ::Window of, Atom name) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  ::Window value = None;
  if (XGetWindowProperty(display, of, name, 0, 1, False, XA_WINDOW, &type, &format, &count, &after, &data) ==
          Success &&
      data != nullptr) {
    if (type == XA_WINDOW && format == 32 && count == 1) {
      value = static_cast<::Window>(*reinterpret_cast<unsigned long*>(data));
    }
    XFree(data);
  }
  return value;
}

// Whether the root's list of what the running manager supports names this atom.
bool managerSupports(Display* display, Atom wanted) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const Atom supported = XInternAtom(display, "_NET_SUPPORTED", False);
  bool found = false;
  if (XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False, XA_ATOM, &type,
                         &format, &count, &after, &data) == Success &&
      data != nullptr) {
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    found = format == 32 && std::find(atoms, atoms + count, wanted) != atoms + count;
    XFree(data);
  }
  return found;
}

int ignoreErrors(Display*, XErrorEvent*) {
  return 0;
}

// A window manager is running when the root names a check window that names itself; a manager
// that died leaves the root's property naming a window that is gone, which X reports as an error.
bool windowManagerRuns(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) {
    return false;
  }
  const ::Window named = windowProperty(display, DefaultRootWindow(display), check);
  if (named == None) {
    return false;
  }
  XSync(display, False);
  const auto previous = XSetErrorHandler(ignoreErrors);
  const ::Window self = windowProperty(display, named, check);
  XSync(display, False);
  XSetErrorHandler(previous);
  return self == named;
}

unsigned heldButton(unsigned mask) {
  for (unsigned button = 1; button <= 3; ++button) {
    if ((mask & (Button1Mask << (button - 1))) != 0) {
      return button;
    }
  }
  return 0;
}

} // namespace

void askForNoFrame(SDL_Window* window) {
  const auto x = handlesOf(window);
  if (!x) {
    return;
  }
  // flags: decorations given; functions 0; decorations 0 (none); input mode 0; status 0.
  const long hints[5] = {1L << 1, 0, 0, 0, 0};
  const Atom motif = XInternAtom(x->display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(x->display, x->window, motif, motif, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(hints), 5);
  // SDL marks a frameless window transient for the root window when no manager has run on the
  // display before; the hint now says it all, and a transient window is kept like a dialog.
  if (windowProperty(x->display, x->window, XA_WM_TRANSIENT_FOR) == DefaultRootWindow(x->display)) {
    XDeleteProperty(x->display, x->window, XA_WM_TRANSIENT_FOR);
  }
  XFlush(x->display);
}

bool handMoveToWindowManager(SDL_Window* window) {
  const auto x = handlesOf(window);
  if (!x || !windowManagerRuns(x->display)) {
    return false;
  }
  const Atom moveResize = XInternAtom(x->display, "_NET_WM_MOVERESIZE", False);
  if (!managerSupports(x->display, moveResize)) {
    return false;
  }
  ::Window root = None, child = None;
  int rootX = 0, rootY = 0, winX = 0, winY = 0;
  unsigned mask = 0;
  XQueryPointer(x->display, x->window, &root, &child, &rootX, &rootY, &winX, &winY, &mask);
  const unsigned button = heldButton(mask);
  if (button == 0) {
    return false;
  }
  // The manager can only take the pointer once the press no longer holds it for this window.
  XUngrabPointer(x->display, CurrentTime);
  XEvent move{};
  move.xclient.type = ClientMessage;
  move.xclient.window = x->window;
  move.xclient.message_type = moveResize;
  move.xclient.format = 32;
  move.xclient.data.l[0] = rootX;
  move.xclient.data.l[1] = rootY;
  move.xclient.data.l[2] = kMoveResizeMove;
  move.xclient.data.l[3] = static_cast<long>(button);
  move.xclient.data.l[4] = 1; // asked for by an ordinary application
  XSendEvent(x->display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &move);
  // The release now goes to the manager; SDL is told of it here, or it would take the button for
  // held and ignore the next press of it.
  XEvent release{};
  release.xbutton.type = ButtonRelease;
  release.xbutton.display = x->display;
  release.xbutton.window = x->window;
  release.xbutton.root = root;
  release.xbutton.x = winX;
  release.xbutton.y = winY;
  release.xbutton.x_root = rootX;
  release.xbutton.y_root = rootY;
  release.xbutton.state = mask;
  release.xbutton.button = button;
  release.xbutton.same_screen = True;
  XPutBackEvent(x->display, &release);
  XFlush(x->display);
  return true;
}

bool queryPointer(SDL_Window* window, int& x, int& y, bool& held) {
  const auto handles = handlesOf(window);
  if (!handles) {
    return false;
  }
  ::Window root = None, child = None;
  int winX = 0, winY = 0;
  unsigned mask = 0;
  if (XQueryPointer(handles->display, handles->window, &root, &child, &x, &y, &winX, &winY, &mask) == False) {
    return false;
  }
  held = (mask & kButtonMasks) != 0;
  return true;
}

bool waitForServer(SDL_Window* window, std::chrono::nanoseconds left, int wake) {
  const auto handles = handlesOf(window);
  if (!handles) {
    return false;
  }
  // Whatever the server has sent already is read here; waiting on the connection would miss it.
  if (XEventsQueued(handles->display, QueuedAfterFlush) > 0) {
    return true;
  }
  left = std::max(left, std::chrono::nanoseconds::zero());
  const auto seconds = std::chrono::floor<std::chrono::seconds>(left);
  const timespec timeout{seconds.count(), (left - seconds).count()};
  pollfd watched[2] = {{ConnectionNumber(handles->display), POLLIN, 0}, {wake, POLLIN, 0}};
  ::ppoll(watched, wake < 0 ? 1 : 2, &timeout, nullptr);
  return true;
}

} // namespace platform::x11
