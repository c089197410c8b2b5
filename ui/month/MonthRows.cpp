#include "ui/month/MonthRows.h"

#include "month/MonthTexts.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <vector>

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

// Ink and shaping are measured for only this many of a column's widest texts by advance.
constexpr std::size_t WidestKept = 4;

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

namespace {

// The texts each column can hold: the title first, then every date, weekday, time and span.
std::array<QStringList, MonthColumns + 1> allMonthTexts(const QLocale& locale) {
    std::array<QStringList, MonthColumns + 1> texts;
    for (int column = 0; column < MonthColumns; ++column)
        texts[std::size_t(column)].append(monthColumnTitles()[std::size_t(column)]);
    // Digits differ in width in many scripts, so every day of a leap year,
    // and every year of the list.
    for (sys_days d = sys_days{year{2000} / January / 1}; d <= sys_days{year{2000} / December / 31};
         d += days{1})
        texts[0].append(dayDateText(locale, year_month_day{d}));
    for (int y = int(FirstYear); y <= int(LastYear); ++y)
        texts[0].append(dayDateText(locale, year{y} / December / day{28}));
    for (unsigned d = 1; d <= 7; ++d)
        texts[1].append(weekdayText(locale, year{2050} / January / day{d}));
    // Every minute of the day; a span is two times apart, each as wide as any.
    const local_days first{year{2050} / January / day{1}};
    QStringList times;
    for (int minute = 0; minute < 24 * 60; ++minute)
        times.append(minuteText(locale, first + minutes{minute}));
    texts[2] += times;
    texts[3] += times;
    QString separator = spanText(locale, {first, first}).mid(times.front().size());
    separator.chop(times.front().size());
    for (const QString& start : times)
        for (const int column : {4, 5, 6})
            texts[std::size_t(column)].append(start + separator + start);
    for (const SunResult result : {SunResult::NoSunrise, SunResult::NoSunset, SunResult::BadInput})
        texts[MonthColumns].append(sunlessText(result));
    return texts;
}

} // namespace

std::array<QStringList, MonthColumns + 1> widestMonthTexts(const QLocale& locale,
                                                           const QFont& font) {
    // Worked out once for each language and font: thousands of texts are measured.
    static QHash<QString, std::array<QStringList, MonthColumns + 1>> known;
    const QString key = locale.name() + u'|' + font.key();
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;
    const QFontMetrics metrics(font);
    std::array<QStringList, MonthColumns + 1> widest = allMonthTexts(locale);
    for (QStringList& texts : widest) {
        std::vector<std::pair<int, QString>> measured;
        measured.reserve(std::size_t(texts.size()));
        for (const QString& text : texts)
            measured.emplace_back(metrics.horizontalAdvance(text), text);
        const std::size_t kept = std::min<std::size_t>(WidestKept, measured.size());
        std::partial_sort(measured.begin(), measured.begin() + std::ptrdiff_t(kept), measured.end(),
                          [](const auto& a, const auto& b) { return a.first > b.first; });
        QStringList few;
        for (std::size_t i = 0; i < kept; ++i)
            few.append(measured[i].second);
        // The title stays, first, for the table's header.
        if (&texts != &widest[MonthColumns] && !few.contains(texts.front()))
            few.append(texts.front());
        texts = few;
    }
    known.insert(key, widest);
    return widest;
}

} // namespace horavela
