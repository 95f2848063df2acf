// The count itself: a first tick after 1 ms, then the millisecond part, then one tick a minute until
// no minutes are left.
#include "utimerCTL/Minutes.h"
#include "utimerCTL/UTimer.h"

#include <cmath>

namespace utimerctl {

namespace {

constexpr std::int32_t kMinuteMs = 60000;

} // namespace

void UTimer::StartTimer(bool Restart) {
  Timer1.setEnabled(false);
  Timer1.setInterval(1);
  MinutesLeft = totalMinutes(m_HourInterval, m_MinuteInterval);
  MsPhaseDone = false;
  if (m_Interval == 0 && MinutesLeft == 0) {
    return;
  }
  if (!Restart) {
    CycleDone = false;
    Timer1.setEnabled(m_Enabled);
    return;
  }
  // The end of a period that was running: Enabled was asked when it started.
  CycleDone = TimerMode() == 1;
  if (!CycleDone) {
    Timer1.setEnabled(true);
  }
}

void UTimer::Timer1_Timer() {
  // A tick already on its way when the timer was stopped is dropped.
  if (!Timer1.enabled()) {
    return;
  }
  Timer1.setEnabled(false);
  if (!MsPhaseDone && m_Interval > 0) {
    MsPhaseDone = true;
    Timer1.setInterval(m_Interval);
    Timer1.setEnabled(true);
    return;
  }
  if (MinutesLeft == 0) {
    // Raised before the restart, so a handler that changes the period still gets the restart below.
    if (Timer) {
      Timer();
    }
    StartTimer(true);
    return;
  }
  // On a whole hour the inner period is left as it is; that tick comes early and the next one
  // switches to whole minutes.
  if (MinutesLeft % 60 != 0 && (Timer1.interval() == m_Interval || Timer1.interval() == 1)) {
    Timer1.setInterval(kMinuteMs);
  }
  countMinute();
}

void UTimer::countMinute() {
  RaiseAlarms();
  MinutesLeft = toInt16(MinutesLeft - 1);
  Timer1.setEnabled(true);
}

void UTimer::RaiseAlarms() {
  if (MinutesLeft > 60) {
    auto HourMark = static_cast<std::int16_t>(std::nearbyint(MinutesLeft / 60.0));
    if (HourAlarm) {
      HourAlarm(HourMark);
    }
  }
  if (MinutesLeft >= 1 && MinuteAlarm) {
    MinuteAlarm(MinutesLeft);
  }
}

} // namespace utimerctl
