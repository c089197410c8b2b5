#include "month/MonthFiles.h"

#include "ProgramVersion.h"
#include "month/MonthTexts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace horavela {

namespace {

using namespace std::chrono;

constexpr const char* PeriodNames[] = {"Rahu Kaal", "Yamaganda", "Gulika Kaal"};
constexpr const char* CsvHeader = "date,weekday,sunrise,sunset,rahu_start,rahu_end,"
                                  "yamaganda_start,yamaganda_end,gulika_start,gulika_end,note";

// Why a day has no times, in the CSV's English keys.
const char* csvNote(Sunless sunless) {
    switch (sunless) {
    case Sunless::None:
        return "";
    case Sunless::SunUpAllDay:
        return "sun up all day";
    case Sunless::SunDownAllDay:
        return "sun down all day";
    case Sunless::NotAtPlace:
        return "skipped by the clocks here";
    case Sunless::NoZone:
        break;
    }
    return "no time zone";
}
constexpr const char* EnglishWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};

// One month of the range and the zone of each of its days.
struct MonthDays {
    year_month month;
    std::vector<DayPeriods> days;
};

std::vector<MonthDays> monthsOf(const Place& place, MonthRange range) {
    std::vector<MonthDays> months;
    const int count = std::clamp(range.count, 1, MostMonths);
    for (int n = 0; n < count; ++n) {
        const year_month month = range.first + std::chrono::months{n};
        months.push_back({month, monthTable(place, month)});
    }
    return months;
}

// A whole number, zero-padded to the width.
std::string padded(long long value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

std::string twoDigits(long long value) {
    return padded(value, 2);
}

// The calendar's form of a date, for all-day events: "20250621".
std::string compactDate(year_month_day day) {
    return padded(int(day.year()), 4) + twoDigits(unsigned(day.month())) +
           twoDigits(unsigned(day.day()));
}

std::string dateText(year_month_day day) {
    return padded(int(day.year()), 4) + '-' + twoDigits(unsigned(day.month())) + '-' +
           twoDigits(unsigned(day.day()));
}

std::string clockText(DateTime time) {
    const hh_mm_ss clock{time - floor<days>(time)};
    return twoDigits(clock.hours().count()) + ':' + twoDigits(clock.minutes().count()) + ':' +
           twoDigits(clock.seconds().count());
}

// "+05:30", "-04:00"; an offset is written to the minute, as ISO 8601 has it.
std::string isoLocal(DateTime time, long long east) {
    return dateText(year_month_day{floor<days>(time)}) + 'T' + clockText(time) +
           utcOffsetText(east);
}

std::string utcStamp(sys_seconds time) {
    const year_month_day day{floor<days>(time)};
    const hh_mm_ss clock{time - floor<days>(time)};
    return padded(int(day.year()), 4) + twoDigits(unsigned(day.month())) +
           twoDigits(unsigned(day.day())) + 'T' + twoDigits(clock.hours().count()) +
           twoDigits(clock.minutes().count()) + twoDigits(clock.seconds().count()) + 'Z';
}

sys_seconds universal(DateTime local, long long east) {
    return sys_seconds{local.time_since_epoch() - seconds{east}};
}

// RFC 5545's TEXT: backslash, semicolon, comma and line ends escaped.
std::string escapedText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\':
        case ';':
        case ',':
            escaped += '\\';
            escaped += c;
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Appends a content line folded at 75 octets, each cut before a UTF-8 lead byte.
void appendLine(QByteArray& out, const std::string& line) {
    constexpr std::size_t MostOctets = 75;
    std::size_t start = 0;
    bool first = true;
    while (true) {
        const std::size_t room = first ? MostOctets : MostOctets - 1;
        std::size_t end = std::min(line.size(), start + room);
        if (end < line.size())
            while (end > start && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
                --end;
        if (!first)
            out += ' ';
        out.append(line.data() + start, qsizetype(end - start));
        out += "\r\n";
        if (end >= line.size())
            break;
        start = end;
        first = false;
    }
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

std::string geoDegrees(int degrees, int minutes, bool negative) {
    char text[24];
    std::snprintf(text, sizeof text, "%.6f", (negative ? -1.0 : 1.0) * (degrees + minutes / 60.0));
    return text;
}

// The same for the same place as entered, date and period, so a calendar that imports the
// file again replaces its events instead of adding them twice.
// Stable for the same place, day and period, so a calendar imported again updates its events;
// a day without periods has one event of its own.
std::string uid(const Place& place, year_month_day day, std::optional<DayPeriod> period) {
    const std::string key =
        std::to_string(place.LatDegrees) + ' ' + std::to_string(place.LatMinutes) +
        (place.IsSouth ? 'S' : 'N') + ' ' + std::to_string(place.LonDegrees) + ' ' +
        std::to_string(place.LonMinutes) + (place.IsEast ? 'E' : 'W') + ' ' + dateText(day) + ' ' +
        (period ? PeriodNames[static_cast<int>(*period)] : "day");
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha256);
    return hash.toHex().left(32).toStdString() + "@horavela";
}

} // namespace

QByteArray monthCsv(const Place& place, MonthRange range) {
    QByteArray out = CsvHeader;
    out += "\r\n";
    for (const MonthDays& month : monthsOf(place, range)) {
        for (const DayPeriods& day : month.days) {
            const weekday dayOfWeek{sys_days{day.date}};
            std::string row = dateText(day.date) + ',' + EnglishWeekdays[dayOfWeek.c_encoding()];
            if (day.sunless == Sunless::None && day.zone) {
                const long long east = day.zone->secondsEast();
                for (const DateTime time : {day.sunRise, day.sunSet})
                    row += ',' + isoLocal(time, east);
                for (const DayPeriod period : DayPeriodsInOrder)
                    row += ',' + isoLocal(day[period].start, east) + ',' +
                           isoLocal(day[period].end, east);
                row += ',';
            } else {
                row += std::string(8, ',') + ',' + csvNote(day.sunless);
            }
            out += QByteArray::fromStdString(row);
            out += "\r\n";
        }
    }
    return out;
}

QByteArray monthCalendar(const Place& place, MonthRange range, const CalendarOptions& options) {
    const QDateTime stamp =
        options.stamp.isValid() ? options.stamp : QDateTime::currentDateTimeUtc();
    const std::string stampText = utcStamp(sys_seconds{seconds{stamp.toSecsSinceEpoch()}});
    const std::string heading = utf8(placeHeading(place));
    const std::string names = utf8(placeNames(place));
    const Place& at = place;
    const std::string geo = geoDegrees(at.LatDegrees, at.LatMinutes, at.IsSouth) + ';' +
                            geoDegrees(at.LonDegrees, at.LonMinutes, !at.IsEast);

    // Each event and the calendar itself say which place they are for, so
    // that calendars of two places imported side by side tell themselves apart.
    const QString city = QString::fromStdString(place.city).trimmed();
    const std::string where = !city.isEmpty() ? utf8(city) : !names.empty() ? names : heading;
    QStringList chosen;
    for (const DayPeriod period : DayPeriodsInOrder)
        if (options.periods[static_cast<std::size_t>(period)])
            chosen.append(periodName(period));
    const std::string periods = utf8(chosen.join(QStringLiteral(", ")));

    QByteArray out;
    appendLine(out, "BEGIN:VCALENDAR");
    appendLine(out, "VERSION:2.0");
    appendLine(out, std::string("PRODID:-//Horavela//Horavela ") + ProgramVersion + "//EN");
    appendLine(out, "CALSCALE:GREGORIAN");
    // Published for reading, not an invitation to answer.
    appendLine(out, "METHOD:PUBLISH");
    appendLine(out, "X-WR-CALNAME:" + escapedText(periods + " \u00B7 " + where));
    appendLine(out, "X-WR-CALDESC:" + escapedText(periods + " \u00B7 " + heading));
    for (const MonthDays& month : monthsOf(place, range)) {
        for (const DayPeriods& day : month.days) {
            if (day.sunless == Sunless::SunUpAllDay || day.sunless == Sunless::SunDownAllDay) {
                // One event for the whole day says why it has no periods.
                const std::string said = utf8(sunlessText(day.sunless));
                appendLine(out, "BEGIN:VEVENT");
                appendLine(out, "UID:" + uid(at, day.date, std::nullopt));
                appendLine(out, "DTSTAMP:" + stampText);
                appendLine(out, "DTSTART;VALUE=DATE:" + compactDate(day.date));
                appendLine(out, "DTEND;VALUE=DATE:" + compactDate(sys_days{day.date} + days{1}));
                appendLine(out, "SUMMARY:" + escapedText(said + " \u00B7 " + where));
                appendLine(out, "DESCRIPTION:" + escapedText(said + '\n' + heading));
                appendLine(out, "LOCATION:" + escapedText(names.empty() ? heading : names));
                appendLine(out, "GEO:" + geo);
                appendLine(out, "TRANSP:TRANSPARENT");
                appendLine(out, "X-MICROSOFT-CDO-BUSYSTATUS:FREE");
                appendLine(out, "END:VEVENT");
                continue;
            }
            if (day.sunless != Sunless::None || !day.zone)
                continue;
            const long long east = day.zone->secondsEast();
            for (const DayPeriod period : DayPeriodsInOrder) {
                if (!options.periods[static_cast<std::size_t>(period)])
                    continue;
                const TimeSpan& span = day[period];
                const QString name = periodName(period);
                const std::string description =
                    utf8(QCoreApplication::translate("MonthFiles",
                                                     "%1 %2: %3 to %4 local time (UTC%5)")
                             .arg(name, QString::fromStdString(dateText(day.date)),
                                  QString::fromStdString(clockText(span.start)),
                                  QString::fromStdString(clockText(span.end)),
                                  QString::fromStdString(utcOffsetText(east)))) +
                    '\n' + heading;
                appendLine(out, "BEGIN:VEVENT");
                appendLine(out, "UID:" + uid(at, day.date, period));
                appendLine(out, "DTSTAMP:" + stampText);
                appendLine(out, "DTSTART:" + utcStamp(universal(span.start, east)));
                // The first moment after the period, as calendars read DTEND:
                // the period's last second is span.end.
                appendLine(out, "DTEND:" + utcStamp(universal(span.end, east) + seconds{1}));
                appendLine(out, "SUMMARY:" + escapedText(utf8(name) + " \u00B7 " + where));
                appendLine(out, "DESCRIPTION:" + escapedText(description));
                appendLine(out, "LOCATION:" + escapedText(names.empty() ? heading : names));
                appendLine(out, "GEO:" + geo);
                // A period to heed, not an appointment: it must not mark the user busy.
                appendLine(out, "TRANSP:TRANSPARENT");
                appendLine(out, "X-MICROSOFT-CDO-BUSYSTATUS:FREE");
                if (options.reminderMinutes > 0) {
                    appendLine(out, "BEGIN:VALARM");
                    appendLine(out, "ACTION:DISPLAY");
                    appendLine(out, "DESCRIPTION:" + escapedText(utf8(name)));
                    appendLine(out, "TRIGGER:-PT" + std::to_string(options.reminderMinutes) + 'M');
                    appendLine(out, "END:VALARM");
                }
                appendLine(out, "END:VEVENT");
            }
        }
    }
    appendLine(out, "END:VCALENDAR");
    return out;
}

QByteArray monthText(const QLocale& locale, const Place& place, MonthRange range) {
    const std::array<QString, MonthColumns> titles = monthColumnTitles();
    const QStringList headings(titles.begin(), titles.end());
    QString out;
    bool firstMonth = true;
    for (const MonthDays& month : monthsOf(place, range)) {
        if (!firstMonth)
            out += u'\n';
        firstMonth = false;
        out += placeHeading(place) + u'\n';
        out += QCoreApplication::translate("horavela::frmMonth", "Time Zone: %1")
                   .arg(zoneHeading(place, month.days)) +
               u'\n';
        out += monthHeading(locale, month.month) + QStringLiteral("\n\n");
        std::vector<QStringList> rows{headings};
        QStringList skipped;
        for (const DayPeriods& day : month.days) {
            if (day.sunless == Sunless::NotAtPlace) {
                skipped.append(skippedDayText(locale, day.date));
                continue;
            }
            const MonthRow cells = monthRow(locale, day);
            QStringList row(cells.cells.begin(), cells.cells.end());
            // Plain text has no cell across columns: the first says why, the others are empty.
            if (cells.sunless)
                for (qsizetype n = FirstSunColumn + 1; n < MonthColumns; ++n)
                    row[n] = QStringLiteral("\u2014");
            rows.push_back(row);
        }
        std::vector<qsizetype> widths(std::size_t(headings.size()), 0);
        for (const QStringList& row : rows)
            for (qsizetype n = 0; n < row.size(); ++n)
                widths[std::size_t(n)] = std::max(widths[std::size_t(n)], row[n].size());
        for (const QStringList& row : rows) {
            QString line;
            for (qsizetype n = 0; n < row.size(); ++n)
                line += row[n].leftJustified(widths[std::size_t(n)] + 2);
            out += line.trimmed() + u'\n';
        }
        for (const QString& line : skipped)
            out += line + u'\n';
    }
    return out.toUtf8();
}

} // namespace horavela
