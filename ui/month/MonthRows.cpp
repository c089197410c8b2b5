#include "ui/month/MonthRows.h"

#include "month/MonthTexts.h"

namespace horavela {

namespace {

using namespace std::chrono;

QString sunlessText(SunResult result) {
    switch (result) {
    case SunResult::NoSunset:
        return QStringLiteral("The sun does not set on this day");
    case SunResult::NoSunrise:
        return QStringLiteral("The sun does not rise or does not set on this day");
    default:
        return QStringLiteral("No time zone is known for this day");
    }
}

} // namespace

const std::array<QString, MonthColumns>& monthColumnTitles() {
    static const std::array<QString, MonthColumns> titles{
        QStringLiteral("Date"),       QStringLiteral("Weekday"),   QStringLiteral("Sunrise"),
        QStringLiteral("Sunset"),     QStringLiteral("Rahu Kaal"), QStringLiteral("Yamaganda"),
        QStringLiteral("Gulika Kaal")};
    return titles;
}

MonthRow monthRow(const QLocale& locale, const DayPeriods& day) {
    MonthRow row;
    row.cells[0] = dayDateText(locale, day.date);
    row.cells[1] = weekdayText(locale, day.date);
    if (day.result != SunResult::Ok) {
        row.sunless = true;
        row.cells[FirstSunColumn] = sunlessText(day.result);
        return row;
    }
    row.cells[2] = minuteText(locale, day.sunRise);
    row.cells[3] = minuteText(locale, day.sunSet);
    int column = 4;
    for (const DayPeriod period : DayPeriodsInOrder)
        row.cells[std::size_t(column++)] = spanText(locale, day[period]);
    return row;
}

std::array<QStringList, MonthColumns + 1> widestMonthTexts(const QLocale& locale) {
    std::array<QStringList, MonthColumns + 1> texts;
    for (int column = 0; column < MonthColumns; ++column)
        texts[std::size_t(column)].append(monthColumnTitles()[std::size_t(column)]);
    // Two-digit days and months in every month, and every weekday.
    for (unsigned m = 1; m <= 12; ++m)
        texts[0].append(dayDateText(locale, year{2050} / month{m} / day{28}));
    for (unsigned d = 1; d <= 7; ++d)
        texts[1].append(weekdayText(locale, year{2050} / January / day{d}));
    // Every hour, at two-digit minutes, before and after noon.
    const local_days first{year{2050} / January / day{1}};
    for (int hour = 0; hour < 24; ++hour) {
        const DateTime time = first + hours{hour} + minutes{58};
        for (const int column : {2, 3})
            texts[std::size_t(column)].append(minuteText(locale, time));
        const TimeSpan span{time, time + hours{1} + minutes{10}};
        for (const int column : {4, 5, 6})
            texts[std::size_t(column)].append(spanText(locale, span));
    }
    for (const SunResult result : {SunResult::NoSunrise, SunResult::NoSunset, SunResult::BadInput})
        texts[MonthColumns].append(sunlessText(result));
    return texts;
}

} // namespace horavela
