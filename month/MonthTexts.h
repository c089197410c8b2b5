// How the month table is written for people: its heading and its cells, in the
// user's language and regional time format.
#pragma once

#include "calc/DayPeriods.h"
#include "month/MonthPlace.h"

#include <QLocale>
#include <QString>
#include <array>
#include <chrono>
#include <string>
#include <vector>

namespace horavela {

// "Pune, Maharashtra, India": the names given, blanks and empty names left out.
QString placeNames(const Place& place);
// "Pune, Maharashtra, India, 18° 31′ N, 73° 51′ E": the names given, then the latitude and
// longitude.
QString placeHeading(const Place& place);
// An offset east of universal time as calendars and ISO 8601 write it, to the minute: "+05:30".
std::string utcOffsetText(long long secondsEast);
// The offsets the month's days were worked out in, and the named zone, by the places' name for it
// where the place has one: "UTC+05:30 (Asia/Kolkata)", "UTC-05:00, UTC-04:00 (America/New_York)";
// the offset entered where there is no named zone: "UTC+05:30".
QString zoneHeading(const Place& place, const std::vector<DayPeriods>& days);
// The month's name and the year, as the locale writes them: "March 2025".
QString monthHeading(const QLocale& locale, std::chrono::year_month month);

// The day's date and its weekday, as the result window writes dates and the locale weekdays.
QString dayDateText(const QLocale& locale, std::chrono::year_month_day day);
QString weekdayText(const QLocale& locale, std::chrono::year_month_day day);
// A time of day to the nearest minute, in the locale's time format: "7:14 AM".
QString minuteText(const QLocale& locale, DateTime time);
// Start and end to the nearest minute: "8:34 AM – 9:54 AM".
QString spanText(const QLocale& locale, const TimeSpan& span);

// The table's columns: date, weekday, sunrise, sunset and the three periods.
inline constexpr int MonthColumns = 7;
// Sunrise's column: a day without sun times says why from there to the last column.
inline constexpr int FirstSunColumn = 2;

// In the language in use.
std::array<QString, MonthColumns> monthColumnTitles();
// "Rahu Kaal", "Yamaganda", "Gulika Kaal", in the language in use.
QString periodName(DayPeriod period);

// Why a day has no sun times, as its row says it: the sun up or down all day, a day the clocks
// skipped, or no zone.
QString sunlessText(Sunless sunless);
// The line that stands for a day the place's clocks skipped, which has no row.
QString skippedDayText(const QLocale& locale, std::chrono::year_month_day day);

struct MonthRow {
    std::array<QString, MonthColumns> cells;
    // The day has no sun times: cells[FirstSunColumn] says why, across the rest of the row.
    bool sunless = false;
};

MonthRow monthRow(const QLocale& locale, const DayPeriods& day);

} // namespace horavela
