#include "platform/sdl/SdlDesktopWindow.h"

#include "platform/Form.h"
#include "platform/Scale.h"
#include "platform/sdl/SdlX11.h"
#include "platform/sdl/ShowPart.h"

#include <SDL.h>
#include <algorithm>
#include <memory>
#include <stdexcept>

namespace platform {

namespace {

// Where the hand pointer's finger tip is in its picture.
constexpr int kHandHotX = 12;
constexpr int kHandHotY = 1;

struct SurfaceFree {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfaceHandle = std::unique_ptr<SDL_Surface, SurfaceFree>;

// A view of the picture's pixels, valid while the picture lives; SDL copies what it keeps.
SurfaceHandle viewOf(const Picture& picture) {
  void* pixels = const_cast<Pixel*>(picture.pixels.data());
  return SurfaceHandle(SDL_CreateRGBSurfaceWithFormatFrom(pixels, picture.width, picture.height, 32,
                                                          picture.width * 4, SDL_PIXELFORMAT_ARGB8888));
}

// The hand at the window's scale, its finger tip where the scaled picture has it.
SDL_Cursor* makeHand(const PicturePtr& picture, std::int32_t scale) {
  SDL_Cursor* hand = nullptr;
  if (picture) {
    const Picture scaled = enlarged(*picture, scale);
    if (const SurfaceHandle view = viewOf(scaled)) {
      hand = SDL_CreateColorCursor(view.get(), kHandHotX * scale, kHandHotY * scale);
    }
  }
  return hand != nullptr ? hand : SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
}

} // namespace

DesktopWindow::DesktopWindow(const std::string& caption, PixelSize client, std::int32_t scale,
                             const Rect& usable)
    : client_(client), scale_(scale) {
  // The game draws into a plain surface. Left to itself, SDL would show that surface through a GPU
  // renderer, and on X11 fetching the surface the first time then replaces the window with a new
  // one: a window that flashes up and vanishes at start, which tools waiting for the window by its
  // name can catch instead of the real one.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  const Rect placed = openingPlace(client, usable, scale);
  window_ = SDL_CreateWindow(caption.c_str(), placed.x, placed.y, placed.w, placed.h, SDL_WINDOW_BORDERLESS);
  if (window_ == nullptr) {
    throw std::runtime_error(std::string("cannot open the game's window: ") + SDL_GetError());
  }
  x11::askForNoFrame(window_);
  arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  hand_ = makeHand(nullptr, scale);
}

void DesktopWindow::dress(const PicturePtr& icon, const PicturePtr& handCursor) {
  if (icon) {
    if (const SurfaceHandle view = viewOf(*icon)) {
      SDL_SetWindowIcon(window_, view.get());
    }
  }
  handPicture_ = handCursor;
  replaceHand();
}

void DesktopWindow::replaceHand() {
  SDL_Cursor* const old = hand_;
  hand_ = makeHand(handPicture_, scale_);
  setPointer(pointer_);
  SDL_FreeCursor(old);
}

DesktopWindow::~DesktopWindow() {
  SDL_FreeCursor(hand_);
  SDL_FreeCursor(arrow_);
  SDL_DestroyWindow(window_);
}

void DesktopWindow::draw(const Surface& part, std::int32_t x, std::int32_t y, std::int32_t scale) {
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  if (target == nullptr) {
    return;
  }
  const std::uint32_t format = target->format->format;
  if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
    drawDirect(*target, part, x, y, scale);
  } else if (scale > 1) {
    drawConverted(*target, enlarged(part, scale), x, y);
  } else {
    drawConverted(*target, part, x, y);
  }
}

// The screen's pixels have the layout of the game's, so the (enlarged) pixels are written straight
// into the window's surface: one pass over only the pixels that change, and no call into SDL, which
// would build a converter for every part however small.
void DesktopWindow::drawDirect(SDL_Surface& target, const Surface& part, std::int32_t x, std::int32_t y,
                               std::int32_t scale) {
  // A window manager may hand us a surface of another size for a moment; show what fits.
  const Rect area =
      Rect{x, y, part.width() * scale, part.height() * scale}.intersected({0, 0, target.w, target.h});
  if (area.empty()) {
    return;
  }
  auto* to = reinterpret_cast<Pixel*>(static_cast<std::uint8_t*>(target.pixels) +
                                      static_cast<std::ptrdiff_t>(area.y) * target.pitch) +
             area.x;
  enlargeInto(part, scale, {area.x - x, area.y - y, area.w, area.h}, to, target.pitch / 4);
}

void DesktopWindow::drawConverted(SDL_Surface& target, const Surface& part, std::int32_t x, std::int32_t y) {
  const Rect area = Rect{x, y, part.width(), part.height()}.intersected({0, 0, target.w, target.h});
  if (area.empty()) {
    return;
  }
  const Pixel* from =
      part.pixels().data() + static_cast<std::ptrdiff_t>(area.y - y) * part.width() + (area.x - x);
  auto* to = static_cast<std::uint8_t*>(target.pixels) + static_cast<std::ptrdiff_t>(area.y) * target.pitch +
             static_cast<std::ptrdiff_t>(area.x) * target.format->BytesPerPixel;
  SDL_ConvertPixels(area.w, area.h, SDL_PIXELFORMAT_ARGB8888, from, part.width() * 4, target.format->format,
                    to, target.pitch);
}

void DesktopWindow::show(const Rect& area) {
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  if (target == nullptr) {
    return;
  }
  const Rect shown = area.intersected({0, 0, target->w, target->h});
  if (!shown.empty()) {
    showPart(window_, shown);
  }
}

void DesktopWindow::setCaption(const std::string& caption) {
  SDL_SetWindowTitle(window_, caption.c_str());
}

void DesktopWindow::setBorderless(bool borderless) {
  SDL_SetWindowBordered(window_, borderless ? SDL_FALSE : SDL_TRUE);
  // SDL asks only when the frame changes, and only of a manager that has run before it asks; the
  // wish is repeated so that a manager that came or came back since cannot keep a frame on.
  if (borderless) {
    x11::askForNoFrame(window_);
  }
}

void DesktopWindow::minimize() {
  SDL_MinimizeWindow(window_);
}

bool DesktopWindow::isMinimized() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0;
}

void DesktopWindow::setPointer(MousePointer pointer) {
  pointer_ = pointer;
  SDL_SetCursor(pointer == MousePointer::Hand ? hand_ : arrow_);
}

void DesktopWindow::setScale(std::int32_t scale) {
  Rect now;
  SDL_GetWindowPosition(window_, &now.x, &now.y);
  SDL_GetWindowSize(window_, &now.w, &now.h);
  SDL_Rect display{};
  if (SDL_GetDisplayUsableBounds(std::max(SDL_GetWindowDisplayIndex(window_), 0), &display) != 0) {
    display = {now.x, now.y, now.w, now.h};
  }
  const Rect placed = recentred(now, client_.width * scale, client_.height * scale,
                                {display.x, display.y, display.w, display.h});
  SDL_SetWindowSize(window_, placed.w, placed.h);
  SDL_SetWindowPosition(window_, placed.x, placed.y);
  scale_ = scale;
  replaceHand();
}

} // namespace platform
