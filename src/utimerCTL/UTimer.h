#pragma once
// A timer for periods longer than an inner timer allows: hours, minutes and milliseconds. The inner
// timer never waits more than a minute, so the control counts the minutes down itself and raises
// alarms on the way. It is meant to be reused by other windows, so it keeps its whole designer-time
// contract (every property, the alarms, reading and writing its saved properties) though the game
// sets only MinuteInterval and Enabled.
#include "platform/TimerService.h"
#include "utimerCTL/ControlHost.h"
#include "utimerCTL/PropertyBag.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace utimerctl {

class UTimer {
public:
  explicit UTimer(ControlHost& host);

  // Events, raised while the inner timer is stopped, so a handler that dispatches window events never
  // gets a nested tick from this control.
  std::function<void()> Timer;
  // HourMark is a copy: changing it changes nothing.
  std::function<void(std::int16_t& HourMark)> HourAlarm;
  // MinuteMark is the control's own count of minutes left: changing it moves the end of the period.
  std::function<void(std::int16_t& MinuteMark)> MinuteAlarm;

  // 1 stops after one period; any other value repeats.
  std::int32_t TimerMode() const { return m_TimerMode; }
  void setTimerMode(std::int32_t pVal);
  std::int32_t Interval() const { return m_Interval; }
  void setInterval(std::int32_t New_mSeconds);
  std::int16_t MinuteInterval() const { return m_MinuteInterval; }
  void setMinuteInterval(std::int16_t New_Minutes);
  std::int16_t HourInterval() const { return m_HourInterval; }
  void setHourInterval(std::int16_t New_Hours);
  bool Enabled() const { return m_Enabled; }
  void setEnabled(bool New_Enabled);

  // Notifications from the containing window.
  void initProperties();
  void readProperties(const PropertyBag& bag);
  void writeProperties(PropertyBag& bag) const;
  void resize(std::int32_t width, std::int32_t height);
  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }

private:
  void StartTimer(bool Restart);
  void restartInUserMode();
  // Puts a new value into the period's hours or minutes (`part`), the period then being hours and
  // minutes; refuses a negative value or a period too long to count in minutes.
  void changePeriod(std::int16_t& part, std::int16_t value, std::int16_t hours, std::int16_t minutes,
                    std::string_view name);
  void Timer1_Timer();
  void countMinute();
  void RaiseAlarms();
  void refuseValue();

  ControlHost& host_;
  std::int32_t m_TimerMode = 0;
  std::int32_t m_Interval = 0;
  std::int16_t m_MinuteInterval = 0;
  std::int16_t m_HourInterval = 0;
  bool m_Enabled = true;

  std::int16_t MinutesLeft = 0;
  bool MsPhaseDone = false;
  bool CycleDone = false; // a one-shot period has run out
  platform::InnerTimer Timer1;

  std::int32_t width_;
  std::int32_t height_;
};

} // namespace utimerctl
