// On X11, SDL puts the window's surface on the screen through shared memory, and must then wait for
// the X server's answer before the memory may change again: a round trip, a sleep and a wake-up for
// every step of a game, which costs the game more processor time than anything else it does while
// playing. The few changed pixels of a step are sent instead in a plain request that carries them
// and needs no answer. Large parts (a whole window, at 3x) still go through the shared memory.
#include "platform/sdl/ShowPart.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace platform {

namespace {

// The bytes of a part sent in the request itself at most: a falling beer at 3x is 23 KB.
constexpr std::int64_t kLargestSent = std::int64_t{64} * 1024;

} // namespace

void showPart(SDL_Window* window, const Rect& area) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  const bool sent = surface != nullptr && surface->format->format == SDL_PIXELFORMAT_RGB888 &&
                    std::int64_t{area.w} * area.h * 4 <= kLargestSent &&
                    SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11 &&
                    DefaultDepth(info.info.x11.display, DefaultScreen(info.info.x11.display)) == 24;
  if (!sent) {
    const SDL_Rect rect{area.x, area.y, area.w, area.h};
    SDL_UpdateWindowSurfaceRects(window, &rect, 1);
    return;
  }
  // The surface's pixels as an image of the window's own layout: 32 bits a pixel, 24 of them colour.
  XImage image{};
  image.width = surface->w;
  image.height = surface->h;
  image.format = ZPixmap;
  image.data = static_cast<char*>(surface->pixels);
  image.byte_order = LSBFirst;
  image.bitmap_unit = 32;
  image.bitmap_bit_order = LSBFirst;
  image.bitmap_pad = 32;
  image.depth = 24;
  image.bytes_per_line = surface->pitch;
  image.bits_per_pixel = 32;
  image.red_mask = 0xFF0000;
  image.green_mask = 0x00FF00;
  image.blue_mask = 0x0000FF;
  XInitImage(&image);
  Display* display = info.info.x11.display;
  XPutImage(display, info.info.x11.window, DefaultGC(display, DefaultScreen(display)), &image, area.x, area.y,
            area.x, area.y, static_cast<unsigned>(area.w), static_cast<unsigned>(area.h));
  XFlush(display);
}

} // namespace platform
