#pragma once
// The one thing a window asks of the desktop it lives on: putting it on screen, drawing its tool
// tips, its frame, caption, state and pointer, and moving it with the mouse. The window is given its
// host when it is made; the real host talks to SDL, the test host records.
#include "platform/Controls.h"
#include "platform/Picture.h"

#include <cstdint>
#include <string>

namespace platform {

class FormHost {
public:
  virtual ~FormHost() = default;
  // Puts the window on screen now, if anything changed since it last was.
  virtual void present() = 0;
  // A tool tip's picture, drawn toolTipScale() times finer than the client area; null when tips
  // cannot be shown.
  virtual PicturePtr renderToolTip(const std::string& text) = 0;
  virtual std::int32_t toolTipScale() const = 0;
  virtual void applyCaption(const std::string& caption) = 0;
  virtual void applyBorderless(bool borderless) = 0;
  virtual void minimize() = 0;
  virtual bool isMinimized() const = 0;
  // Moves the window with the pointer until every mouse button is released.
  virtual void dragWithMouse() = 0;
  virtual void applyPointer(MousePointer pointer) = 0;
};

} // namespace platform
