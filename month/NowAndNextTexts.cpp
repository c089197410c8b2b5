#include "month/NowAndNextTexts.h"

#include "month/MonthTexts.h"
#include "platform/Language.h"

#include <QCoreApplication>

namespace horavela {

QString periodNowText(const QLocale& locale, const PeriodAt& now) {
    //: The period on now and when it ends: "Rahu Kaal now, until 4:59 PM".
    return QCoreApplication::translate("NowAndNextTexts", "%1 now, until %2")
        .arg(periodName(now.period), minuteText(locale, now.span.end));
}

QString nextPeriodText(const QLocale& locale, const PeriodAt& next) {
    const QString start = minuteText(locale, next.span.start);
    const QString end = minuteText(locale, next.span.end);
    if (next.tomorrow)
        //: The next period, which starts tomorrow: "Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM".
        return QCoreApplication::translate("NowAndNextTexts", "Next: %1 tomorrow, %2 to %3")
            .arg(periodName(next.period), start, end);
    //: The next period, later today: "Next: Yamaganda, 9:43 AM to 11:13 AM".
    return QCoreApplication::translate("NowAndNextTexts", "Next: %1, %2 to %3")
        .arg(periodName(next.period), start, end);
}

QString noPeriodsText(Sunless sunless, bool tomorrow) {
    switch (sunless) {
    case Sunless::None:
        break;
    case Sunless::SunUpAllDay:
        //: Said where the sun stays up, as at Longyearbyen in June: "No periods today: sun up all
        //: day".
        return tomorrow ? QCoreApplication::translate("NowAndNextTexts",
                                                      "No periods tomorrow: sun up all day")
                        : QCoreApplication::translate("NowAndNextTexts",
                                                      "No periods today: sun up all day");
    case Sunless::SunDownAllDay:
        //: Said where the sun stays down, as at Longyearbyen in December: "No periods tomorrow:
        //: sun down all day".
        return tomorrow ? QCoreApplication::translate("NowAndNextTexts",
                                                      "No periods tomorrow: sun down all day")
                        : QCoreApplication::translate("NowAndNextTexts",
                                                      "No periods today: sun down all day");
    case Sunless::NotAtPlace:
        //: Samoa's clocks skipped 30 December 2011: the day after 29 December was 31 December.
        return QCoreApplication::translate("NowAndNextTexts",
                                           "No periods tomorrow: the clocks here skip that day");
    case Sunless::NoZone:
        //: Said where the place's clock time is not known, so its periods cannot be given.
        return QCoreApplication::translate("NowAndNextTexts",
                                           "No periods: the place's time zone is not known");
    }
    return {};
}

QStringList nowAndNextLines(const QLocale& locale, const NowAndNext& nowAndNext) {
    QStringList lines;
    if (nowAndNext.now)
        lines.append(periodNowText(locale, *nowAndNext.now));
    if (nowAndNext.next)
        lines.append(nextPeriodText(locale, *nowAndNext.next));
    else if (nowAndNext.todaySunless != Sunless::None)
        lines.append(noPeriodsText(nowAndNext.todaySunless, false));
    else if (nowAndNext.tomorrowSunless != Sunless::None)
        lines.append(noPeriodsText(nowAndNext.tomorrowSunless, true));
    return lines;
}

QString reminderText(const QLocale& locale, const Reminder& reminder, const Place& place) {
    const QString name = periodName(reminder.period);
    const QString city = QString::fromStdString(place.city);
    // A home place kept by its latitude and longitude alone has no name to give.
    const bool named = !city.isEmpty();
    if (reminder.kind == Reminder::Kind::StartsNow)
        return named
                   //: A reminder as the period starts, with the place's name: "Rahu Kaal starts
                   //: now (Pune)".
                   ? QCoreApplication::translate("NowAndNextTexts", "%1 starts now (%2)")
                         .arg(name, city)
                   //: A reminder as the period starts, at a place without a name: "Rahu Kaal
                   //: starts now".
                   : QCoreApplication::translate("NowAndNextTexts", "%1 starts now").arg(name);
    const QString start = minuteText(locale, reminder.start);
    if (reminder.minutesBefore == 1)
        return named
                   //: A reminder a minute before: "Rahu Kaal starts at 3:29 PM, in 1 minute
                   //: (Pune)".
                   ? QCoreApplication::translate("NowAndNextTexts",
                                                 "%1 starts at %2, in 1 minute (%3)")
                         .arg(name, start, city)
                   //: A reminder a minute before, at a place without a name: "Rahu Kaal starts
                   //: at 3:29 PM, in 1 minute".
                   : QCoreApplication::translate("NowAndNextTexts", "%1 starts at %2, in 1 minute")
                         .arg(name, start);
    const QString minutes = localDigits(QString::number(reminder.minutesBefore));
    return named
               //: A reminder some minutes before: "Rahu Kaal starts at 3:29 PM, in 10 minutes
               //: (Pune)".
               ? QCoreApplication::translate("NowAndNextTexts",
                                             "%1 starts at %2, in %3 minutes (%4)")
                     .arg(name, start, minutes, city)
               //: A reminder some minutes before, at a place without a name: "Rahu Kaal starts
               //: at 3:29 PM, in 10 minutes".
               : QCoreApplication::translate("NowAndNextTexts", "%1 starts at %2, in %3 minutes")
                     .arg(name, start, minutes);
}

} // namespace horavela
