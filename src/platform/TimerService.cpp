#include "platform/TimerService.h"

#include <algorithm>

namespace platform {

InnerTimer::InnerTimer(TimerService& service) : service_(service) {
  service_.timers_.push_back(this);
}

InnerTimer::~InnerTimer() {
  std::erase(service_.timers_, this);
}

void InnerTimer::setEnabled(bool enabled) {
  enabled_ = enabled;
  started_ = service_.now();
}

void InnerTimer::setInterval(std::int32_t ms) {
  interval_ = ms;
  started_ = service_.now();
}

void TimerService::fireDue() {
  // A tick handler may enable, disable or retime any timer, so look each one up again.
  const std::vector<InnerTimer*> snapshot = timers_;
  for (InnerTimer* timer : snapshot) {
    if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end() || !timer->running()) {
      continue;
    }
    const std::uint32_t now = clock_();
    if (now - timer->started_ >= static_cast<std::uint32_t>(timer->interval_)) {
      timer->started_ = now;
      if (timer->onTick) {
        timer->onTick();
      }
    }
  }
}

std::optional<std::uint32_t> TimerService::msUntilNext() const {
  std::optional<std::uint32_t> next;
  const std::uint32_t now = clock_();
  for (const InnerTimer* timer : timers_) {
    if (!timer->running()) {
      continue;
    }
    const std::uint32_t elapsed = now - timer->started_;
    const auto interval = static_cast<std::uint32_t>(timer->interval_);
    const std::uint32_t left = elapsed >= interval ? 0 : interval - elapsed;
    next = next ? std::min(*next, left) : left;
  }
  return next;
}

} // namespace platform
