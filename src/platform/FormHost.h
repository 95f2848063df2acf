#pragma once
// The one thing a window asks of the desktop it lives on: putting it on screen, drawing its tool
// tips, its frame, caption, state and pointer, and moving it with the mouse. The window is given its
// host when it is made; the real host talks to SDL, the test host records.
#include "platform/Controls.h"
#include "platform/Picture.h"

#include <cstdint>
#include <string>

namespace platform {

// A tool tip as the screen shows it: its picture, finer than the client area on a screen that shows
// the window enlarged, and the client pixels it covers there.
struct ToolTipPicture {
  PicturePtr picture;
  PixelSize cover;
};

class FormHost {
public:
  virtual ~FormHost() = default;
  // Puts the window on screen now, if anything changed since it last was.
  virtual void present() = 0;
  // A tool tip drawn for the screen; its picture is null when tips cannot be shown.
  virtual ToolTipPicture renderToolTip(const std::string& text) = 0;
  virtual void applyCaption(const std::string& caption) = 0;
  virtual void applyBorderless(bool borderless) = 0;
  virtual void minimize() = 0;
  virtual bool isMinimized() const = 0;
  // Moves the window with the pointer until every mouse button is released.
  virtual void dragWithMouse() = 0;
  virtual void applyPointer(MousePointer pointer) = 0;
};

} // namespace platform
