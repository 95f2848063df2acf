#pragma once
// Game pads in the window's terms: the buttons of one common layout (a face button is named by where
// it sits, so the one at the bottom is South on every maker's pad), the left stick seen as a left or
// right press, and the repeat of a held direction, as a held key repeats.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

enum class PadButton : std::int16_t { South, East, West, North, Back, Start, Up, Down, Left, Right };

// A press (true) or a release (false) of a direction.
struct PadChange {
  PadButton button = PadButton::Left;
  bool pressed = false;
};

// The stick's left-right axis (-32768..32767) as the d-pad's left and right: pushed past half its
// travel it presses, and it releases only once back within a quarter, so a thumb resting near the
// edge does not chatter.
class PadStick {
public:
  static constexpr std::int32_t kPress = 16384, kRelease = 8192;
  // The presses and releases the stick's new position makes, at most a release and a press.
  std::array<std::optional<PadChange>, 2> moved(std::int32_t value);

private:
  std::optional<PadButton> held_;
};

// Repeats the direction pressed last while it is held: after kDelayMs, then every kIntervalMs, the
// common desktop keyboard's default (half a second, then thirty a second).
class PadRepeat {
public:
  static constexpr std::uint32_t kDelayMs = 500, kIntervalMs = 33;
  void pressed(PadButton button, std::uint32_t now);
  void released(PadButton button);
  void stop() { held_.reset(); }
  // Delivers the repeat that has come due, if any; returns milliseconds until the next one.
  std::optional<std::uint32_t> tick(std::uint32_t now, const std::function<void(PadButton)>& press);

private:
  std::optional<PadButton> held_;
  std::uint32_t due_ = 0;
};

} // namespace platform
