#pragma once
// The window as the home of its timer control: the control runs (user mode), its ticks come from
// the host's timers and its messages go to the host's message box.
#include "platform/Host.h"
#include "utimerCTL/ControlHost.h"

class TimerSite : public utimerctl::ControlHost {
public:
  explicit TimerSite(platform::Host& host) : host_(host) {}
  bool userMode() const override { return true; }
  // The running game keeps no design to save, so a changed property needs no record.
  void propertyChanged(std::string_view name) override { static_cast<void>(name); }
  void messageBox(const std::string& text) override { host_.messageBox(text); }
  platform::TimerService& timers() override { return host_.timers(); }

private:
  platform::Host& host_;
};
