#include "ZoneRules.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

namespace horavela {

namespace {

QString pairText(ZonePair pair) {
    return QString::number(pair.hours) + u' ' + QString::number(pair.minutes);
}

// The window's texts are English, whatever the user's locale.
QString dayText(QDate date) {
    return QLocale::c().toString(date, QStringLiteral("d MMMM"));
}

} // namespace

std::optional<ZoneRules> zoneRules(const QByteArray& ianaId, int year) {
    const QTimeZone zone(ianaId);
    if (!zone.isValid())
        return std::nullopt;
    const QDateTime yearStart(QDate(year, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime yearEnd(QDate(year + 1, 1, 1), QTime(0, 0), Qt::UTC);
    ZoneRules rules{zonePair(zone.standardTimeOffset(yearStart)), std::nullopt, {}, {}};
    // Transitions, not hasDaylightTime(): that one is true for zones that
    // kept daylight time only long ago, such as India's in the 1940s.
    for (const QTimeZone::OffsetData& change : zone.transitions(yearStart, yearEnd)) {
        const QDate day = change.atUtc.toTimeZone(zone).date();
        if (change.daylightTimeOffset > 0) {
            rules.daylight = zonePair(change.offsetFromUtc);
            rules.daylightBegins = day;
        } else {
            rules.standard = zonePair(change.offsetFromUtc);
            rules.daylightEnds = day;
        }
    }
    if (!rules.daylight)
        rules.daylightEnds = {};
    return rules;
}

QString zoneText(const QByteArray& ianaId, const std::optional<ZoneRules>& rules) {
    const QString name = QString::fromUtf8(ianaId);
    if (!rules)
        return name + QStringLiteral(": not in this system's time-zone data");
    if (!rules->daylight)
        return name + QStringLiteral(": ") + pairText(rules->standard);
    QString text = QStringLiteral("%1: %2 standard, %3 daylight")
                       .arg(name, pairText(rules->standard), pairText(*rules->daylight));
    // A year in which the zone starts or stops keeping daylight time has one date only.
    if (rules->daylightBegins.isValid() && rules->daylightEnds.isValid())
        text += QStringLiteral(" from %1 to %2")
                    .arg(dayText(rules->daylightBegins), dayText(rules->daylightEnds));
    return text;
}

} // namespace horavela
