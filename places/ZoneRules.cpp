#include "places/ZoneRules.h"

#include "platform/Language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTimeZone>

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

std::optional<ZonePair> zonePairAt(const QByteArray& ianaId, const ZoneMoment& moment) {
    const QTimeZone zone(ianaId);
    if (!zone.isValid())
        return std::nullopt;
    if (!moment.date.isValid()) {
        const QDateTime month(QDate(moment.year, 1, 1), QTime(12, 0), Qt::UTC);
        return zonePair(zone.standardTimeOffset(month));
    }
    return zonePair(QDateTime(moment.date, moment.time, zone).offsetFromUtc());
}

std::vector<ZonePeriod> zonePeriods(const QByteArray& ianaId, int year) {
    const QTimeZone zone(ianaId);
    if (!zone.isValid())
        return {};
    const QDateTime yearStart(QDate(year, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime yearEnd(QDate(year + 1, 1, 1), QTime(0, 0), Qt::UTC);
    std::vector<ZonePeriod> periods{{zonePair(zone.offsetFromUtc(yearStart)), {}}};
    for (const QTimeZone::OffsetData& change : zone.transitions(yearStart, yearEnd)) {
        const ZonePair pair = zonePair(change.offsetFromUtc);
        if (pair != periods.back().pair)
            periods.push_back({pair, change.atUtc.toTimeZone(zone).date()});
    }
    return periods;
}

QString zoneText(const QByteArray& zoneName, const QByteArray& systemId, const ZoneMoment& moment) {
    const QString name = QString::fromUtf8(zoneName);
    const std::optional<ZonePair> now = zonePairAt(systemId, moment);
    if (!now)
        return QCoreApplication::translate("ZoneRules", "%1: not in this system's time-zone data")
            .arg(name);
    const std::vector<ZonePeriod> periods = zonePeriods(systemId, moment.year);
    if (periods.size() <= 1)
        return name + QStringLiteral(": ") + localDigits(pairText(*now));
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
        .arg(name, localDigits(pairText(*now)), when, localDigits(QString::number(moment.year)),
             year.join(QStringLiteral(", ")));
}

} // namespace horavela
