#pragma once
// Inner timers: plain interval timers whose ticks are delivered on the window's thread by the host's
// event dispatch, never from another thread. Enabling a timer or changing its interval starts its
// count again from now.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace platform {

class TimerService;

class InnerTimer {
public:
  explicit InnerTimer(TimerService& service);
  ~InnerTimer();
  InnerTimer(const InnerTimer&) = delete;
  InnerTimer& operator=(const InnerTimer&) = delete;

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  std::int32_t interval() const { return interval_; }
  void setInterval(std::int32_t ms);

  std::function<void()> onTick;

private:
  friend class TimerService;
  bool running() const { return enabled_ && interval_ > 0; }

  TimerService& service_;
  bool enabled_ = false;
  std::int32_t interval_ = 0;
  std::uint32_t started_ = 0;
};

class TimerService {
public:
  explicit TimerService(std::function<std::uint32_t()> clock) : clock_(std::move(clock)) {}

  std::uint32_t now() const { return clock_(); }
  // Fires every timer whose interval has run out, once each.
  void fireDue();
  // Milliseconds until the next timer is due, if any runs.
  std::optional<std::uint32_t> msUntilNext() const;

private:
  friend class InnerTimer;
  std::function<std::uint32_t()> clock_;
  std::vector<InnerTimer*> timers_;
};

} // namespace platform
