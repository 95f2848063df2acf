#pragma once
// The minute count is 16-bit, like the saved hour and minute parts. A period whose minutes do not fit
// is an error for whoever asked for it, never a silently wrapped count.
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace utimerctl {

class OverflowError : public std::runtime_error {
public:
  OverflowError() : std::runtime_error("Overflow") {}
};

inline std::int16_t toInt16(std::int32_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError();
  }
  return static_cast<std::int16_t>(value);
}

// Each step is checked on its own, so 547 hours overflow even if the minutes part would pull the sum
// back into range.
inline std::int16_t totalMinutes(std::int16_t hours, std::int16_t minutes) {
  return toInt16(toInt16(hours * 60) + minutes);
}

} // namespace utimerctl
