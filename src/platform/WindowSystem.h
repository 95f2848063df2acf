#pragma once
// What a window asks of the desktop it lives on: its frame, caption, state and pointer, and moving
// it with the mouse. The real host talks to SDL; the test host records.
#include "platform/Controls.h"

#include <string>

namespace platform {

class WindowSystem {
public:
  virtual ~WindowSystem() = default;
  virtual void applyCaption(const std::string& caption) = 0;
  virtual void applyBorderless(bool borderless) = 0;
  virtual void minimize() = 0;
  virtual bool isMinimized() const = 0;
  // Moves the window with the pointer until every mouse button is released.
  virtual void dragWithMouse() = 0;
  virtual void applyPointer(MousePointer pointer) = 0;
};

} // namespace platform
