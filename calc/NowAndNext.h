// What is on now at a place and what comes next, and when each reminder of a period is due: the
// answers a tray icon asks for at a moment of universal time, from the days' own periods.
#pragma once

#include "calc/DayPeriods.h"

#include <array>
#include <chrono>
#include <optional>
#include <vector>

namespace horavela {

struct PeriodAt {
    DayPeriod period = DayPeriod::RahuKaal;
    // In the offset of the day the period belongs to; end is its last second.
    TimeSpan span;
    // Whether it starts on the place's next local date rather than today's.
    bool tomorrow = false;
};

struct NowAndNext {
    // The place's local date at the moment.
    std::chrono::year_month_day today{};
    // The period the moment falls in; where two overlap, the one that started first.
    std::optional<PeriodAt> now;
    // The first period to start after the moment, today or tomorrow.
    std::optional<PeriodAt> next;
    // Why today and tomorrow have no periods; Sunless::None for a day that has them.
    Sunless todaySunless = Sunless::None;
    Sunless tomorrowSunless = Sunless::None;
};

NowAndNext nowAndNext(const Place& place, std::chrono::sys_seconds moment);

struct ReminderSetting {
    bool on = false;
    int minutesBefore = 10; // 0 to 120; 0 leaves only the reminder at the start
};

// Indexed by DayPeriod: Rahu Kaal on, 10 minutes before; the others off.
using ReminderSettings = std::array<ReminderSetting, 3>;
inline constexpr ReminderSettings DefaultReminderSettings{{{true, 10}, {false, 10}, {false, 10}}};
inline constexpr int MaxMinutesBefore = 120;

struct Reminder {
    enum class Kind { MinutesBefore, StartsNow };
    DayPeriod period = DayPeriod::RahuKaal;
    DateTime start{}; // the period's start in its day's offset, as the texts write it
    Kind kind = Kind::StartsNow;
    int minutesBefore = 0;
    std::chrono::sys_seconds due{};
    // Due at or before the moment asked about, within the minute's grace.
    bool dueNow = false;
    bool operator==(const Reminder&) const = default;
};

// The reminders of today's and tomorrow's periods not yet past, in order of their due moments.
// One due less than a minute ago is still given, as due now; an older one never is, so that a
// reminder is not shown late. The caller keeps which ones it has shown.
std::vector<Reminder> remindersDue(const Place& place, const ReminderSettings& settings,
                                   std::chrono::sys_seconds moment);

// The next moment after `moment` at which a reminder falls due or a period starts or ends, but
// no later than a minute on: the caller sleeps until then and asks again.
std::chrono::sys_seconds nextWake(const Place& place, const ReminderSettings& settings,
                                  std::chrono::sys_seconds moment);

// All three at once, from one working out of the days around the moment: what a caller that
// wakes to show them all needs.
struct Watch {
    NowAndNext nowAndNext;
    std::vector<Reminder> reminders;
    std::chrono::sys_seconds wake{};
};
Watch watchAt(const Place& place, const ReminderSettings& settings,
              std::chrono::sys_seconds moment);

} // namespace horavela
