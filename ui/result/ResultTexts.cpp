#include "ui/result/ResultTexts.h"

#include "platform/Language.h"

#include <QCoreApplication>
#include <QDate>
#include <QTime>
#include <chrono>

namespace horavela {

namespace {

// Calls onField(position, length) for each run of one format letter outside
// quoted text, from the back, so that the callback may change the format.
template <typename OnField> void forEachFieldFromBack(const QString& format, OnField onField) {
    struct Field {
        qsizetype position;
        qsizetype length;
    };
    QList<Field> fields;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted || !c.isLetter())
            continue;
        qsizetype end = i + 1;
        while (end < format.size() && format.at(end) == c)
            ++end;
        fields.append({i, end - i});
        i = end - 1;
    }
    for (qsizetype n = fields.size() - 1; n >= 0; --n)
        onField(fields[n].position, fields[n].length);
}

bool isLooseEnd(QChar c) {
    return c.isSpace() || c == u',';
}

} // namespace

QString chosenDateText(const QLocale& locale, int month, QStringView day, QStringView year) {
    QString text = locale.standaloneMonthName(month, QLocale::LongFormat);
    text += u' ';
    text += day;
    text += u',';
    text += year;
    return localDigits(text);
}

QString shortDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    forEachFieldFromBack(format, [&](qsizetype position, qsizetype length) {
        if (format.at(position) == u'y' && length == 2)
            format.replace(position, length, QStringLiteral("yyyy"));
    });
    return format;
}

QString longTimeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    forEachFieldFromBack(format, [&](qsizetype position, qsizetype length) {
        if (format.at(position) == u't')
            format.remove(position, length);
    });
    // Some locales wrap the zone in brackets or set it off with a comma.
    format.remove(QStringLiteral("()"));
    format.remove(QStringLiteral("[]"));
    while (!format.isEmpty() && isLooseEnd(format.back()))
        format.chop(1);
    while (!format.isEmpty() && isLooseEnd(format.front()))
        format.remove(0, 1);
    return format;
}

QString dateTimeText(const QLocale& locale, const std::optional<DateTime>& time) {
    if (!time)
        return {};
    using namespace std::chrono;
    const local_days day = floor<days>(*time);
    const year_month_day date{day};
    const QString dateText =
        locale.toString(QDate(int(date.year()), unsigned(date.month()), unsigned(date.day())),
                        shortDateFormat(locale));
    const hh_mm_ss clock{*time - day};
    if (clock.to_duration() == seconds::zero())
        return dateText;
    const QTime timeOfDay(int(clock.hours().count()), int(clock.minutes().count()),
                          int(clock.seconds().count()));
    return dateText + u' ' + locale.toString(timeOfDay, longTimeFormat(locale));
}

QString periodText(const QLocale& locale, const std::optional<DateTime>& start,
                   const std::optional<DateTime>& end) {
    //: The Rahu Kaal period: its start, then its end, as date and time.
    return QCoreApplication::translate("ResultTexts", "%1 to %2")
        .arg(dateTimeText(locale, start), dateTimeText(locale, end));
}

QString periodCaption(std::optional<Stretch> stretch) {
    if (!stretch)
        return {};
    switch (*stretch) {
    case Stretch::Day:
        return QCoreApplication::translate("ResultTexts", "Rahukal Period (day)");
    case Stretch::NightBefore:
        return QCoreApplication::translate("ResultTexts", "Rahukal Period (night before)");
    case Stretch::NightAfter:
        return QCoreApplication::translate("ResultTexts", "Rahukal Period (night after)");
    }
    return {};
}

QString verdictText(Verdict verdict) {
    return verdict == Verdict::InRahukal
               ? QCoreApplication::translate("ResultTexts",
                                             "The Chosen Time Period is in Rahu Kaal")
               : QCoreApplication::translate("ResultTexts",
                                             "The Chosen Time Period is not in Rahu Kaal");
}

ResultTexts resultTexts(const QLocale& locale, const CalculationState& state) {
    ResultTexts texts;
    texts.chosenDate = QString::fromStdString(state.ChosenDateText);
    texts.chosenTime = localDigits(
        QString::fromStdString(state.HourText + ':' + state.MinuteText + ':' + state.SecondText));
    texts.sunTimes = {dateTimeText(locale, state.PreviousDaySunRise),
                      dateTimeText(locale, state.PreviousDaySunSet),
                      dateTimeText(locale, state.InputDaySunRise),
                      dateTimeText(locale, state.InputDaySunSet),
                      dateTimeText(locale, state.NextDaySunRise),
                      dateTimeText(locale, state.NextDaySunSet)};
    if (state.RahukalResult)
        texts.rahukalResult = verdictText(*state.RahukalResult);
    texts.showNote = state.RahukalResult == Verdict::InRahukal;
    texts.rahukalPeriod = periodText(locale, state.RahukalStart, state.RahukalEnd);
    if (state.RahukalStart && state.ChosenDateTime && state.InputDaySunRise && state.InputDaySunSet)
        texts.periodCaption = periodCaption(
            stretchHolding(*state.ChosenDateTime, *state.InputDaySunRise, *state.InputDaySunSet));
    return texts;
}

} // namespace horavela
