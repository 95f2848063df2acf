#pragma once
// What the timer control needs from the window that contains it. The window implements this on top
// of whatever host it runs on, so the control never sees the Host class itself.
#include "platform/TimerService.h"

#include <string>
#include <string_view>

namespace utimerctl {

class ControlHost {
public:
  virtual ~ControlHost() = default;

  // True while the program runs; False while the control sits in a designer, where it must not tick.
  virtual bool userMode() const = 0;
  // A stored property changed, so the saved form is out of date.
  virtual void propertyChanged(std::string_view name) = 0;
  // An OK-only message box.
  virtual void messageBox(const std::string& text) = 0;
  // Where the control creates its inner timer.
  virtual platform::TimerService& timers() = 0;
};

} // namespace utimerctl
