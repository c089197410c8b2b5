#include "places/ZoneRules.h"

#include "places/Gazetteer.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace horavela {

namespace {

// "-5 -30", "-0 -19": the pair as the zone boxes show it.
QString pairText(ZonePair pair) {
    return zoneHoursText(pair) + u' ' + QString::number(pair.minutes);
}

// In English whatever the desktop's formats; else in the language in use.
QString dayText(QDate date, const char* format) {
    if (languageInUse() == u"en")
        return QLocale::c().toString(date, QString::fromLatin1(format));
    return localDigits(QLocale().toString(date, QString::fromLatin1(format)));
}

} // namespace

QString zoneHoursText(ZonePair pair) {
    return pair.hours == 0 && pair.minutes < 0 ? QStringLiteral("-0") : QString::number(pair.hours);
}

std::shared_ptr<const ZoneHistory> namedZone(QByteArrayView name) {
    return placesGazetteer().zone(name);
}

ZonePair zonePairAt(const ZoneHistory& zone, const ZoneMoment& moment) {
    using namespace std::chrono;
    if (!moment.date.isValid()) {
        const std::vector<ZonePeriod> periods = zonePeriods(zone, moment.year);
        const auto east = [](ZonePair pair) { return -(pair.hours * 60 + pair.minutes); };
        return std::min_element(periods.begin(), periods.end(),
                                [&](const ZonePeriod& a, const ZonePeriod& b) {
                                    return east(a.pair) < east(b.pair);
                                })
            ->pair;
    }
    const local_seconds local =
        local_days{year_month_day{year{moment.date.year()}, month{unsigned(moment.date.month())},
                                  day{unsigned(moment.date.day())}}} +
        seconds{moment.time.msecsSinceStartOfDay() / 1000};
    return zonePair(zone.secondsEastAtLocal(local));
}

std::vector<ZonePeriod> zonePeriods(const ZoneHistory& zone, int year) {
    using namespace std::chrono;
    const sys_seconds yearStart{sys_days{std::chrono::year{year} / January / 1}};
    const sys_seconds yearEnd{sys_days{std::chrono::year{year + 1} / January / 1}};
    std::vector<ZonePeriod> periods{{zonePair(zone.secondsEastAt(yearStart)), {}}};
    for (const ZoneChange& change : zone.changes) {
        if (change.at <= yearStart || change.at >= yearEnd)
            continue;
        const ZonePair pair = zonePair(change.secondsEast);
        if (pair == periods.back().pair)
            continue;
        // The local day the new offset begins.
        const auto local = floor<days>(change.at + seconds{change.secondsEast});
        const year_month_day day{local};
        periods.push_back(
            {pair, QDate(int(day.year()), int(unsigned(day.month())), int(unsigned(day.day())))});
    }
    return periods;
}

QString zoneText(const QByteArray& zoneName, const ZoneHistory* zone, const ZoneMoment& moment) {
    const QString name = QString::fromUtf8(zoneName);
    if (!zone)
        return QCoreApplication::translate("ZoneRules", "%1: not in this system's time-zone data")
            .arg(name);
    const ZonePair now = zonePairAt(*zone, moment);
    const std::vector<ZonePeriod> periods = zonePeriods(*zone, moment.year);
    if (periods.size() <= 1)
        return name + QStringLiteral(": ") + localDigits(pairText(now));
    QStringList year;
    for (const ZonePeriod& period : periods)
        year.append(
            period.from.isValid()
                //: A zone's offset and the day it begins: "4 0 from 8 March".
                ? QCoreApplication::translate("ZoneRules", "%1 from %2")
                      .arg(localDigits(pairText(period.pair)), dayText(period.from, "d MMMM"))
                : localDigits(pairText(period.pair)));
    const QString when = moment.date.isValid()
                             ? QCoreApplication::translate("ZoneRules", "on %1")
                                   .arg(dayText(moment.date, "d MMMM yyyy"))
                             //: The zone's standard offset, given for a date that does not exist.
                             : QCoreApplication::translate("ZoneRules", "standard");
    //: "America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1
    //: November)"
    return QCoreApplication::translate("ZoneRules", "%1: %2 %3 (in %4: %5)")
        .arg(name, localDigits(pairText(now)), when, localDigits(QString::number(moment.year)),
             year.join(QStringLiteral(", ")));
}

} // namespace horavela
