#pragma once
// The game's window on the desktop: a fixed-size, frameless SDL window showing the composed client
// area, with the game's icon and its hand pointer.
#include "platform/Controls.h"
#include "platform/Surface.h"

#include <string>

struct SDL_Window;
struct SDL_Cursor;
struct SDL_Surface;

namespace platform {

class DesktopWindow {
public:
  // Throws std::runtime_error when the window cannot be made. The window is `scale` times the client
  // area's size each way, centred in the usable area of the display it opens on, with the desktop's
  // own icon and hand until it is dressed.
  DesktopWindow(const std::string& caption, PixelSize client, std::int32_t scale, const Rect& usable);
  ~DesktopWindow();
  DesktopWindow(const DesktopWindow&) = delete;
  DesktopWindow& operator=(const DesktopWindow&) = delete;

  SDL_Window* handle() const { return window_; }
  // Gives the window the game's icon and hand pointer; a missing picture leaves the desktop's own.
  void dress(const PicturePtr& icon, const PicturePtr& handCursor);
  // Copies a composed part of the client area into the window's surface, enlarged by a scale, its
  // top-left corner at (x, y); what fits of it.
  void draw(const Surface& part, std::int32_t x, std::int32_t y, std::int32_t scale = 1);
  // Puts an area of the window's surface on the screen.
  void show(const Rect& area);

  void setCaption(const std::string& caption);
  void setBorderless(bool borderless);
  void minimize();
  bool isMinimized() const;
  void setPointer(MousePointer pointer);
  // Shows the window at another scale, centred where it was and within its display, with the hand
  // pointer at that scale too.
  void setScale(std::int32_t scale);

private:
  static void drawDirect(SDL_Surface& target, const Surface& part, std::int32_t x, std::int32_t y,
                         std::int32_t scale);
  static void drawConverted(SDL_Surface& target, const Surface& part, std::int32_t x, std::int32_t y);
  void replaceHand();

  SDL_Window* window_ = nullptr;
  SDL_Cursor* arrow_ = nullptr;
  SDL_Cursor* hand_ = nullptr;
  PicturePtr handPicture_;
  PixelSize client_;
  std::int32_t scale_;
  MousePointer pointer_ = MousePointer::Default;
};

} // namespace platform
