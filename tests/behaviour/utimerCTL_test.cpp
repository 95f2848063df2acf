// The long-period timer control in virtual time: the clock jumps from one inner-timer deadline to
// the next, and every event is logged as kind, mark and "minutes:ms" since the start.
#include "utimerCTL/Minutes.h"
#include "utimerCTL/UTimer.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace utimerctl {
namespace {

constexpr std::uint32_t kMinute = 60000;
using Strings = std::vector<std::string>;

// The test is the control's host: its clock, its timers and its record of messages and changes.
class UTimerTest : public ::testing::Test, public ControlHost {
protected:
  bool userMode() const override { return user; }
  void propertyChanged(std::string_view name) override {
    if (failNotify) {
      throw std::runtime_error("disk full");
    }
    changed.emplace_back(name);
  }
  void messageBox(const std::string& text) override { messages.push_back(text); }
  platform::TimerService& timers() override { return service; }

  UTimerTest() {
    ctl.Timer = [this] { log("T", ""); };
    ctl.HourAlarm = [this](std::int16_t& hours) {
      log("H", std::to_string(hours));
      pendingHour = hours;
      hours = 0; // a copy: must not reach the minute count
    };
    ctl.MinuteAlarm = [this](std::int16_t& minutes) {
      log("M", std::to_string(minutes));
      hourFor[minutes] = std::exchange(pendingHour, 0);
    };
  }

  void log(const std::string& kind, const std::string& mark) {
    events += (events.empty() ? "" : " ") + kind + mark + "@" + std::to_string(now / kMinute) + ":" +
              std::to_string(now % kMinute);
  }

  void runUntil(std::uint32_t until) {
    for (auto next = service.msUntilNext(); next && now + *next <= until; next = service.msUntilNext()) {
      now += *next;
      service.fireDue();
    }
    now = until;
  }

  bool running() const { return service.msUntilNext().has_value(); }

  std::uint32_t now = 0;
  platform::TimerService service{[this] { return now; }};
  bool user = true;
  bool failNotify = false;
  Strings changed, messages;
  UTimer ctl{*this};
  std::string events;
  int pendingHour = 0;
  std::map<int, int> hourFor; // the hour mark raised with each minute mark, 0 for none
};

TEST_F(UTimerTest, MinutesCountDownOncePerMinuteAndRepeat) {
  ctl.setMinuteInterval(3);
  runUntil(6 * kMinute + 2);
  EXPECT_EQ(events, "M3@0:1 M2@1:1 M1@2:1 T@3:1 M3@3:2 M2@4:2 M1@5:2 T@6:2");
  EXPECT_EQ(changed, Strings{"MinuteInterval"});

  events.clear(); // the minute alarm's handler changes the count left
  ctl.MinuteAlarm = [this](std::int16_t& minutes) {
    log("M", std::to_string(minutes));
    minutes = 1;
  };
  runUntil(8 * kMinute + 4);
  EXPECT_EQ(events, "M3@6:3 T@7:3 M3@7:4 T@8:4");
}

TEST_F(UTimerTest, MillisecondPartComesFirst) {
  ctl.setInterval(500);
  ctl.setMinuteInterval(2);
  runUntil(2 * kMinute + 501);
  EXPECT_EQ(events, "M2@0:501 M1@1:501 T@2:501");

  events.clear();
  ctl.setMinuteInterval(0);
  runUntil(now + 1002);
  EXPECT_EQ(events, "T@2:1002 T@2:1503");

  events.clear(); // a zero period stands still, and the shortest ticks on and on
  ctl.setInterval(0);
  EXPECT_FALSE(running());
  runUntil(3 * kMinute);
  ctl.setInterval(1);
  runUntil(3 * kMinute + 4);
  EXPECT_EQ(events, "T@3:2 T@3:4");
}

// A handler may run a wait of its own, events and all, longer than the period: it is not
// raised again while it runs, and the next period starts when it returns.
TEST_F(UTimerTest, AHandlerThatWaitsPastThePeriodIsNotRaisedAgainMeanwhile) {
  bool waited = false;
  ctl.Timer = [&] {
    log("T", "");
    if (!std::exchange(waited, true)) {
      runUntil(now + 1200);
    }
  };
  ctl.setInterval(500);
  runUntil(2300);
  EXPECT_EQ(events, "T@0:501 T@0:2202");
}

TEST_F(UTimerTest, DisablingStopsTheCountAndEnablingStartsItAfresh) {
  ctl.setMinuteInterval(3);
  runUntil(kMinute + 1);
  ctl.setEnabled(false);
  runUntil(5 * kMinute);
  ctl.setEnabled(true);
  runUntil(5 * kMinute + 1);
  EXPECT_EQ(events, "M3@0:1 M2@1:1 M3@5:1");
}

TEST_F(UTimerTest, OneShotStopsUntilTheModeIsSetAgain) {
  ctl.setTimerMode(1);
  ctl.setMinuteInterval(1);
  runUntil(10 * kMinute);
  EXPECT_EQ(events, "M1@0:1 T@1:1");
  ctl.setEnabled(true);
  EXPECT_FALSE(running());

  ctl.setTimerMode(1);
  runUntil(12 * kMinute);
  ctl.setTimerMode(0);
  runUntil(14 * kMinute + 2);
  EXPECT_EQ(events, "M1@0:1 T@1:1 M1@10:1 T@11:1 M1@12:1 T@13:1 M1@13:2 T@14:2");
  runUntil(14 * kMinute + 30000);
  ctl.setTimerMode(0); // in the middle of a period there is nothing to re-arm
  runUntil(15 * kMinute + 3);
  EXPECT_TRUE(events.ends_with("T@14:2 M1@14:3 T@15:3")) << events;
}

TEST_F(UTimerTest, WholeHoursTickEarlyAndRaiseRoundedHourMarks) {
  ctl.setHourInterval(3);
  runUntil(kMinute + 2);
  EXPECT_EQ(events, "H3@0:1 M180@0:1 H3@0:2 M179@0:2 H3@1:2 M178@1:2");
  runUntil(179 * kMinute + 2);
  EXPECT_TRUE(events.ends_with("M1@178:2 T@179:2"));
  // Halves go to the even neighbour.
  EXPECT_EQ((std::array{hourFor[151], hourFor[150], hourFor[90], hourFor[89], hourFor[61], hourFor[60]}),
            (std::array{3, 2, 2, 1, 1, 0}));

  events.clear(); // one hour ends fifty-nine minutes after the early tick
  ctl.setHourInterval(1);
  runUntil(now + 59 * kMinute + 2);
  EXPECT_TRUE(events.starts_with("M60@179:3 M59@179:4 M58@180:4 ")) << events;
  EXPECT_TRUE(events.ends_with(" M1@237:4 T@238:4")) << events;
}

TEST_F(UTimerTest, RefusedValuesLeaveEverythingAloneAndLaterErrorsKeepTheValue) {
  ctl.setMinuteInterval(60);
  ctl.setMinuteInterval(75);
  ctl.setInterval(60000);
  EXPECT_TRUE(messages.empty());
  ctl.setHourInterval(547);
  ctl.setTimerMode(2);
  ctl.setInterval(-1);
  ctl.setMinuteInterval(-1);
  ctl.setHourInterval(-1);
  EXPECT_EQ(messages, Strings(5, "Error 380"));
  EXPECT_EQ(ctl.Interval() + ctl.MinuteInterval() + ctl.HourInterval() + ctl.TimerMode(), 0);
  EXPECT_TRUE(changed.empty());
  EXPECT_FALSE(running());

  ctl.setHourInterval(546); // 32760 minutes: 7 more still fit, 8 do not
  ctl.setMinuteInterval(8);
  ctl.setMinuteInterval(7);
  ctl.setHourInterval(0);
  ctl.setMinuteInterval(8);
  ctl.setHourInterval(546);
  EXPECT_EQ(messages.size(), 7u);
  EXPECT_EQ(ctl.MinuteInterval(), 8);
  EXPECT_EQ(ctl.HourInterval(), 0);

  messages.clear(); // errors after storing keep the value
  failNotify = true;
  ctl.setMinuteInterval(5);
  ctl.setHourInterval(1);
  ctl.setTimerMode(1);
  EXPECT_EQ(messages, (Strings{"Error 380", "Error 380", "disk full"}));
  EXPECT_EQ(ctl.MinuteInterval() + ctl.HourInterval() + ctl.TimerMode(), 7);
  EXPECT_THROW(ctl.setInterval(5), std::runtime_error);
}

TEST_F(UTimerTest, TheDesignerSavesOnlyChangedValuesInOrderBesideTheHostsOwnAndNeverStarts) {
  user = false;
  PropertyBag bag;
  bag.write<std::int32_t>("_ExtentX", 355, 0);
  ctl.setEnabled(false);
  ctl.setHourInterval(2);
  ctl.setMinuteInterval(3);
  ctl.setInterval(250);
  ctl.setTimerMode(1);
  ctl.writeProperties(bag);
  EXPECT_EQ(bag.keys(),
            (Strings{"_ExtentX", "TimerMode", "Interval", "MinuteInterval", "HourInterval", "Enabled"}));
  EXPECT_EQ(changed.size(), 5u);
  ctl.setEnabled(true);
  EXPECT_FALSE(running());

  UTimer copy(*this);
  copy.readProperties(bag);
  EXPECT_EQ(std::tuple(copy.TimerMode(), copy.Interval(), copy.MinuteInterval(), copy.HourInterval(),
                       copy.Enabled()),
            std::tuple(1, 250, 3, 2, false));
  ctl.initProperties();
  ctl.writeProperties(bag);
  EXPECT_EQ(bag.keys(), Strings{"_ExtentX"});
  // Loading ignores the case of names and the setters' checks.
  PropertyBag odd;
  odd.write<std::int32_t>("INTERVAL", 70000, 0);
  odd.write<std::int16_t>("minuteinterval", 75, 0);
  odd.write<std::int32_t>("timermode", 5, 0);
  ctl.readProperties(odd);
  EXPECT_EQ(std::tuple(ctl.Interval(), ctl.MinuteInterval(), ctl.TimerMode(), ctl.Enabled()),
            std::tuple(70000, 75, 5, true));
  EXPECT_FALSE(running());
  ctl.resize(1000, 20);
  EXPECT_EQ(std::pair(ctl.width(), ctl.height()), std::pair(355, 335)) << "its size is fixed";
}

TEST_F(UTimerTest, LoadStartsOnlyWhenRunningAndEnabled) {
  PropertyBag bag;
  bag.write<std::int16_t>("MinuteInterval", 1, 0);
  bag.write<bool>("Enabled", false, true);
  ctl.readProperties(bag);
  EXPECT_FALSE(running());
  bag.write<bool>("Enabled", true, true);
  ctl.readProperties(bag);
  runUntil(1);
  EXPECT_EQ(events, "M1@0:1");
  bag.write<std::int16_t>("HourInterval", 600, 0);
  EXPECT_THROW(ctl.readProperties(bag), OverflowError);
}

} // namespace
} // namespace utimerctl
