#include "utimerCTL/UTimer.h"

#include "utimerCTL/Minutes.h"

#include <exception>

namespace utimerctl {

namespace {

// The control has nothing to draw at run time; in a designer it is a fixed-size icon.
constexpr std::int32_t kWidthTwips = 355;
constexpr std::int32_t kHeightTwips = 335;

} // namespace

UTimer::UTimer(ControlHost& host)
    : host_(host), Timer1(host.timers()), width_(kWidthTwips), height_(kHeightTwips) {
  Timer1.onTick = [this] { Timer1_Timer(); };
}

void UTimer::setTimerMode(std::int32_t pVal) {
  if (pVal != 0 && pVal != 1) {
    refuseValue();
    return;
  }
  try {
    if (pVal != m_TimerMode) {
      m_TimerMode = pVal;
      host_.propertyChanged("TimerMode");
    }
    // Setting the mode again is how a window re-arms a one-shot period that has run out.
    if (host_.userMode() && CycleDone) {
      StartTimer(false);
    }
  } catch (const std::exception& error) {
    host_.messageBox(error.what());
  }
}

void UTimer::setInterval(std::int32_t New_mSeconds) {
  if (New_mSeconds >= 60000 || New_mSeconds == m_Interval) {
    return;
  }
  // Negative parts are refused, here and for minutes and hours: a negative minute count never reaches
  // zero, and a negative millisecond part has no meaning.
  if (New_mSeconds < 0) {
    refuseValue();
    return;
  }
  m_Interval = New_mSeconds;
  host_.propertyChanged("Interval");
  restartInUserMode();
}

void UTimer::setMinuteInterval(std::int16_t New_Minutes) {
  if (New_Minutes >= 60 || New_Minutes == m_MinuteInterval) {
    return;
  }
  changePeriod(m_MinuteInterval, New_Minutes, m_HourInterval, New_Minutes, "MinuteInterval");
}

void UTimer::setHourInterval(std::int16_t New_Hours) {
  if (New_Hours == m_HourInterval) {
    return;
  }
  changePeriod(m_HourInterval, New_Hours, New_Hours, m_MinuteInterval, "HourInterval");
}

void UTimer::changePeriod(std::int16_t& part, std::int16_t value, std::int16_t hours, std::int16_t minutes,
                          std::string_view name) {
  if (value < 0) {
    refuseValue();
    return;
  }
  try {
    totalMinutes(hours, minutes); // throws when the period does not fit
    part = value;
    host_.propertyChanged(name);
    restartInUserMode();
  } catch (const std::exception&) {
    refuseValue();
  }
}

void UTimer::setEnabled(bool New_Enabled) {
  if (New_Enabled == m_Enabled) {
    return;
  }
  m_Enabled = New_Enabled;
  host_.propertyChanged("Enabled");
  restartInUserMode();
}

void UTimer::initProperties() {
  m_TimerMode = 0;
  m_Interval = 0;
  m_MinuteInterval = 0;
  m_HourInterval = 0;
  m_Enabled = true;
}

// The saved form was checked when it was designed, so it goes straight into the variables.
void UTimer::readProperties(const PropertyBag& bag) {
  m_TimerMode = bag.read<std::int32_t>("TimerMode", 0);
  m_Interval = bag.read<std::int32_t>("Interval", 0);
  m_MinuteInterval = bag.read<std::int16_t>("MinuteInterval", 0);
  m_HourInterval = bag.read<std::int16_t>("HourInterval", 0);
  m_Enabled = bag.read<bool>("Enabled", true);
  if (host_.userMode() && m_Enabled) {
    StartTimer(false);
  }
}

void UTimer::writeProperties(PropertyBag& bag) const {
  bag.write<std::int32_t>("TimerMode", m_TimerMode, 0);
  bag.write<std::int32_t>("Interval", m_Interval, 0);
  bag.write<std::int16_t>("MinuteInterval", m_MinuteInterval, 0);
  bag.write<std::int16_t>("HourInterval", m_HourInterval, 0);
  bag.write<bool>("Enabled", m_Enabled, true);
}

void UTimer::resize(std::int32_t, std::int32_t) {
  width_ = kWidthTwips;
  height_ = kHeightTwips;
}

void UTimer::restartInUserMode() {
  if (host_.userMode()) {
    StartTimer(false);
  }
}

void UTimer::refuseValue() {
  host_.messageBox("Error 380");
}

} // namespace utimerctl
