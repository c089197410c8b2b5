#include "month/MonthTexts.h"

#include "places/DegreesMinutes.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace horavela {

namespace {

QDate qDate(std::chrono::year_month_day day) {
    return {int(day.year()), int(unsigned(day.month())), int(unsigned(day.day()))};
}

QString angleText(int degrees, int minutes, char hemisphere) {
    return angleText(DegreesMinutes{degrees, minutes, hemisphere});
}

} // namespace

QString placeNames(const Place& place) {
    QStringList names;
    for (const std::string* name : {&place.city, &place.state, &place.country})
        if (const QString text = QString::fromStdString(*name).trimmed(); !text.isEmpty())
            names.append(text);
    return names.join(QStringLiteral(", "));
}

QString placeHeading(const Place& place) {
    QStringList parts;
    if (const QString names = placeNames(place); !names.isEmpty())
        parts.append(names);
    const Place& p = place;
    parts.append(angleText(p.LatDegrees, p.LatMinutes, p.IsSouth ? 'S' : 'N'));
    parts.append(angleText(p.LonDegrees, p.LonMinutes, p.IsEast ? 'E' : 'W'));
    return parts.join(QStringLiteral(", "));
}

std::string utcOffsetText(long long secondsEast) {
    const long long minutes = std::llabs(secondsEast) / 60;
    char text[48];
    std::snprintf(text, sizeof text, "%c%02lld:%02lld", secondsEast < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

QString zoneHeading(const Place& place, const std::vector<DayPeriods>& days) {
    // Each day carries the offset it was worked out in.
    std::vector<long long> offsets;
    for (const DayPeriods& day : days) {
        if (!day.zone)
            continue;
        const long long east = day.zone->secondsEast();
        if (std::find(offsets.begin(), offsets.end(), east) == offsets.end())
            offsets.push_back(east);
    }
    QStringList texts;
    for (const long long east : offsets)
        texts.append(QStringLiteral("UTC") +
                     localDigits(QString::fromStdString(utcOffsetText(east))));
    QString heading = texts.join(QStringLiteral(", "));
    // By the name the places give it where they gave one: tzdata may know the zone by another
    // (Arctic/Longyearbyen's rules are Europe/Berlin's).
    if (place.namedZone)
        heading += QStringLiteral(" (") +
                   QString::fromStdString(place.zoneName.empty() ? place.namedZone->name
                                                                 : place.zoneName) +
                   u')';
    return heading;
}

QString monthHeading(const QLocale& locale, std::chrono::year_month month) {
    return locale.standaloneMonthName(int(unsigned(month.month())), QLocale::LongFormat) + u' ' +
           localDigits(QString::number(int(month.year())));
}

namespace {

// A format worked out from the locale's own, remembered for the last locale asked: a month's
// table asks for the same one hundreds of times. One memory for each way of working it out: the
// day's and the minute's formats have the same type, so the function is a template argument.
template <QString (*derive)(const QLocale&)>
const QString& rememberedFormat(const QLocale& locale) {
    thread_local QLocale last = QLocale::c();
    thread_local QString format = derive(last);
    if (locale != last) {
        last = locale;
        format = derive(locale);
    }
    return format;
}

// The short date with the year whole, as the result window writes it.
QString dayFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
}

} // namespace

QString dayDateText(const QLocale& locale, std::chrono::year_month_day day) {
    return locale.toString(qDate(day), rememberedFormat<dayFormat>(locale));
}

QString weekdayText(const QLocale& locale, std::chrono::year_month_day day) {
    const std::chrono::weekday weekday{std::chrono::sys_days{day}};
    return locale.dayName(int(weekday.iso_encoding()), QLocale::LongFormat);
}

namespace {

// The locale's short time format without its seconds, which some locales' short format keeps.
QString minuteFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    static const QRegularExpression seconds(QStringLiteral("[:.]?s+"));
    format.remove(seconds);
    return format;
}

} // namespace

QString minuteText(const QLocale& locale, DateTime time) {
    using namespace std::chrono;
    // Half a minute and more rounds up.
    const auto rounded = floor<minutes>(time + seconds{30});
    const auto sinceMidnight = rounded - floor<days>(rounded);
    const hh_mm_ss<minutes> clock{sinceMidnight};
    return locale.toString(QTime(int(clock.hours().count()), int(clock.minutes().count())),
                           rememberedFormat<minuteFormat>(locale));
}

QString spanText(const QLocale& locale, const TimeSpan& span) {
    return minuteText(locale, span.start) + QStringLiteral(" \u2013 ") +
           minuteText(locale, span.end);
}

QString periodName(DayPeriod period) {
    switch (period) {
    case DayPeriod::RahuKaal:
        return QCoreApplication::translate("MonthTexts", "Rahu Kaal");
    case DayPeriod::Yamaganda:
        return QCoreApplication::translate("MonthTexts", "Yamaganda");
    case DayPeriod::GulikaKaal:
        break;
    }
    return QCoreApplication::translate("MonthTexts", "Gulika Kaal");
}

std::array<QString, MonthColumns> monthColumnTitles() {
    return {QCoreApplication::translate("MonthTexts", "Date"),
            QCoreApplication::translate("MonthTexts", "Weekday"),
            QCoreApplication::translate("MonthTexts", "Sunrise"),
            QCoreApplication::translate("MonthTexts", "Sunset"),
            periodName(DayPeriod::RahuKaal),
            periodName(DayPeriod::Yamaganda),
            periodName(DayPeriod::GulikaKaal)};
}

QString sunlessText(Sunless sunless) {
    switch (sunless) {
    case Sunless::SunUpAllDay:
        return QCoreApplication::translate("MonthTexts", "Sun up all day");
    case Sunless::SunDownAllDay:
        return QCoreApplication::translate("MonthTexts", "Sun down all day");
    case Sunless::NotAtPlace:
        return QCoreApplication::translate("MonthTexts",
                                           "This day did not happen here: the clocks skipped it");
    default:
        return QCoreApplication::translate("MonthTexts", "No time zone is known for this day");
    }
}

QString skippedDayText(const QLocale& locale, std::chrono::year_month_day day) {
    //: A day that the place's clocks jumped over, as Samoa's did on 30 December 2011.
    return QCoreApplication::translate("MonthTexts",
                                       "%1 did not happen at this place: its clocks skipped it.")
        .arg(dayDateText(locale, day));
}

MonthRow monthRow(const QLocale& locale, const DayPeriods& day) {
    MonthRow row;
    row.cells[0] = dayDateText(locale, day.date);
    row.cells[1] = weekdayText(locale, day.date);
    if (day.sunless != Sunless::None) {
        row.sunless = true;
        row.cells[FirstSunColumn] = sunlessText(day.sunless);
        return row;
    }
    row.cells[2] = minuteText(locale, day.sunRise);
    row.cells[3] = minuteText(locale, day.sunSet);
    int column = 4;
    for (const DayPeriod period : DayPeriodsInOrder)
        row.cells[std::size_t(column++)] = spanText(locale, day[period]);
    return row;
}

} // namespace horavela
