#include "calc/NowAndNext.h"

#include <algorithm>

namespace horavela {

namespace {

using namespace std::chrono;

// A reminder may be shown this long after it fell due, so that a caller waking once a minute
// never misses one, and no longer.
constexpr seconds Grace{60};

struct Found {
    PeriodAt at;
    sys_seconds start;
    sys_seconds end;
};

struct Days {
    year_month_day today;
    Sunless todaySunless = Sunless::None;
    Sunless tomorrowSunless = Sunless::None;
    // Yesterday's, today's and tomorrow's: yesterday's can run past midnight where the sun
    // sets after it.
    std::vector<Found> periods;
};

sys_seconds universal(DateTime local, const ZoneOffset& zone) {
    return sys_seconds{local.time_since_epoch() - seconds{zone.secondsEast()}};
}

// The offset in force at the place at the moment, which says its local date.
seconds offsetAt(const Place& place, sys_seconds moment) {
    if (place.namedZone)
        return seconds{place.namedZone->secondsEastAt(moment)};
    return seconds{place.zone ? place.zone->secondsEast() : 0};
}

Days daysAround(const Place& place, sys_seconds moment) {
    Days around;
    const local_days today =
        floor<days>(local_seconds{moment.time_since_epoch()} + offsetAt(place, moment));
    around.today = year_month_day{today};
    for (const local_days date : {today - days{1}, today, today + days{1}}) {
        const DayPeriods day = dayPeriods(place, year_month_day{date});
        if (date == today)
            around.todaySunless = day.sunless;
        else if (date > today)
            around.tomorrowSunless = day.sunless;
        if (day.sunless != Sunless::None || !day.zone)
            continue;
        for (const DayPeriod period : DayPeriodsInOrder) {
            const TimeSpan& span = day[period];
            around.periods.push_back({{period, span, floor<days>(span.start) > today},
                                      universal(span.start, *day.zone),
                                      universal(span.end, *day.zone)});
        }
    }
    return around;
}

} // namespace

namespace {

NowAndNext nowAndNextOf(const Days& around, sys_seconds moment) {
    NowAndNext result;
    result.today = around.today;
    result.todaySunless = around.todaySunless;
    result.tomorrowSunless = around.tomorrowSunless;
    const Found* now = nullptr;
    const Found* next = nullptr;
    for (const Found& found : around.periods) {
        if (found.start <= moment && moment <= found.end && (!now || found.start < now->start))
            now = &found;
        if (found.start > moment && (!next || found.start < next->start))
            next = &found;
    }
    if (now)
        result.now = now->at;
    if (next)
        result.next = next->at;
    return result;
}

} // namespace

NowAndNext nowAndNext(const Place& place, sys_seconds moment) {
    return nowAndNextOf(daysAround(place, moment), moment);
}

namespace {

std::vector<Reminder> remindersOf(const Days& around, const ReminderSettings& settings,
                                  sys_seconds moment) {
    std::vector<Reminder> reminders;
    const auto add = [&](const Found& found, Reminder::Kind kind, int minutesBefore) {
        const sys_seconds due = found.start - minutes{minutesBefore};
        if (due < moment - Grace)
            return;
        reminders.push_back(
            {found.at.period, found.at.span.start, kind, minutesBefore, due, due <= moment});
    };
    for (const Found& found : around.periods) {
        const ReminderSetting& setting = settings[std::size_t(found.at.period)];
        if (!setting.on)
            continue;
        const int before = std::clamp(setting.minutesBefore, 0, MaxMinutesBefore);
        if (before > 0)
            add(found, Reminder::Kind::MinutesBefore, before);
        add(found, Reminder::Kind::StartsNow, 0);
    }
    std::stable_sort(reminders.begin(), reminders.end(),
                     [](const Reminder& a, const Reminder& b) { return a.due < b.due; });
    return reminders;
}

} // namespace

std::vector<Reminder> remindersDue(const Place& place, const ReminderSettings& settings,
                                   sys_seconds moment) {
    return remindersOf(daysAround(place, moment), settings, moment);
}

namespace {

sys_seconds nextWakeOf(const Days& around, const std::vector<Reminder>& reminders,
                       sys_seconds moment) {
    sys_seconds wake = moment + minutes{1};
    const auto consider = [&](sys_seconds at) {
        if (at > moment && at < wake)
            wake = at;
    };
    for (const Reminder& reminder : reminders)
        consider(reminder.due);
    // The tray's line changes as a period starts and once its last second is over.
    for (const Found& found : around.periods) {
        consider(found.start);
        consider(found.end + seconds{1});
    }
    return wake;
}

} // namespace

sys_seconds nextWake(const Place& place, const ReminderSettings& settings, sys_seconds moment) {
    const Days around = daysAround(place, moment);
    return nextWakeOf(around, remindersOf(around, settings, moment), moment);
}

Watch watchAt(const Place& place, const ReminderSettings& settings, sys_seconds moment) {
    // The three days once, for the periods, the reminders and the wake alike.
    const Days around = daysAround(place, moment);
    Watch watch{nowAndNextOf(around, moment), remindersOf(around, settings, moment), {}};
    watch.wake = nextWakeOf(around, watch.reminders, moment);
    return watch;
}

} // namespace horavela
