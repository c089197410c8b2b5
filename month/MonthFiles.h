// The files a month is saved as: a calendar (.ics), a table (CSV) and plain
// text; the month window's buttons and the command line write the same bytes.
#pragma once

#include "month/MonthPlace.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <array>
#include <chrono>

namespace horavela {

// The most months one file holds.
inline constexpr int MostMonths = 12;

// The shown month, or up to MostMonths months from it.
struct MonthRange {
    std::chrono::year_month first;
    int count = 1;
};

// A reminder a whole day ahead is the most a calendar program would usefully show.
inline constexpr int MostReminderMinutes = 24 * 60;

struct CalendarOptions {
    // Indexed by DayPeriod: which periods become events.
    std::array<bool, 3> periods{true, false, false};
    // Minutes before the start that a reminder goes off; 0 for none.
    int reminderMinutes = 10;
    // DTSTAMP, in universal time.
    QDateTime stamp;
};

// RFC 5545, one event per period chosen, times in universal time.
QByteArray monthCalendar(const Place& place, MonthRange range, const CalendarOptions& options);
// RFC 4180, UTF-8, a header row; times as ISO 8601 local times with their offset.
QByteArray monthCsv(const Place& place, MonthRange range);
// The heading and the table as the month window shows them, in plain UTF-8 text.
QByteArray monthText(const QLocale& locale, const Place& place, MonthRange range);

} // namespace horavela
