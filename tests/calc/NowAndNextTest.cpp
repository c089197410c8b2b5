#include "calc/NowAndNext.h"

#include "tests/calc/CalcTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace horavela {
namespace {

using namespace std::chrono;

// Pune on Tuesday 8 December 2026 (sunrise 6:54, sunset 17:58): Yamaganda 9:40:00-11:02:59,
// Gulika Kaal 12:26:00-13:48:59, Rahu Kaal 15:12:00-16:34:59; on Wednesday Yamaganda comes
// first, from 8:17:52.
const Place Pune{18, 31, false, 73, 51, true, ZoneOffset{-5, -30}, {}, "Pune"};

// A clock time in Pune as a moment of universal time.
sys_seconds inPune(local_days day, hours h, minutes m, seconds s = seconds{0}) {
    return sys_seconds{(day + h + m + s).time_since_epoch() - hours{5} - minutes{30}};
}
const local_days Tuesday{2026y / December / 8};
const local_days Wednesday{2026y / December / 9};

TEST(NowAndNext, PuneThroughItsDayAndAroundMidnight) {
    const struct {
        const char* when;
        sys_seconds moment;
        const char* now;
        const char* next;
    } rows[] = {
        {"before sunrise", inPune(Tuesday, 5h, 0min), "none",
         "Yamaganda 2026-12-8 9:40:0 to 2026-12-8 11:2:59"},
        {"between periods", inPune(Tuesday, 11h, 30min), "none",
         "Gulika 2026-12-8 12:26:0 to 2026-12-8 13:48:59"},
        {"as Rahu Kaal starts", inPune(Tuesday, 15h, 12min),
         "Rahu 2026-12-8 15:12:0 to 2026-12-8 16:34:59",
         "Yamaganda 2026-12-9 8:17:52 to 2026-12-9 9:40:43 tomorrow"},
        {"in Rahu Kaal's last second", inPune(Tuesday, 16h, 34min, 59s),
         "Rahu 2026-12-8 15:12:0 to 2026-12-8 16:34:59",
         "Yamaganda 2026-12-9 8:17:52 to 2026-12-9 9:40:43 tomorrow"},
        {"after the last period", inPune(Tuesday, 16h, 35min), "none",
         "Yamaganda 2026-12-9 8:17:52 to 2026-12-9 9:40:43 tomorrow"},
        // Still Tuesday in Pune, though long since Tuesday in universal time.
        {"at 23:59", inPune(Tuesday, 23h, 59min), "none",
         "Yamaganda 2026-12-9 8:17:52 to 2026-12-9 9:40:43 tomorrow"},
        // Already Wednesday in Pune, still Tuesday in universal time: the same period is today's.
        {"at 0:01", inPune(Wednesday, 0h, 1min), "none",
         "Yamaganda 2026-12-9 8:17:52 to 2026-12-9 9:40:43"},
    };
    for (const auto& row : rows) {
        const NowAndNext found = nowAndNext(Pune, row.moment);
        EXPECT_EQ(shown(found.now), row.now) << row.when;
        EXPECT_EQ(shown(found.next), row.next) << row.when;
        EXPECT_EQ(found.todaySunless, Sunless::None) << row.when;
        EXPECT_EQ(found.tomorrowSunless, Sunless::None) << row.when;
    }
    EXPECT_EQ(nowAndNext(Pune, inPune(Wednesday, 0h, 1min)).today, 2026y / December / 9);
    EXPECT_EQ(nowAndNext(Pune, inPune(Tuesday, 23h, 59min)).today, 2026y / December / 8);
}

// Reykjavik's clock puts midsummer's sunset after midnight, so Sunday's Rahu Kaal, the last
// eighth, runs into Monday: at 0:02 on Monday it is on, though it is Sunday's.
TEST(NowAndNext, YesterdaysPeriodPastMidnightIsOnNow) {
    const Place reykjavik{64, 9, false, 21, 57, false, ZoneOffset{0, 0}};
    const NowAndNext found = nowAndNext(reykjavik, sys_days{2025y / June / 23} + minutes{2});
    EXPECT_EQ(shown(found.now), "Rahu 2025-6-22 21:25:26 to 2025-6-23 0:4:4");
    EXPECT_EQ(found.today, 2025y / June / 23);
}

TEST(Reminders, DueAsSetAndNeverLate) {
    ReminderSettings startOnly = DefaultReminderSettings;
    startOnly[0].minutesBefore = 0;
    ReminderSettings yamaganda = DefaultReminderSettings;
    yamaganda[1] = {true, 5};
    using Kind = Reminder::Kind;
    const struct {
        const char* when;
        ReminderSettings settings;
        sys_seconds moment;
        DayPeriod period;
        Kind kind;
        sys_seconds due;
        bool dueNow;
        std::size_t count; // today's and tomorrow's still to come
    } rows[] = {
        {"10 minutes before Rahu Kaal", DefaultReminderSettings, inPune(Tuesday, 15h, 2min),
         DayPeriod::RahuKaal, Kind::MinutesBefore, inPune(Tuesday, 15h, 2min), true, 4},
        {"59 seconds late", DefaultReminderSettings, inPune(Tuesday, 15h, 2min, 59s),
         DayPeriod::RahuKaal, Kind::MinutesBefore, inPune(Tuesday, 15h, 2min), true, 4},
        {"61 seconds late, never shown", DefaultReminderSettings, inPune(Tuesday, 15h, 3min, 1s),
         DayPeriod::RahuKaal, Kind::StartsNow, inPune(Tuesday, 15h, 12min), false, 3},
        {"2 minutes late, never shown", DefaultReminderSettings, inPune(Tuesday, 15h, 4min),
         DayPeriod::RahuKaal, Kind::StartsNow, inPune(Tuesday, 15h, 12min), false, 3},
        {"as it starts", DefaultReminderSettings, inPune(Tuesday, 15h, 12min), DayPeriod::RahuKaal,
         Kind::StartsNow, inPune(Tuesday, 15h, 12min), true, 3},
        // Yamaganda at 9:40 and Gulika Kaal at 12:26 come first, but are off by default.
        {"before sunrise", DefaultReminderSettings, inPune(Tuesday, 5h, 0min), DayPeriod::RahuKaal,
         Kind::MinutesBefore, inPune(Tuesday, 15h, 2min), false, 4},
        {"0 minutes before", startOnly, inPune(Tuesday, 5h, 0min), DayPeriod::RahuKaal,
         Kind::StartsNow, inPune(Tuesday, 15h, 12min), false, 2},
        {"Yamaganda 5 minutes before", yamaganda, inPune(Tuesday, 5h, 0min), DayPeriod::Yamaganda,
         Kind::MinutesBefore, inPune(Tuesday, 9h, 35min), false, 8},
        // After today's last period: tomorrow's Rahu Kaal, 12:26:28 on Wednesday.
        {"tomorrow's", DefaultReminderSettings, inPune(Tuesday, 16h, 0min), DayPeriod::RahuKaal,
         Kind::MinutesBefore, inPune(Wednesday, 12h, 16min, 28s), false, 2},
    };
    for (const auto& row : rows) {
        const std::vector<Reminder> due = remindersDue(Pune, row.settings, row.moment);
        ASSERT_EQ(due.size(), row.count) << row.when;
        EXPECT_EQ(due[0].period, row.period) << row.when;
        EXPECT_EQ(due[0].kind, row.kind) << row.when;
        EXPECT_EQ(due[0].due, row.due) << row.when;
        EXPECT_EQ(due[0].dueNow, row.dueNow) << row.when;
        EXPECT_TRUE(
            std::is_sorted(due.begin(), due.end(),
                           [](const Reminder& a, const Reminder& b) { return a.due < b.due; }))
            << row.when;
    }
    // The reminder before says how long before, and the start is the period's own.
    const Reminder before =
        remindersDue(Pune, DefaultReminderSettings, inPune(Tuesday, 15h, 0min))[0];
    EXPECT_EQ(before.minutesBefore, 10);
    EXPECT_EQ(text(before.start), "2026-12-8 15:12:0");
}

TEST(Reminders, NextWakeIsTheNextChangeButWithinAMinute) {
    ReminderSettings none = DefaultReminderSettings;
    none[0].on = false;
    const struct {
        const char* when;
        ReminderSettings settings;
        sys_seconds moment;
        sys_seconds wake;
    } rows[] = {
        {"30 seconds before a reminder", DefaultReminderSettings, inPune(Tuesday, 15h, 1min, 30s),
         inPune(Tuesday, 15h, 2min)},
        {"nothing within the minute", DefaultReminderSettings, inPune(Tuesday, 14h, 0min),
         inPune(Tuesday, 14h, 1min)},
        {"at a reminder's due moment", DefaultReminderSettings, inPune(Tuesday, 15h, 2min),
         inPune(Tuesday, 15h, 3min)},
        {"as Rahu Kaal's last second ends", DefaultReminderSettings,
         inPune(Tuesday, 16h, 34min, 30s), inPune(Tuesday, 16h, 35min)},
        {"a period's start, without reminders", none, inPune(Tuesday, 12h, 25min, 30s),
         inPune(Tuesday, 12h, 26min)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(nextWake(Pune, row.settings, row.moment), row.wake) << row.when;
        // The tray's one look at the days gives what the three separate answers give.
        const Watch watch = watchAt(Pune, row.settings, row.moment);
        EXPECT_EQ(watch.wake, row.wake) << row.when;
        EXPECT_EQ(watch.reminders, remindersDue(Pune, row.settings, row.moment)) << row.when;
        EXPECT_EQ(watch.nowAndNext.now.has_value(), nowAndNext(Pune, row.moment).now.has_value())
            << row.when;
    }
}

} // namespace
} // namespace horavela
