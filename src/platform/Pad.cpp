#include "platform/Pad.h"

namespace platform {

std::array<std::optional<PadChange>, 2> PadStick::moved(std::int32_t value) {
  std::optional<PadButton> now = held_;
  if (value <= -kPress) {
    now = PadButton::Left;
  } else if (value >= kPress) {
    now = PadButton::Right;
  } else if (value > -kRelease && value < kRelease) {
    now.reset();
  }
  std::array<std::optional<PadChange>, 2> changes;
  if (now != held_) {
    if (held_) {
      changes[0] = PadChange{*held_, false};
    }
    if (now) {
      changes[1] = PadChange{*now, true};
    }
    held_ = now;
  }
  return changes;
}

void PadRepeat::pressed(PadButton button, std::uint32_t now) {
  // As on a keyboard, the newest press is the one that repeats, and only the arrows repeat.
  const bool direction = button == PadButton::Up || button == PadButton::Down || button == PadButton::Left ||
                         button == PadButton::Right;
  held_ = direction ? std::optional(button) : std::nullopt;
  due_ = now + kDelayMs;
}

void PadRepeat::released(PadButton button) {
  if (held_ == button) {
    held_.reset();
  }
}

std::optional<std::uint32_t> PadRepeat::tick(std::uint32_t now, const std::function<void(PadButton)>& press) {
  if (!held_) {
    return std::nullopt;
  }
  const auto early = static_cast<std::int32_t>(due_ - now);
  if (early > 0) {
    return static_cast<std::uint32_t>(early);
  }
  // One repeat per round however late the round, so a stalled window does not catch up in a burst.
  due_ = now + kIntervalMs;
  press(*held_);
  return held_ ? std::optional(due_ - now) : std::nullopt;
}

} // namespace platform
