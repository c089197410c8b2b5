#include "ui/month/MonthRows.h"

#include "month/MonthTexts.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <vector>

namespace horavela {

namespace {

using namespace std::chrono;

// Ink and shaping are measured for only this many of a column's widest texts by advance.
constexpr std::size_t WidestKept = 4;

} // namespace

namespace {

// What spanText writes between a span's two times in the locale.
QString spanSeparator(const QLocale& locale) {
    const DateTime time = local_days{year{2050} / January / day{1}};
    const QString one = minuteText(locale, time);
    return spanText(locale, {time, time}).mid(one.size()).chopped(one.size());
}

// The texts' widest few in the font, by advance.
QStringList widestOf(const QStringList& texts, const QFontMetrics& metrics) {
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
    return few;
}

std::array<QStringList, MonthColumns + 1> measureMonthTexts(const QLocale& locale,
                                                            const QFontMetrics& metrics) {
    std::array<QStringList, MonthColumns + 1> widest;
    // Digits differ in width in many scripts, so every day of a leap year,
    // and every year of the list.
    QStringList dates;
    for (sys_days d = sys_days{year{2000} / January / 1}; d <= sys_days{year{2000} / December / 31};
         d += days{1})
        dates.append(dayDateText(locale, year_month_day{d}));
    for (int y = int(FirstMonth.year()); y <= int(LastMonth.year()); ++y)
        dates.append(dayDateText(locale, year{y} / December / day{28}));
    widest[0] = widestOf(dates, metrics);
    for (unsigned d = 1; d <= 7; ++d)
        widest[1].append(weekdayText(locale, year{2050} / January / day{d}));
    // Every minute of the day. A span's two times are as wide as the widest
    // time at the most.
    const local_days first{year{2050} / January / day{1}};
    QStringList times;
    for (int minute = 0; minute < 24 * 60; ++minute)
        times.append(minuteText(locale, first + minutes{minute}));
    const QStringList widestTimes = widestOf(times, metrics);
    const QString separator = spanSeparator(locale);
    for (const int column : {2, 3})
        widest[std::size_t(column)] = widestTimes;
    for (const QString& time : widestTimes)
        for (const int column : {4, 5, 6})
            widest[std::size_t(column)].append(time + separator + time);
    for (int column = 0; column < MonthColumns; ++column)
        widest[std::size_t(column)].append(monthColumnTitles()[std::size_t(column)]);
    for (const Sunless sunless :
         {Sunless::SunUpAllDay, Sunless::SunDownAllDay, Sunless::NoZone, Sunless::NotAtPlace})
        widest[MonthColumns].append(sunlessText(sunless));
    return widest;
}

} // namespace

std::array<QStringList, MonthColumns + 1> widestMonthTexts(const QLocale& locale,
                                                           const QFont& font) {
    // Worked out once for each language and font: thousands of texts are measured.
    static QHash<QString, std::array<QStringList, MonthColumns + 1>> known;
    const QString key = locale.name() + u'|' + font.key();
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;
    const std::array<QStringList, MonthColumns + 1> widest =
        measureMonthTexts(locale, QFontMetrics(font));
    known.insert(key, widest);
    return widest;
}

QString brokenSpanText(const QLocale& locale, const QString& span) {
    const QString separator = spanSeparator(locale);
    const qsizetype at = span.indexOf(separator);
    if (at < 0 || separator.trimmed().isEmpty())
        return span;
    // The dash stays with the first time, so that the first line says the span goes on.
    qsizetype dashEnd = separator.size();
    while (dashEnd > 0 && separator[dashEnd - 1].isSpace())
        --dashEnd;
    return span.left(at) + separator.left(dashEnd) + u'\n' + span.mid(at + separator.size());
}

} // namespace horavela
